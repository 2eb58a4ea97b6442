#include "commands/inventory/vd_display.h"

#include <optional>

#include "api/qx_api.h"
#include "api/raid_levels.h"
#include "api/status.h"
#include "commands/inventory/vd_lines.h"
#include "commands/inventory/listing.h"
#include "shell/list_query.h"
#include "shell/output.h"
#include "shell/state.h"

namespace qx::commands {
namespace {

// One VD: its lines, and for a VD with an activity its progress (or, for a
// migration, the progress and the target VD). A status when a failure ends
// the listing.
std::optional<uint8_t> print_vd(const QX_VD_INFO& vd) {
  const bool tier = is_tier_level(vd.raid_level);
  if (!tier || vd.bga_state == QX_BGA_NONE) print_vd_lines(vd);
  if (vd.bga_state == QX_BGA_NONE) {
    shell::print("\n");
    return std::nullopt;
  }
  const uint8_t adapter = shell::state().current_adapter;
  QX_VD_STATUS status{};
  const uint8_t result = shell::query_one(QX_LD_GetStatus, adapter, vd.vd_id, status);
  if (result != kOk) {
    shell::print("Failed to get status for LD %d %s.\n", vd.vd_id, error_report(result).c_str());
    return result;
  }
  if (status.bga_type == QX_BGA_MIGRATION) {
    print_progress_line(status);
    QX_VD_INFO target{};
    if (QX_LD_GetTargetLDInfo(adapter, vd.vd_id, &target) == kOk) {
      shell::print("target virtual: \n");
      print_vd_lines(target);
    }
  } else if (vd.state != QX_VD_OFFLINE) {
    if (tier) {
      print_tier_lines(vd, status);
    } else {
      print_progress_line(status);
    }
  }
  shell::print("\n");
  return std::nullopt;
}

}  // namespace

uint8_t show_vds(uint16_t id) {
  const bool all = id == kAllVds;
  const uint8_t adapter = shell::state().current_adapter;
  using Buffer = shell::ListBuffer<QX_VD_INFO>;
  const uint16_t page_size = Buffer::page_size(shell::current_adapter_info().max_buffer_kb);
  Buffer buffer;
  if (!buffer.allocate(page_size)) return buffer_unavailable(Buffer::bytes_for(page_size));

  long total = 0;
  auto fetch = [adapter](QX_QUERY_HEADER* query) { return QX_LD_GetInfo(adapter, query); };
  auto on_page = [&](const Buffer& page, bool first) {
    const uint16_t returned = page.returned();
    if (first) {
      if (returned == 0) {
        shell::print("No virtual disk is found.\n");
        return shell::stop_listing(kOk);
      }
      shell::print("\nVirtual Disk Information\n");
      shell::print("-------------------------\n");
    }
    total += returned;
    for (uint16_t i = 0; i < returned; ++i)
      if (std::optional<uint8_t> failed = print_vd(page.record(i))) return shell::stop_listing(*failed);
    return shell::kNextPage;
  };
  const uint8_t status =
      shell::page_through<QX_VD_INFO>(buffer, all ? std::nullopt : std::optional<uint16_t>(id), fetch, on_page);

  return end_listing({"vd", "Total # of VD:"}, all ? std::nullopt : std::optional<uint16_t>(id), total, status);
}

}  // namespace qx::commands
