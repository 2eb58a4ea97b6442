// Background activities: initialization, consistency check, rebuild,
// migration, copy back on VDs; media patrol, data scrub and wipe on disks.
#ifndef QX_SIM_MODEL_ACTIVITY_H
#define QX_SIM_MODEL_ACTIVITY_H

#include <cstdint>

#include "api/records.h"
#include "sim/model/field.h"
#include "sim/model/vd.h"

namespace qx::sim {

enum class ActivityKind : uint8_t {
  kRebuild,
  kSynchronize,
  kRedundancyCheck,
  kInitForeground,
  kInitBackground,
  kMigration,
  kInitQuick,
  kCopyBack,
  kMediaPatrol,
  kDataScrub,
  kWipe,  // erasing a disk's configuration data
};

// The states a VD or disk activity can be in; the numbers are the BGA state
// codes of the status records minus one.
enum class ActivityState : uint8_t { kRunning, kAborted, kPaused, kAutoPaused, kInterrupted };

inline constexpr int64_t kFullProgress = 10000;  // progress is counted in 1/100 of a percent
// The most progress a scenario may set: 255 %, the percentage byte's
// "invalid" marker. Progress above kFullProgress is a firmware's bad report:
// shown as it is, it never moves and never completes.
inline constexpr int64_t kMostReportedProgress = 25500;
inline constexpr int16_t kOwnCode = -1;

// SQL for the moment a running activity reaches 100 %, as completion_ms()
// computes it, and for the running activities that move (not those stuck at
// a progress beyond 100 %). The activities table keeps an index on the one
// for the rows of the other, so that finding what is due next reads one
// index entry however many activities run.
inline constexpr const char* kCompletionSql = "(since_ms + ((10000 - progress) * duration_s * 1000 + 9999) / 10000)";
inline constexpr const char* kMovingSql = "state = 'running' AND progress <= 10000";  // bga_type / bga_state: the kind's or state's own code

struct Activity {
  uint16_t id = 0;
  ActivityKind kind = ActivityKind::kInitBackground;
  uint16_t vd = kNoId;  // target VD, or kNoId
  uint16_t pd = kNoId;  // target disk, or kNoId
  ActivityState state = ActivityState::kRunning;
  int64_t progress = 0;       // 0 .. kFullProgress at `since_ms`
  int64_t duration_s = 3600;  // simulated seconds from 0 to 100 %
  int64_t since_ms = 0;       // simulated time at which `progress` was taken
  // Codes the status records report instead of the kind's and state's own,
  // for showing what a display does with codes it has no name for; the
  // activity still behaves by its kind and state.
  int16_t bga_type = kOwnCode;
  int16_t bga_state = kOwnCode;
  uint16_t target_pd = kNoId;  // the disk a copy back writes to, or kNoId
};

const Model<Activity>& activity_model();

// The BGA type bit of a VD activity (QX_BGA_REBUILD ...), the activity code of
// a disk activity (QX_PD_BGA_...).
uint8_t bga_type(ActivityKind kind);
uint8_t bga_state(ActivityState state);
// What the status records report for an activity: its raw codes where a
// scenario gave them, else those of its kind and state.
uint8_t reported_bga_type(const Activity& activity);
uint8_t reported_bga_state(const Activity& activity);
bool is_disk_activity(ActivityKind kind);

}  // namespace qx::sim

#endif  // QX_SIM_MODEL_ACTIVITY_H
