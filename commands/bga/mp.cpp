// `mp -a start|stop -d PD`: start a media patrol on a member or spare disk,
// or stop the one that runs.
#include <cstdint>
#include <optional>
#include <string>

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

constexpr size_t kTypedActionShown = 8;  // the failure message shows at most this much of the -a word

constexpr PdActivityParse kParse{"-d : invalid pd id\n", silent(QX_BGA_ACTION_START) | silent(QX_BGA_ACTION_STOP),
                                 false};

bool is_patrol(uint8_t type) { return type == QX_PD_BGA_MEDIA_PATROL; }

constexpr SteerTable kSteer{
    is_patrol,
    {"\nPD %d is not in media patrol state.bga %d, status %d\n", nullptr, nullptr,
     "\nUnable to abort media patrol on PD %d (error %d: %s)\n", nullptr, nullptr,
     "\nPD %d is currently does not have any background activity.\n"},
    QX_PD_BGAControl,
    0,
    silent(QX_BGA_ACTION_STOP),
    "\nUnable to stop media patrol on HD %d(error %d: %s)\n",
};

// A patrol reads a disk that holds data: a member or a spare.
std::optional<uint32_t> refusal(uint16_t pd, uint8_t flags) {
  if (flags & (QX_PD_RAID_ASSIGNED | QX_PD_RAID_ANY_SPARE)) return std::nullopt;
  shell::print("\nPD %d is not a spare or assigned disk.\n", pd);
  return kPdNotSpare;
}

}  // namespace

uint32_t cmd_mp(int argc, char** argv, const CommandEntry& self) {
  uint32_t result = 0;
  const std::optional<PdActivityOptions> o = parse_pd_activity(argc, argv, self, kParse, result);
  if (!o) return result;
  if ((shell::current_adapter_info().features & QX_FEATURE_PD_BGA_STATUS) == 0) {
    shell::print_text("Media patrol is not supported.\n");
    return 1;
  }
  const uint16_t pd = static_cast<uint16_t>(o->pd);
  QX_PD_BGA_STATUS bga{};
  if (const uint8_t read = shell::query_one(QX_PD_GetBGAStatus, shell::state().current_adapter, pd, bga)) {
    shell::print("\nFailed to %s media patrol on PD %d (error %d: %s)\n", o->typed.substr(0, kTypedActionShown).c_str(),
                 pd, read, status_text(read));
    return read;
  }
  if (o->action == QX_BGA_ACTION_START)
    return start_pd_activity(pd, bga, refusal, QX_PD_StartMediaPatrol,
                             "\nFailed to start media patrol on PD %d (error %d: %s)\n");
  return steer_bga(kSteer, pd, bga.activity, bga.state, o->action);
}

}  // namespace qx::commands
