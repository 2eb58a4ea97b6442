// `scrub -a start|pause|resume|stop -d PD`: data scrubbing of a spare disk
// that stands in for no member.
#include <cstdint>
#include <optional>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/bga/pd_activity.h"
#include "commands/bga/steer.h"
#include "commands/handlers.h"
#include "shell/list_query.h"
#include "shell/output.h"
#include "shell/state.h"

namespace qx::commands {
namespace {

constexpr PdActivityParse kParse{"-d : invalid PD id\n",
                                 silent(QX_BGA_ACTION_START) | silent(QX_BGA_ACTION_PAUSE) |
                                     silent(QX_BGA_ACTION_RESUME) | silent(QX_BGA_ACTION_STOP),
                                 true};

bool is_scrub(uint8_t type) { return type == QX_PD_BGA_DATA_SCRUB; }

constexpr SteerTable kSteer{
    is_scrub,
    {"\nPD %d is not in data scrubbing state.\n", "\nUnable to pause data scrubbing on PD %d (error %d: %s)\n",
     "\nUnable to resume data scrubing on PD %d (error %d: %s)\n",
     "\nUnable to abort data scrubbing on PD %d (error %d: %s)\n", "\nData scrubning is in progress on PD %d.\n",
     "\nData scrubbing on PD %d is currently paused\n", "\nPD %d currently does not have any background activity.\n"},
    QX_PD_BGAControl,
    0,
    silent(QX_BGA_ACTION_RESUME),
};

// Only a spare that stands in for nothing is scrubbed.
std::optional<uint32_t> refusal(uint16_t pd, uint8_t flags) {
  if (flags & QX_PD_RAID_ASSIGNED) {
    shell::print("\nPD %d has already been assigned.\n", pd);
    return kPdAssigned;
  }
  if ((flags & QX_PD_RAID_ANY_SPARE) == 0) {
    shell::print("\nPD %d is not a spare disk.\n", pd);
    return kPdNotSpare;
  }
  return std::nullopt;
}

}  // namespace

uint32_t cmd_scrub(int argc, char** argv, const CommandEntry& self) {
  if ((shell::current_adapter_info().features & QX_FEATURE_PD_BGA_STATUS) == 0) {
    shell::print_text("Data scrubbing is not supported.\n");
    return 1;
  }
  uint32_t result = 0;
  const std::optional<PdActivityOptions> o = parse_pd_activity(argc, argv, self, kParse, result);
  if (!o) return result;
  const uint16_t pd = static_cast<uint16_t>(o->pd);
  QX_PD_BGA_STATUS bga{};
  if (const uint8_t read = shell::query_one(QX_PD_GetBGAStatus, shell::state().current_adapter, pd, bga)) {
    shell::print("\nQX_PD_GetBGAStatus() failed on PD %d\n", pd);
    return read;
  }
  if (o->action == QX_BGA_ACTION_START)
    return start_pd_activity(pd, bga, refusal, QX_PD_StartDataScrub,
                             "\nFailed to start data scrubbing on PD %d (error %d: %s)\n");
  return steer_bga(kSteer, pd, bga.activity, bga.state, o->action);
}

}  // namespace qx::commands
