#include "sim/engine/ata_pages.h"

#include <algorithm>
#include <string>

namespace qx::sim {
namespace {

constexpr size_t kAttributeSlots = 30;
constexpr size_t kAttributeSize = 12;
constexpr uint16_t kSmartRevision = 0x0010;

void put_word(AtaPage& page, size_t word, uint16_t value) {
  page[2 * word] = static_cast<uint8_t>(value);
  page[2 * word + 1] = static_cast<uint8_t>(value >> 8);
}

// ATA strings hold two characters a word, the first in the high byte,
// padded with blanks.
void put_text(AtaPage& page, size_t first_word, size_t words, const std::string& text) {
  for (size_t i = 0; i < 2 * words; ++i) {
    const char c = i < text.size() ? text[i] : ' ';
    page[2 * first_word + (i ^ 1)] = static_cast<uint8_t>(c);
  }
}

// The last byte makes the page's bytes add up to 0 modulo 256.
void seal(AtaPage& page) {
  uint8_t sum = 0;
  for (size_t i = 0; i + 1 < page.size(); ++i) sum = static_cast<uint8_t>(sum + page[i]);
  page.back() = static_cast<uint8_t>(0x100 - sum);
}

std::vector<SmartAttribute> in_id_order(std::vector<SmartAttribute> attributes) {
  std::sort(attributes.begin(), attributes.end(),
            [](const SmartAttribute& a, const SmartAttribute& b) { return a.id < b.id; });
  if (attributes.size() > kAttributeSlots) attributes.resize(kAttributeSlots);
  return attributes;
}

}  // namespace

AtaPage identify_page(const Disk& disk, uint64_t sectors) {
  AtaPage page{};
  put_word(page, 0, 0x0040);  // a fixed disk
  put_text(page, 10, 10, disk.serial);
  put_text(page, 23, 4, disk.firmware);
  put_text(page, 27, 20, disk.model);
  put_word(page, 49, 0x0300);  // LBA and DMA
  put_word(page, 53, 0x0006);
  const auto sectors28 = static_cast<uint32_t>(std::min<uint64_t>(sectors, 0x0FFFFFFF));
  put_word(page, 60, static_cast<uint16_t>(sectors28));
  put_word(page, 61, static_cast<uint16_t>(sectors28 >> 16));
  put_word(page, 80, 0x03F0);
  const bool smart = (disk.capabilities & QX_PD_CAP_SMART) != 0;
  const bool lba48 = (disk.capabilities & QX_PD_CAP_LBA48) != 0;
  put_word(page, 82, smart ? 0x0001 : 0);
  put_word(page, 83, static_cast<uint16_t>(0x4000 | (lba48 ? 0x0400 : 0)));
  put_word(page, 85, smart && disk.smart ? 0x0001 : 0);
  put_word(page, 86, lba48 ? 0x0400 : 0);
  for (size_t i = 0; i < 4; ++i) put_word(page, 100 + i, static_cast<uint16_t>(lba48 ? sectors >> (16 * i) : 0));
  put_word(page, 106, 0x4000);
  put_word(page, 217, disk.ssd ? 0x0001 : 7200);  // rotation rate; 1: not rotating
  page[510] = 0xA5;                                // the checksum's signature
  seal(page);
  return page;
}

AtaPage smart_data_page(const std::vector<SmartAttribute>& attributes, int64_t now_ms) {
  AtaPage page{};
  put_word(page, 0, kSmartRevision);
  size_t at = 2;
  for (const SmartAttribute& a : in_id_order(attributes)) {
    page[at] = a.id;
    page[at + 1] = 0x32;  // flags: online collection, event count
    page[at + 3] = a.current;
    page[at + 4] = a.worst;
    const uint64_t raw = raw_now(a, now_ms);
    for (size_t i = 0; i < 6; ++i) page[at + 5 + i] = static_cast<uint8_t>(raw >> (8 * i));
    at += kAttributeSize;
  }
  seal(page);
  return page;
}

AtaPage smart_threshold_page(const std::vector<SmartAttribute>& attributes) {
  AtaPage page{};
  put_word(page, 0, kSmartRevision);
  size_t at = 2;
  for (const SmartAttribute& a : in_id_order(attributes)) {
    page[at] = a.id;
    page[at + 1] = a.threshold;
    at += kAttributeSize;
  }
  seal(page);
  return page;
}

}  // namespace qx::sim
