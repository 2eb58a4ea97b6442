#include "sim/engine/scsi_target.h"

#include <algorithm>
#include <string>
#include <vector>

#include "api/records.h"
#include "sim/engine/ata_pages.h"
#include "sim/engine/events.h"
#include "sim/engine/media.h"
#include "sim/engine/smart_records.h"

namespace qx::sim {
namespace {

enum Opcode : uint8_t {
  kTestUnitReady = 0x00,
  kRequestSense = 0x03,
  kInquiry = 0x12,
  kReadCapacity10 = 0x25,
  kRead10 = 0x28,
  kWrite10 = 0x2A,
  kAtaPassThrough16 = 0x85,
  kRead16 = 0x88,
  kWrite16 = 0x8A,
  kServiceActionIn16 = 0x9E,
  kAtaPassThrough12 = 0xA1,
};
constexpr uint8_t kReadCapacity16Action = 0x10;
constexpr uint8_t kMediumError = 0x03;
constexpr uint8_t kUnrecoveredReadError = 0x11;
constexpr size_t kFixedSenseSize = 18;

enum AtaCommand : uint8_t { kAtaSmart = 0xB0, kAtaIdentify = 0xEC };
enum SmartFeature : uint8_t { kSmartReadData = 0xD0, kSmartReadThresholds = 0xD1 };
constexpr uint8_t kSmartLbaMid = 0x4F, kSmartLbaHigh = 0xC2;

uint64_t big_endian(const uint8_t* p, size_t bytes) {
  uint64_t v = 0;
  for (size_t i = 0; i < bytes; ++i) v = v << 8 | p[i];
  return v;
}

void put_big_endian(uint8_t* p, size_t bytes, uint64_t v) {
  for (size_t i = 0; i < bytes; ++i) p[bytes - 1 - i] = static_cast<uint8_t>(v >> (8 * i));
}

// Copies a response into the data area, cut to the area and to the
// allocation length the command gave.
void answer(std::span<uint8_t> data, const std::vector<uint8_t>& response, size_t allocation) {
  const size_t n = std::min({data.size(), response.size(), allocation});
  std::copy_n(response.begin(), n, data.begin());
}

void put_text(std::vector<uint8_t>& out, size_t at, size_t width, const std::string& text) {
  for (size_t i = 0; i < width; ++i) out[at + i] = static_cast<uint8_t>(i < text.size() ? text[i] : ' ');
}

std::optional<ScsiSense> inquiry(const Disk& disk, const uint8_t* cdb, std::span<uint8_t> data) {
  const bool vital = (cdb[1] & 0x01) != 0;
  const uint8_t page = cdb[2];
  const size_t allocation = big_endian(cdb + 3, 2);
  std::vector<uint8_t> r;
  if (!vital) {
    if (page != 0) return kInvalidField;
    // The model names the maker before its first blank or dash, the product after it.
    const size_t cut = std::min(disk.model.find_first_of(" -"), disk.model.size());
    r.assign(36, 0);
    r[2] = 0x06;  // the command set's version
    r[3] = 0x02;  // response format
    r[4] = 31;
    put_text(r, 8, 8, disk.model.substr(0, cut));
    put_text(r, 16, 16, cut < disk.model.size() ? disk.model.substr(cut + 1) : "");
    put_text(r, 32, 4, disk.firmware);
  } else if (page == 0x00) {
    r = {0, 0x00, 0, 3, 0x00, 0x80, 0x83};
  } else if (page == 0x80) {
    r.assign(4 + disk.serial.size(), 0);
    r[1] = 0x80;
    r[3] = static_cast<uint8_t>(disk.serial.size());
    put_text(r, 4, disk.serial.size(), disk.serial);
  } else if (page == 0x83) {
    const bool has_address =
        std::any_of(disk.sas_address.begin(), disk.sas_address.end(), [](uint8_t b) { return b != 0; });
    if (has_address) {  // the disk's SAS address as a binary name
      r = {0, 0x83, 0, 12, 0x01, 0x03, 0, 8};
      r.insert(r.end(), disk.sas_address.begin(), disk.sas_address.end());
    } else {  // maker, model and serial as text
      const std::string id = disk.model + " " + disk.serial;
      r = {0, 0x83, 0, static_cast<uint8_t>(4 + id.size()), 0x02, 0x01, 0, static_cast<uint8_t>(id.size())};
      r.insert(r.end(), id.begin(), id.end());
    }
  } else {
    return kInvalidField;
  }
  answer(data, r, allocation);
  return std::nullopt;
}

std::optional<ScsiSense> read_capacity(const Disk& disk, bool sixteen, std::span<uint8_t> data, size_t allocation) {
  const uint64_t last = disk_sectors(disk) - 1;
  std::vector<uint8_t> r(sixteen ? 32 : 8, 0);
  if (sixteen) {
    put_big_endian(r.data(), 8, last);
    put_big_endian(r.data() + 8, 4, disk.sector_size);
  } else {
    put_big_endian(r.data(), 4, std::min<uint64_t>(last, 0xFFFFFFFF));
    put_big_endian(r.data() + 4, 4, disk.sector_size);
  }
  answer(data, r, allocation);
  return std::nullopt;
}

std::optional<ScsiSense> read_write(const Session& s, Disk& disk, bool write, uint64_t lba, uint32_t count,
                                    uint8_t direction, std::span<uint8_t> data) {
  if (direction != (write ? QX_SCSI_TO_DEVICE : QX_SCSI_FROM_DEVICE)) return kInvalidField;
  if (lba > disk_sectors(disk) || count > disk_sectors(disk) - lba) return kLbaOutOfRange;
  const size_t bytes = size_t{count} * disk.sector_size;
  if (bytes > data.size()) return kInvalidField;
  if (write) {
    write_sectors(s, disk, lba, count, data.first(bytes));
    return std::nullopt;
  }
  if (std::optional<uint64_t> bad = first_bad_sector(s, disk, lba, count)) {
    record_error(s, disk.id, *bad, 1, QX_RCT_READ_ERROR | QX_RCT_MEDIA_ERROR);
    NewEvent event(events::kPdBadSectorOnRead, disk.id);
    event.params = {static_cast<uint32_t>(*bad >> 32), static_cast<uint32_t>(*bad), 1, 0};
    log_event(s, event);
    return ScsiSense{kMediumError, kUnrecoveredReadError, 0x00, *bad};
  }
  read_sectors(s, disk, lba, count, data.first(bytes));
  return std::nullopt;
}

std::optional<ScsiSense> ata_pass_through(const Session& s, const Disk& disk, const uint8_t* cdb,
                                          std::span<uint8_t> data) {
  if ((disk.type_bits & QX_PD_TYPE_SATA) == 0 || (s.adapter().adv_features & QX_ADV_ATA_PASSTHROUGH) == 0)
    return kInvalidOpcode;
  const bool twelve = cdb[0] == kAtaPassThrough12;
  const uint8_t features = twelve ? cdb[3] : cdb[4];
  const uint8_t lba_mid = twelve ? cdb[6] : cdb[10];
  const uint8_t lba_high = twelve ? cdb[7] : cdb[12];
  const uint8_t command = twelve ? cdb[9] : cdb[14];
  AtaPage page;
  if (command == kAtaIdentify) {
    page = identify_page(disk, disk_sectors(disk));
  } else if (command == kAtaSmart && lba_mid == kSmartLbaMid && lba_high == kSmartLbaHigh && reports_smart(disk) &&
             (features == kSmartReadData || features == kSmartReadThresholds)) {
    const std::vector<SmartAttribute> attributes = disk_smart(s, disk.id);
    page = features == kSmartReadData ? smart_data_page(attributes, s.now_ms()) : smart_threshold_page(attributes);
  } else {
    return kInvalidField;
  }
  answer(data, std::vector<uint8_t>(page.begin(), page.end()), page.size());
  return std::nullopt;
}

}  // namespace

std::optional<ScsiSense> run_scsi_command(const Session& s, Disk& disk, const uint8_t* cdb, uint8_t direction,
                                          std::span<uint8_t> data) {
  const uint8_t opcode = cdb[0];
  // A disk that is offline still tells what it is, and nothing else.
  if (disk.offline && opcode != kInquiry && opcode != kRequestSense) return kNotReady;
  switch (opcode) {
    case kTestUnitReady: return std::nullopt;
    case kRequestSense: {
      // Each command's sense comes back with it, so none is left pending.
      std::vector<uint8_t> r(kFixedSenseSize, 0);
      put_fixed_sense(ScsiSense{}, r.data());
      answer(data, r, cdb[4]);
      return std::nullopt;
    }
    case kInquiry: return inquiry(disk, cdb, data);
    case kReadCapacity10: return read_capacity(disk, false, data, 8);
    case kServiceActionIn16:
      if ((cdb[1] & 0x1F) != kReadCapacity16Action) return kInvalidField;
      return read_capacity(disk, true, data, big_endian(cdb + 10, 4));
    case kRead10:
    case kWrite10:
      return read_write(s, disk, opcode == kWrite10, big_endian(cdb + 2, 4), static_cast<uint32_t>(big_endian(cdb + 7, 2)),
                        direction, data);
    case kRead16:
    case kWrite16:
      return read_write(s, disk, opcode == kWrite16, big_endian(cdb + 2, 8), static_cast<uint32_t>(big_endian(cdb + 10, 4)),
                        direction, data);
    case kAtaPassThrough12:
    case kAtaPassThrough16: return ata_pass_through(s, disk, cdb, data);
    default: return kInvalidOpcode;
  }
}

void put_fixed_sense(const ScsiSense& sense, uint8_t* out) {
  std::fill_n(out, kFixedSenseSize, uint8_t{0});
  out[0] = sense.information ? 0xF0 : 0x70;
  out[2] = sense.key;
  if (sense.information) put_big_endian(out + 3, 4, *sense.information);
  out[7] = kFixedSenseSize - 8;
  out[12] = sense.asc;
  out[13] = sense.ascq;
}

}  // namespace qx::sim
