#include "commands/config/create_rules.h"

#include "api/device_generations.h"
#include "api/qx_api.h"
#include "api/raid_levels.h"
#include "api/status.h"
#include "shell/list_query.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {

const char* raid_short_name(uint8_t level) {
  const RaidLevel* found = find_raid_level(level);
  return found != nullptr ? found->short_name : "NA";
}

bool stripe_size_supported(uint16_t stripe_kb) {
  QX_ADAPTER_INFO& adapter = shell::current_adapter_info();
  if (adapter.stripe_sizes == 0)
    adapter.stripe_sizes = default_stripe_sizes(adapter.adv_features);
  if ((stripe_kb & 0x0F) != 0) return false;
  const unsigned sizes = (stripe_kb / 16u) & 0xFFFu;
  return (sizes & adapter.stripe_sizes) == sizes;
}

uint8_t pd_in_use(uint16_t pd_id, uint16_t vd_id) {
  if (shell::state().array_capable) return kOk;
  using Buffer = shell::ListBuffer<QX_BLOCK_INFO>;
  Buffer buffer;
  if (!buffer.allocate(Buffer::page_size(shell::current_adapter_info().max_buffer_kb)))
    return kNoResource;
  const uint8_t adapter = shell::state().current_adapter;
  return shell::page_through<QX_BLOCK_INFO>(
      buffer, std::nullopt, [adapter](QX_QUERY_HEADER* query) { return QX_BLK_GetInfo(adapter, query); },
      [pd_id, vd_id](const Buffer& page, bool) {
        for (uint16_t i = 0; i < page.returned(); ++i) {
          const QX_BLOCK_INFO block = page.record(i);
          if (block.pd_id == pd_id && block.vd_id != QX_BLOCK_NO_VD && block.vd_id != vd_id)
            return shell::stop_listing(kPdNotFree);
        }
        return shell::kNextPage;
      });
}

}  // namespace qx::commands
