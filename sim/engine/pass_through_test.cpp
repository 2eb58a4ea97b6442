#include "sim/engine/pass_through.h"

#include <cstring>
#include <numeric>
#include <vector>

#include <gtest/gtest.h>

#include "api/crc32.h"
#include "api/event_catalogue.h"
#include "api/status.h"
#include "sim/engine/media.h"
#include "sim/model/event.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

constexpr int64_t kNow = 1'800'000'000'000;
constexpr uint16_t kSataWithErrors = 13;  // adapter 0: {0x1000, 8, read + media}, {0x2A00, 1, write}
constexpr int kSasAdapter = 1;

// A request with its data area, as a caller allocates it.
struct Request {
  std::vector<uint8_t> bytes;
  explicit Request(std::vector<uint8_t> cdb, uint16_t size, uint8_t direction = QX_SCSI_FROM_DEVICE)
      : bytes(QX_SCSI_REQUEST_SIZE + size) {
    std::copy(cdb.begin(), cdb.end(), get().cdb);
    get().data_size = size;
    get().direction = direction;
    get().cdb_length = QX_SCSI_CDB_SIZE;
    get().checksum = QX_SCSI_NO_CHECKSUM;
  }
  QX_SCSI_REQUEST& get() { return *reinterpret_cast<QX_SCSI_REQUEST*>(bytes.data()); }
  uint8_t* data() { return bytes.data() + QX_SCSI_DATA_OFFSET; }
  void seal() { get().checksum = data_checksum(data(), get().data_size); }
};

std::vector<uint8_t> rw10(uint8_t opcode, uint32_t lba, uint16_t count) {
  return {opcode, 0, uint8_t(lba >> 24), uint8_t(lba >> 16), uint8_t(lba >> 8), uint8_t(lba), 0, uint8_t(count >> 8),
          uint8_t(count)};
}

struct Fixture {
  testing::TempState state{"default"};
  std::unique_ptr<Db> db = state.open();
  uint8_t send(int adapter, uint16_t pd, Request& r) { return pass_through_scsi(Session(*db, adapter, kNow), pd, r.get()); }
  std::vector<ErrorEntry> table(int adapter, uint16_t pd) { return error_table(Session(*db, adapter, kNow), pd); }
  uint16_t last_code(int adapter) {
    return select_rows(*db, event_model(), adapter, "1", {}, "seq DESC", 1).front().code;
  }
};

void expect_sense(Request& r, uint8_t response, uint8_t key, uint8_t asc, uint32_t information = 0) {
  const uint8_t* sense = r.get().sense;
  EXPECT_EQ(sense[0], response);
  EXPECT_EQ(sense[2], key);
  EXPECT_EQ(sense[12], asc);
  EXPECT_EQ(uint32_t(sense[3]) << 24 | uint32_t(sense[4]) << 16 | uint32_t(sense[5]) << 8 | sense[6], information);
}

TEST(PassThrough, RecordedMediaErrorsFailReadsUntilWrittenOver) {
  Fixture f;
  Request read(rw10(0x28, 0x1003, 1), 512);
  EXPECT_EQ(f.send(0, kSataWithErrors, read), kLinkTimeOut);
  expect_sense(read, 0xF0, 0x03, 0x11, 0x1003);
  EXPECT_EQ(f.last_code(0), events::kPdCommandFailed.code);

  Request write(rw10(0x2A, 0x1003, 1), 512, QX_SCSI_TO_DEVICE);
  std::iota(write.data(), write.data() + 512, uint8_t{1});
  write.seal();
  write.data()[7] ^= 1;
  EXPECT_EQ(f.send(0, kSataWithErrors, write), kWrongData) << "the data changed after the checksum";
  write.data()[7] ^= 1;
  EXPECT_EQ(f.send(0, kSataWithErrors, write), kOk);
  EXPECT_EQ(f.last_code(0), events::kPdBadSectorFixed.code);
  ASSERT_EQ(f.table(0, kSataWithErrors).size(), 1u);
  EXPECT_EQ(f.table(0, kSataWithErrors)[0].lba, 0x2A00u) << "the write-error entry elsewhere stays";

  Request again(rw10(0x28, 0x1002, 2), 1024);
  ASSERT_EQ(f.send(0, kSataWithErrors, again), kOk);
  EXPECT_EQ(std::vector<uint8_t>(again.data(), again.data() + 512), std::vector<uint8_t>(512, 0)) << "never written";
  EXPECT_EQ(std::memcmp(again.data() + 512, write.data(), 512), 0);
}

TEST(PassThrough, BadRequestsAndUnknownCommandsAreRefusedOrSensed) {
  Fixture f;
  Request r(rw10(0x28, 0, 1), 512);
  r.get().cdb_length = 12;
  EXPECT_EQ(f.send(0, 2, r), kInvalidParameter);
  r.get().cdb_length = QX_SCSI_CDB_SIZE;
  r.get().direction = 2;
  EXPECT_EQ(f.send(0, 2, r), kInvalidParameter);
  EXPECT_EQ(f.send(0, 99, r), kPdMissing);

  Request beyond(rw10(0x28, 0xFFFFFFFF, 1), 512);
  EXPECT_EQ(f.send(0, 2, beyond), kLinkTimeOut);
  expect_sense(beyond, 0x70, 0x05, 0x21);
  Request short_area(rw10(0x28, 0, 2), 512);
  EXPECT_EQ(f.send(0, 2, short_area), kLinkTimeOut);
  expect_sense(short_area, 0x70, 0x05, 0x24);
  Request ata({0xA1, 0x08, 0x0D, 0, 1, 0, 0, 0, 0, 0xEC, 0, 0}, 512);
  EXPECT_EQ(f.send(kSasAdapter, 2, ata), kLinkTimeOut) << "ATA commands go to SATA disks only";
  expect_sense(ata, 0x70, 0x05, 0x20);
}

TEST(PassThrough, IdentifyPageCarriesTheModelAndAddsUpToZero) {
  Fixture f;
  Request identify({0xA1, 0x08, 0x0D, 0, 1, 0, 0, 0, 0, 0xEC, 0, 0}, 512);
  ASSERT_EQ(f.send(0, 2, identify), kOk);
  uint8_t sum = 0;
  for (int i = 0; i < 512; ++i) sum = static_cast<uint8_t>(sum + identify.data()[i]);
  EXPECT_EQ(sum, 0);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(identify.data()) + 54, 4), "XQ-D") << "two characters a word, swapped";
}

TEST(PassThrough, InducedEccErrorFailsTheNextReadAndIsRecordedOnce) {
  Fixture f;
  const Session s(*f.db, kSasAdapter, kNow);
  QX_ECC_REQUEST ecc{};
  ecc.pd_id = 3;
  ecc.operation = QX_ECC_GET_SIZE;
  ASSERT_EQ(pass_through_ecc(s, ecc), kOk);
  EXPECT_EQ(ecc.size, 520);
  ecc.operation = QX_ECC_INDUCE;
  ecc.lba = 0x40;
  ecc.size = 512;
  EXPECT_EQ(pass_through_ecc(s, ecc), kInvalidParameter);
  ecc.size = 520;
  ecc.lba = 0xFFFFFFFF;
  EXPECT_EQ(pass_through_ecc(s, ecc), kOutOfRange);
  ecc.lba = 0x40;
  ASSERT_EQ(pass_through_ecc(s, ecc), kOk);

  for (int i = 0; i < 2; ++i) {
    Request read(rw10(0x28, 0x3E, 4), 2048);
    EXPECT_EQ(f.send(kSasAdapter, 3, read), kLinkTimeOut);
    expect_sense(read, 0xF0, 0x03, 0x11, 0x40);
  }
  const std::vector<ErrorEntry> table = f.table(kSasAdapter, 3);
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0].lba, 0x40u);
  EXPECT_EQ(table[0].kinds, QX_RCT_READ_ERROR | QX_RCT_MEDIA_ERROR);
  QX_ECC_REQUEST sata{};
  sata.pd_id = 2;
  sata.operation = QX_ECC_GET_SIZE;
  EXPECT_EQ(pass_through_ecc(Session(*f.db, 0, kNow), sata), kNotSupported);
}

}  // namespace
}  // namespace qx::sim
