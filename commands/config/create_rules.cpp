#include "commands/config/create_rules.h"

#include "api/qx_api.h"
#include "api/status.h"
#include "shell/list_query.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {

namespace {

constexpr uint16_t kDefaultStripeSizes = 0x0F;     // 16 to 128 KB
constexpr uint16_t kBigStripeSizes = 0x7F;         // 16 KB to 1 MB
constexpr uint16_t kDefaultBlockPageSize = 512;    // block records per page when the adapter gives no size

}  // namespace

const char* raid_short_name(uint8_t level) {
  switch (level) {
    case shell::kRaid0: return "R0";
    case shell::kRaid1: return "R1";
    case shell::kRaid10: return "R10";
    case shell::kRaid1E: return "R1E";
    case shell::kRaid5: return "R5";
    case shell::kRaid50: return "R50";
    case shell::kRaid6: return "R6";
    case shell::kRaid60: return "R60";
    case shell::kJbod: return "JBD";
    case shell::kTierCapacity: return "TwinTier_c";
    case shell::kTierSafe: return "TwinTier_s";
    case shell::kTierHybrid: return "Hybrid";
    default: return "NA";
  }
}

bool stripe_size_supported(uint16_t stripe_kb) {
  QX_ADAPTER_INFO& adapter = shell::current_adapter_info();
  if (adapter.stripe_sizes == 0)
    adapter.stripe_sizes = (adapter.adv_features & QX_ADV_BIG_STRIPE) ? kBigStripeSizes : kDefaultStripeSizes;
  if ((stripe_kb & 0x0F) != 0) return false;
  const unsigned sizes = (stripe_kb / 16u) & 0xFFFu;
  return (sizes & adapter.stripe_sizes) == sizes;
}

uint8_t pd_in_use(uint16_t pd_id, uint16_t vd_id) {
  if (shell::state().array_capable) return kOk;
  using Buffer = shell::ListBuffer<QX_BLOCK_INFO>;
  Buffer buffer;
  if (!buffer.allocate(Buffer::page_size(shell::current_adapter_info().max_buffer_kb, kDefaultBlockPageSize)))
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
