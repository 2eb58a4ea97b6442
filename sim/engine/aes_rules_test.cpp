#include "sim/engine/aes_rules.h"

#include <cstring>

#include <gtest/gtest.h>

#include "api/status.h"
#include "sim/model/adapter.h"
#include "sim/model/disk.h"
#include "sim/model/event.h"
#include "sim/model/fault.h"
#include "sim/scenario/scenario.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

// Disk 0 plain, disk 1 encrypted with entry 0's key, disk 2 with entry 1's,
// all behind port 0; entry 0 keyed, entry 1 keyed, entry 2 fresh.
constexpr char kScenario[] = R"({"adapters": [{"aes_port_count": 2, "aes_entry_count": 3,
    "aes_entries": [{"id": 0, "key": "K0", "password": "p0"}, {"id": 1, "key": "K1", "password": "p1"}],
    "disks": [{"aes_port": 0}, {"aes_port": 0, "encrypted": true, "key_entry": 0},
              {"aes_port": 0, "encrypted": true, "key_entry": 1}]}]})";

class AesRules : public ::testing::Test {
 protected:
  AesRules() : state_("empty"), db_(state_.open()), txn_(*db_, Transaction::Kind::kWrite) {
    load_scenario(*db_, parse_scenario(kScenario));
  }
  AesState aes() { return AesState(session_); }
  bool offline(uint16_t pd) { return select_by_id(*db_, disk_model(), 0, pd)->offline; }
  std::vector<uint16_t> event_codes() {
    std::vector<uint16_t> codes;
    for (const Event& e : select_rows(*db_, event_model(), 0)) codes.push_back(e.code);
    return codes;
  }
  static QX_AES_ENTRY_CONFIG entry(uint8_t id, const char* key, const char* password) {
    QX_AES_ENTRY_CONFIG r{};
    r.entry_id = id;
    r.key_length = QX_AES_TEXT_SIZE;
    std::strncpy(r.key, key, sizeof r.key);
    std::strncpy(r.password, password, sizeof r.password);
    return r;
  }
  static QX_AES_LINK_REQUEST link(uint8_t port, uint8_t entry, const char* password) {
    QX_AES_LINK_REQUEST r{};
    r.port_id = port;
    r.entry_id = entry;
    std::strncpy(r.password, password, sizeof r.password);
    return r;
  }

  testing::TempState state_;
  std::unique_ptr<Db> db_;
  Transaction txn_;
  Session session_{*db_, 0, 0};
};

TEST_F(AesRules, AFreshEntryTakesItsFirstPasswordAndKeysAreNotOverwritten) {
  EXPECT_EQ(aes().set_entry(entry(2, "K2", "")), kAesPasswordMismatch) << "no empty password";
  EXPECT_EQ(aes().set_entry(entry(2, "K2", "p2")), kOk);
  EXPECT_EQ(aes().set_entry(entry(2, "K3", "p2")), kAesKeyPresent);
  EXPECT_EQ(aes().verify_key(entry(2, "K2", "p2")), kOk);
  EXPECT_EQ(aes().verify_key(entry(2, "K3", "p2")), kAesKeyMismatch);
  EXPECT_EQ(aes().verify_key(entry(2, "K2", "px")), kAesPasswordMismatch);
  EXPECT_EQ(aes().set_entry(entry(3, "K", "p")), kAesEntryRange);
  QX_AES_ENTRY_CONFIG bad = entry(2, "K2", "p2");
  bad.key_length = 16;
  EXPECT_EQ(aes().verify_key(bad), kAesKeyLength);
  // A zero key clears the key, but not while a port is linked to the entry.
  ASSERT_EQ(aes().link(link(1, 2, "p2")), kOk);
  EXPECT_EQ(aes().set_entry(entry(2, "", "p2")), kInvalidRequest);
  ASSERT_EQ(aes().unlink(1), kOk);
  EXPECT_EQ(aes().set_entry(entry(2, "", "p2")), kOk);
  EXPECT_EQ(aes().verify_key(entry(2, "K2", "p2")), kAesNoKey);
  EXPECT_EQ(aes().link(link(1, 2, "p2")), kAesNoKey);
}

TEST_F(AesRules, APortSwitchedOnTakesOfflineTheDisksThatDoNotFitIt) {
  EXPECT_EQ(aes().switch_port(0, true), kAesKeyAbsent) << "no linked entry yet";
  EXPECT_EQ(aes().link(link(0, 0, "p1")), kAesPasswordMismatch);
  EXPECT_FALSE(offline(1)) << "a refused link changes nothing";
  ASSERT_EQ(aes().link(link(0, 0, "p0")), kOk);
  // Linked but off: both encrypted disks sit behind a plain port.
  EXPECT_FALSE(offline(0));
  EXPECT_TRUE(offline(1));
  EXPECT_TRUE(offline(2));
  EXPECT_EQ(event_codes(), (std::vector<uint16_t>{56, 56}));
}

TEST_F(AesRules, EnablingChecksEachDiskAgainstThePortsEntry) {
  ASSERT_EQ(aes().link(link(1, 0, "p0")), kOk);
  // Move the disks behind port 1 only now: linking port 1 found none.
  for (int pd : {0, 1, 2}) {
    Disk d = *select_by_id(*db_, disk_model(), 0, pd);
    d.aes_port = 1;
    update_row(*db_, disk_model(), 0, d);
  }
  ASSERT_EQ(aes().switch_port(1, true), kOk);
  EXPECT_TRUE(offline(0)) << "plain disk behind an enabled port";
  EXPECT_FALSE(offline(1)) << "encrypted with the linked entry's key";
  EXPECT_TRUE(offline(2)) << "encrypted with another entry's key";
  EXPECT_EQ(event_codes(), (std::vector<uint16_t>{55, 57}));
  EXPECT_EQ(aes().unlink(1), kInvalidRequest) << "AES is still on";
  EXPECT_EQ(aes().switch_port(2, true), kAesPortRange);
}

}  // namespace
}  // namespace qx::sim
