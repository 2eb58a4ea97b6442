#include "sim/model/activity.h"

#include <string>

namespace qx::sim {

const Model<Activity>& activity_model() {
  using T = Activity;
  static const Model<Activity> model = [] {
    Model<T> m;
    m.table = "activities";
    m.doc =
        "Background activities. Each runs on one VD or one disk; a running activity moves on with "
        "simulated time and completes when its progress reaches 100 %.";
    m.key = {"id"};
    m.fields = {
        integer_field<T>("id", &T::id, 0, "", "activity id, unique on the adapter", 0, 0xFFFE),
        enum_field<T>("kind", &T::kind,
                      {"rebuild", "synchronize", "redundancy_check", "init_foreground", "init_background", "migration",
                       "init_quick", "copy_back", "media_patrol", "data_scrub", "wipe"},
                      ActivityKind::kInitBackground, "VD status BGA type (1), PD BGA status activity (4)",
                      "what the activity does"),
        integer_field<T>("vd", &T::vd, kNoId, "VD status", "target VD; 65535 for a disk activity"),
        integer_field<T>("pd", &T::pd, kNoId, "PD BGA status", "target disk; 65535 for a VD activity"),
        enum_field<T>("state", &T::state, {"running", "aborted", "paused", "auto_paused", "interrupted"},
                      ActivityState::kRunning, "BGA state (VD information 3, VD status 4, PD BGA status 6)",
                      "state of the activity"),
        integer_field<T>("progress", &T::progress, 0, "percentage (VD status 2, PD BGA status 2)",
                         "progress in 1/100 of a percent (0 to 10000); up to 25500 (255 %, the invalid marker) for "
                         "a bad report that never moves",
                         0, kMostReportedProgress),
        integer_field<T>("duration_s", &T::duration_s, 3600, "", "simulated seconds the activity needs from 0 to 100 %",
                         1, int64_t{1} << 40),
    };
    m.fields.push_back(integer_field<T>("bga_type", &T::bga_type, kOwnCode, "VD status BGA type (1), PD BGA status "
                                        "activity (4)", "raw code reported instead of the kind's own; -1: the kind's",
                                        kOwnCode, 255));
    m.fields.push_back(integer_field<T>("bga_state", &T::bga_state, kOwnCode,
                                        "BGA state (VD information 3, VD status 4, PD BGA status 6)",
                                        "raw code reported instead of the state's own; -1: the state's", kOwnCode, 255));
    m.fields.push_back(integer_field<T>("target_pd", &T::target_pd, kNoId, "PD RAID status (flag 0x02)",
                                        "the disk a copy back writes the spare's data to; 65535 = none"));
    Field<T> since =
        integer_field<T>("since_ms", &T::since_ms, 0, "", "simulated time of the progress value", INT64_MIN, INT64_MAX);
    since.in_scenario = false;
    m.fields.push_back(since);
    m.indexes = {{"activities_due", std::string("(adapter, ") + kCompletionSql + ") WHERE " + kMovingSql}};
    return m;
  }();
  return model;
}

uint8_t bga_type(ActivityKind kind) {
  switch (kind) {
    case ActivityKind::kRebuild: return QX_BGA_REBUILD;
    case ActivityKind::kSynchronize: return QX_BGA_SYNCHRONIZE;
    case ActivityKind::kRedundancyCheck: return QX_BGA_REDUNDANCY_CHECK;
    case ActivityKind::kInitForeground: return QX_BGA_INIT_FOREGROUND;
    case ActivityKind::kInitBackground: return QX_BGA_INIT_BACKGROUND;
    case ActivityKind::kMigration: return QX_BGA_MIGRATION;
    case ActivityKind::kInitQuick: return QX_BGA_INIT_QUICK;
    case ActivityKind::kCopyBack: return QX_BGA_COPY_BACK;
    case ActivityKind::kMediaPatrol: return QX_PD_BGA_MEDIA_PATROL;
    case ActivityKind::kDataScrub: return QX_PD_BGA_DATA_SCRUB;
    case ActivityKind::kWipe: return 0;  // the status records have no code for it
  }
  return 0;
}

uint8_t bga_state(ActivityState state) {
  return static_cast<uint8_t>(static_cast<uint8_t>(state) + 1);
}

uint8_t reported_bga_type(const Activity& a) {
  return a.bga_type != kOwnCode ? static_cast<uint8_t>(a.bga_type) : bga_type(a.kind);
}

uint8_t reported_bga_state(const Activity& a) {
  return a.bga_state != kOwnCode ? static_cast<uint8_t>(a.bga_state) : bga_state(a.state);
}

bool is_disk_activity(ActivityKind kind) {
  return kind == ActivityKind::kMediaPatrol || kind == ActivityKind::kDataScrub || kind == ActivityKind::kWipe;
}

}  // namespace qx::sim
