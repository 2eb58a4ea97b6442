#include "commands/inventory/pd_display.h"

#include <optional>

#include "api/device_generations.h"
#include "api/qx_api.h"
#include "api/status.h"
#include "commands/inventory/pd_lines.h"
#include "commands/inventory/listing.h"
#include "shell/list_query.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

// Media patrol and data scrub status exist on later devices with PD activities.
bool shows_pd_activity(const QX_ADAPTER_INFO& adapter) {
  return reports_pd_activity(adapter.device_id) && (adapter.features & QX_FEATURE_PD_BGA_STATUS) != 0;
}

// Blocks, free space and activity of one PD; a status when a failure ends
// the listing.
std::optional<uint8_t> print_pd_details(const PdRecord& pd) {
  const uint8_t adapter = shell::state().current_adapter;
  const uint16_t id = pd.info.pd_id;
  QX_HD_BLOCK blocks{};
  if (shell::query_one(QX_BLK_GetHDBlock, adapter, id, blocks) != kOk) {
    shell::print("\n");
    return std::nullopt;
  }
  print_block_lines(blocks);
  if (pd.is_disk()) {
    QX_FREE_SPACE space{};
    const uint8_t status = shell::query_one(QX_PD_GetFreeSpaceInfo, adapter, id, space);
    if (status != kOk) return status;
    shell::print_label_kb_unsigned(kPdLabelWidth, "PD valid size:", space.usable_kb);
    shell::print("\n");
  }
  if (shows_pd_activity(shell::current_adapter_info())) {
    QX_PD_BGA_STATUS activity{};
    if (shell::query_one(QX_PD_GetBGAStatus, adapter, id, activity) == kOk) print_pd_activity_line(activity);
  }
  return std::nullopt;
}

}  // namespace

uint8_t show_pds(uint16_t id) {
  const bool all = id == kAllPds;
  const uint8_t adapter = shell::state().current_adapter;
  using Buffer = shell::ListBuffer<QX_PD_INFO>;
  const uint16_t page_size = Buffer::page_size(shell::current_adapter_info().max_buffer_kb);
  Buffer buffer;
  if (!buffer.allocate(page_size)) return buffer_unavailable(Buffer::bytes_for(page_size));

  uint8_t form = shell::kExtendedForm;
  long total = 0;
  // The extended form first; an adapter that cannot give it (other than for
  // a missing PD) is asked for the plain form.
  auto fetch = [&](QX_QUERY_HEADER* query) {
    form = shell::kExtendedForm;
    const uint8_t status = QX_PD_GetHDInfo_Ext(adapter, query);
    if (status == kOk || status == kPdMissing) return status;
    form = shell::kPlainForm;
    return QX_PD_GetHDInfo(adapter, query);
  };
  auto on_page = [&](const Buffer& page, bool first) {
    const uint16_t returned = page.returned();
    if (first) {
      if (returned == 0) {
        shell::print("No hard disk is found.\n");
        return shell::stop_listing(kOk);
      }
      shell::print("\nPhysical Disk Information\n");
      shell::print("----------------------------\n");
    }
    total += returned;
    for (uint16_t i = 0; i < returned; ++i) {
      const QX_PD_INFO info = page.record(i);
      const PdRecord pd{info, form};
      print_pd_lines(pd);
      if (std::optional<uint8_t> failed = print_pd_details(pd)) return shell::stop_listing(*failed);
      shell::print("\n");
    }
    return shell::kNextPage;
  };
  const uint8_t status =
      shell::page_through<QX_PD_INFO>(buffer, all ? std::nullopt : std::optional<uint16_t>(id), fetch, on_page);

  return end_listing({"PD", "Total # of PD:"}, all ? std::nullopt : std::optional<uint16_t>(id), total, status);
}

}  // namespace qx::commands
