#include "commands/inventory/vd_lines.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "api/qx_api.h"
#include "api/raid_levels.h"
#include "api/status.h"
#include "commands/common/block_owner.h"
#include "commands/inventory/block_entries.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

constexpr int kWidth = 20;
constexpr int kProgressWidth = 16;

const char* vd_state_name(uint8_t state) {
  switch (state) {
    case QX_VD_FUNCTIONAL: return "functional";
    case QX_VD_DEGRADED: return "degraded";
    case QX_VD_DELETED: return "deleted";
    case QX_VD_OFFLINE: return "offline";
    case QX_VD_PARTIALLY_OPTIMAL: return "partially optimal";
    case QX_VD_FOREIGN: return "foreign";
    case QX_VD_IMPORTABLE_FOREIGN: return "importable foreign";
    case QX_VD_NOT_IMPORTABLE_FOREIGN: return "not importable foreign";
    case QX_VD_CONFLICTED: return "conflicted";
    case QX_VD_PLUGIN_CONFLICTED: return "plugin conflicted";
    case QX_VD_USING_TABLE: return "using table";
    case QX_VD_FUNCTIONAL_INITIALIZED: return "functional and initialized";
    default: return "unknown";
  }
}

// "running", "aborted", ...; null for a state without a name.
const char* bga_state_name(uint8_t state) {
  switch (state) {
    case QX_BGA_RUNNING: return "running";
    case QX_BGA_ABORTED: return "aborted";
    case QX_BGA_PAUSED: return "paused";
    case QX_BGA_AUTO_PAUSED: return "auto paused";
    case QX_BGA_INTERRUPTED: return "interrupted";
    default: return nullptr;
  }
}

const char* bga_action_name(uint8_t type) {
  switch (type) {
    case QX_BGA_REBUILD: return "rebuilding";
    case QX_BGA_SYNCHRONIZE:
    case QX_BGA_REDUNDANCY_CHECK: return "synchronizing";
    case QX_BGA_INIT_FOREGROUND:
    case QX_BGA_INIT_BACKGROUND:
    case QX_BGA_INIT_QUICK: return "initializing";
    case QX_BGA_MIGRATION: return "migration";
    case QX_BGA_COPY_BACK: return "copy back";
    default: return "unknown bga action";
  }
}

std::string name_of(const QX_VD_INFO& vd) { return std::string(vd.name, strnlen(vd.name, sizeof vd.name)); }

// The record keeps the time as signed seconds split over two 16-bit halves.
// The text ("Mon Jan 05 10:00:00 2026") brings its own line end, because
// the label line that prints it adds none.
std::string last_write_text(const QX_VD_INFO& vd) {
  const auto seconds = static_cast<int32_t>((static_cast<uint32_t>(vd.last_write_high) << 16) | vd.last_write_low);
  const std::time_t time = seconds;
  std::tm local{};
  char text[32];
  if (localtime_r(&time, &local) == nullptr || std::strftime(text, sizeof text, "%a %b %d %H:%M:%S %Y", &local) == 0)
    return "unknown\n";
  return std::string(text) + "\n";
}

const char* cache_mode(uint8_t cache_flags) {
  constexpr uint32_t kNoCache = QX_ADV_NO_VD_WRITE_CACHE | QX_ADV_NO_VD_READ_CACHE;
  if ((shell::current_adapter_info().adv_features & kNoCache) == kNoCache) return "Not Support";
  switch (cache_flags & QX_VD_CACHE_POLICY_MASK) {
    case QX_VD_CACHE_WRITE_BACK: return "On ";
    case QX_VD_CACHE_WRITE_THROUGH: return "Off ";
    default: return "";
  }
}

// Entries in one group of the PD RAID setup: the level's member groups, the
// sub-VD halves counted as two.
int setup_group(const QX_VD_INFO& vd) {
  const RaidLevel* level = find_raid_level(vd.raid_level);
  return level != nullptr ? member_group_size(*level, vd.pd_count, 2) : vd.pd_count;
}

// "Block ids:", "# of PDs:" and "PD RAID setup:"; with `grouped`, "| "
// separates the groups of the setup.
void print_block_setup(const QX_VD_INFO& vd, bool grouped) {
  const std::vector<BlockEntry> entries =
      block_entries(vd.block_ids, QX_VD_BLOCK_SLOTS, vd.block_count, uint16_t{QX_VD_BLOCK_EMPTY});
  const int group = grouped ? setup_group(vd) : 0;
  std::string ids;
  std::string setup;
  for (size_t i = 0; i < entries.size(); ++i) {
    const BlockEntry& e = entries[i];
    if (e.empty) {
      setup += "* ";
    } else {
      ids += std::to_string(e.id) + " ";
      std::optional<BlockOwner> owner = block_owner(e.id);
      setup += owner ? std::to_string(owner->pd_id) + " " : std::string("? ");
    }
    if (group > 0 && (i + 1) % static_cast<size_t>(group) == 0 && i + 1 < entries.size()) setup += "| ";
  }
  shell::print_label(kWidth, "Block ids:", ids.c_str());
  shell::print_label_num(kWidth, "# of PDs:", vd.pd_count);
  shell::print_label(kWidth, "PD RAID setup:", setup.c_str());
}

void print_running_os(uint16_t vd_id) {
  const uint8_t status = QX_DiskHasOS(shell::state().current_adapter, QX_OS_CHECK_VDS, 1, &vd_id);
  const char* answer = "unknown";
  if (status == kVdHasOs) answer = "yes";
  if (status == kOk) answer = "no";
  shell::print_label(kWidth, "Running OS:", answer);
}

const char* tier_status(const QX_VD_INFO& vd, const QX_VD_STATUS& status) {
  switch (vd.state) {
    case QX_VD_FUNCTIONAL: return "functional";
    case QX_VD_DEGRADED: return status.bga_type == QX_BGA_REBUILD ? "initializing" : "unknown";
    case QX_VD_USING_TABLE: return "using table";
    case QX_VD_FUNCTIONAL_INITIALIZED: return "functional and initialized";
    default: return "unknown";
  }
}

}  // namespace

void print_vd_lines(const QX_VD_INFO& vd) {
  shell::print_label_num(kWidth, "id:", vd.vd_id);
  shell::print_label(kWidth, "name:", name_of(vd).c_str());
  if (shell::state().array_capable != 0) shell::print_label_num(kWidth, "array id:", vd.array_id);
  shell::print_label(kWidth, "status:", vd_state_name(vd.state));
  if (vd.state == QX_VD_CONFLICTED || vd.state == QX_VD_PLUGIN_CONFLICTED)
    shell::print_label(kWidth, "Last write time:", last_write_text(vd).c_str());
  shell::print_label_num(kWidth, "Stripe size:", vd.stripe_kb);
  shell::print_label(kWidth, "RAID mode:", shell::raid_level_name(vd.raid_level));
  const RaidLevel* level = find_raid_level(vd.raid_level);
  if (level != nullptr && level->sub_vds != 0)
    shell::print_label_num(kWidth, "Sub VD count:", vd.sub_vd_count);
  if (vd.raid_level == QX_RAID60 && shell::current_adapter_info().max_arrays == 0)
    shell::print_label_num(kWidth, "# of parity disks:", vd.parity_disks);
  shell::print_label(kWidth, "Cache mode:", cache_mode(vd.cache_flags));
  shell::print_label_mb(kWidth, "size:", static_cast<long long>(vd.size_kb / 1024));
  if (vd.raid_level == QX_RAID6) shell::print_label_num(kWidth, "RAID6 redundancy:", vd.parity_disks);
  const char* bga = bga_state_name(vd.bga_state);
  shell::print_label(kWidth, "BGA status:", bga != nullptr ? bga : "not running");
  print_block_setup(vd, true);
  print_running_os(vd.vd_id);
}

void print_tier_lines(const QX_VD_INFO& vd, const QX_VD_STATUS& status) {
  shell::print_label_num(kWidth, "id:", vd.vd_id);
  shell::print_label(kWidth, "name:", name_of(vd).c_str());
  const char* state = tier_status(vd, status);
  shell::print_label(kWidth, "Status:", state);
  const bool restoring = status.bga_type == QX_BGA_REBUILD;
  if (restoring) {
    const bool functional = vd.state == QX_VD_FUNCTIONAL || vd.state == QX_VD_FUNCTIONAL_INITIALIZED;
    shell::print_label_format(kWidth, "BGA progress:", "%s is %d%% done", functional ? "restore" : state,
                              status.percent);
  }
  shell::print_label(kWidth, "Tier mode:", shell::raid_level_name(vd.raid_level));
  if (restoring) {
    const char* bga = bga_state_name(status.bga_state);
    shell::print_label(kWidth, "initializing status:", bga != nullptr ? bga : "N/A");
  }
  print_block_setup(vd, false);
  print_running_os(vd.vd_id);
}

void print_progress_line(const QX_VD_STATUS& status) {
  const char* action = bga_action_name(status.bga_type);
  char text[81];
  switch (status.bga_state) {
    case QX_BGA_RUNNING:
      std::snprintf(text, sizeof text, "%s is %d%% done", action, status.percent);
      break;
    case QX_BGA_PAUSED:
    case QX_BGA_AUTO_PAUSED:
      std::snprintf(text, sizeof text, "%s is %s at %d%%", action, bga_state_name(status.bga_state), status.percent);
      break;
    case QX_BGA_ABORTED:
    case QX_BGA_INTERRUPTED:
      std::snprintf(text, sizeof text, "%s is %s", action, bga_state_name(status.bga_state));
      break;
    default:
      shell::print("\n");
      return;
  }
  shell::print_label(kProgressWidth, "BGA progress:", text);
  shell::print("\n");
}

}  // namespace qx::commands
