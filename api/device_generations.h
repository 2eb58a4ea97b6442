// What an adapter's generation, read from its PCI device id, changes in how
// the tool and the controller behave. Each rule is a named predicate so that
// no device-id threshold is written in more than one place.
#ifndef QX_API_DEVICE_GENERATIONS_H
#define QX_API_DEVICE_GENERATIONS_H

#include <cstdint>

#include "api/records.h"

namespace qx {

// Adapters of later generations ignore a VD size in a create request unless
// the request forces it (tier VDs excepted).
constexpr bool size_needs_force(uint16_t device_id) { return device_id > 0x6300; }

// Adapters that can report a disk's own background activity, when their
// feature bit says so too.
constexpr bool reports_pd_activity(uint16_t device_id) { return device_id > 0x6200; }

// Adapters of the generation that boots without a BIOS image of its own.
constexpr bool has_no_bios(uint16_t device_id) { return device_id > 0x6100 && device_id < 0x6300; }

// Adapters whose firmware and boot loader are not separate images.
constexpr bool has_no_firmware_image(uint16_t device_id) {
  return (device_id > 0x6100 && device_id < 0x6800) || device_id == 0x9480;
}

// Stripe sizes an adapter supports when its record states none: 16 to
// 128 KB, or to 1 MB with big stripes. Bit k stands for 2^(k+4) KB.
inline constexpr uint16_t kDefaultStripeSizes = 0x0F;
inline constexpr uint16_t kBigStripeSizes = 0x7F;
constexpr uint16_t default_stripe_sizes(uint32_t adv_features) {
  return (adv_features & QX_ADV_BIG_STRIPE) != 0 ? kBigStripeSizes : kDefaultStripeSizes;
}

}  // namespace qx

#endif  // QX_API_DEVICE_GENERATIONS_H
