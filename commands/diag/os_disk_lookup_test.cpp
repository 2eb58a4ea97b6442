#include "commands/diag/os_disk_lookup.h"

#include <gtest/gtest.h>

#include <map>

namespace qx::commands {
namespace {

using platform::OsDisk;
using platform::OsDiskAddress;

// A system whose disks, addresses and clock the test sets.
class FakeOs : public platform::OsDisks {
 public:
  struct Disk {
    OsDisk disk;
    std::optional<OsDiskAddress> address;  // nothing: cannot be opened
  };
  std::vector<Disk> disks;
  unsigned slept_ms = 0;
  int listed = 0;
  std::vector<size_t> opened;

  void add(std::string name, uint32_t number, uint8_t port, std::string serial = "", std::string wwn = "") {
    disks.push_back({OsDisk{"/dev/x", std::move(name), std::move(serial), std::move(wwn)}, OsDiskAddress{number, port}});
  }
  std::vector<OsDisk> list() override {
    ++listed;
    std::vector<OsDisk> out;
    for (const Disk& d : disks) out.push_back(d.disk);
    return out;
  }
  std::optional<OsDiskAddress> open(size_t index) override {
    opened.push_back(index);
    return disks.at(index).address;
  }
  void sleep_ms(unsigned ms) override { slept_ms += ms; }

  std::optional<uint32_t> match(const DiskKey& key, uint8_t adapter) { return match_os_disk(*this, list(), key, adapter); }
};

// Two adapters with a tier VD 0 each: the n-th adapter's disk is the n-th
// by port, whatever order the system lists them in; disks on one port keep
// the system's order.
TEST(OsDiskMatch, TheNthAdapterGetsTheNthDiskByPort) {
  FakeOs os;
  os.add("QXR     Virtual Disk 0  ", 1, 2);
  os.add("TALOREX TwinTier 0      ", 7, 3);
  os.add("TALOREX TwinTier 0      ", 4, 2);
  os.add("TALOREX TwinTier 0      ", 9, 3);
  const DiskKey key{"TALOREX TwinTier 0 ", {}, {}};
  EXPECT_EQ(os.match(key, 0), 4u);
  EXPECT_EQ(os.match(key, 1), 7u);
  EXPECT_EQ(os.match(key, 2), 9u);
  EXPECT_FALSE(os.match(key, 3));
  // One match belongs to whichever adapter asks.
  EXPECT_EQ(os.match(DiskKey{"Virtual Disk 0", {}, {}}, 5), 1u);
}

TEST(OsDiskMatch, TheKeysTrailingBlankTellsTenFromOne) {
  FakeOs os;
  os.add("TALOREX TwinTier 10     ", 3, 2);
  EXPECT_FALSE(os.match(DiskKey{"TALOREX TwinTier 1 ", {}, {}}, 0));
  EXPECT_EQ(os.match(DiskKey{"TALOREX TwinTier 10 ", {}, {}}, 0), 3u);
}

// A matching disk that cannot be opened ends the lookup; one whose number
// query failed is no answer; disks that do not match are never opened.
TEST(OsDiskMatch, AnUnopenableMatchEndsTheLookup) {
  FakeOs os;
  os.add("ATA     QX-SSD-1", 2, 1);
  os.add("QXD     HDD 4T", 5, 2);
  os.disks[1].address.reset();
  os.add("QXD     HDD 4T", 6, 2);
  EXPECT_FALSE(os.match(DiskKey{"HDD 4T", {}, {}}, 0));
  EXPECT_EQ(os.opened, (std::vector<size_t>{1}));
  os.disks[1].address = OsDiskAddress{};
  EXPECT_EQ(os.match(DiskKey{"HDD 4T", {}, {}}, 1), 6u);
  EXPECT_FALSE(os.match(DiskKey{"HDD 4T", {}, {}}, 0));
}

// A disk that reports the PD's serial or world wide name is the PD's, even
// when another disk's name matches first.
TEST(OsDiskMatch, ThePdsOwnIdentityWinsOverItsName) {
  FakeOs os;
  os.add("QXD     HDD 4T", 3, 2, "OTHER", "5000000000000001");
  os.add("QXD     HDD 4T", 8, 2, "MINE", "5000000000000002");
  EXPECT_EQ(os.match(DiskKey{"HDD 4T", "MINE", ""}, 0), 8u);
  EXPECT_EQ(os.match(DiskKey{"HDD 4T", "", "5000000000000002"}, 0), 8u);
  // Unknown to the system: the name decides.
  EXPECT_EQ(os.match(DiskKey{"HDD 4T", "GONE", "5000000000000009"}, 0), 3u);
}

TEST(OsDiskMatch, LooksAtNoMoreThanSixteenMatches) {
  FakeOs os;
  for (uint32_t i = 0; i < kMaxMatches + 2; ++i) os.add("QXR     Virtual Disk 3", 100 + i, static_cast<uint8_t>(i));
  EXPECT_EQ(os.match(DiskKey{"Virtual Disk 3", {}, {}}, kMaxMatches - 1), 100 + kMaxMatches - 1);
  EXPECT_FALSE(os.match(DiskKey{"Virtual Disk 3", {}, {}}, kMaxMatches));
  EXPECT_EQ(os.opened.size(), 2 * kMaxMatches);
}

TEST(OsDiskRetry, TriesTenTimesASecondApartThenGivesUp) {
  FakeOs os;
  int attempts = 0;
  EXPECT_FALSE(retry_lookup(os, [&](const std::vector<OsDisk>&) {
    ++attempts;
    return std::optional<uint32_t>();
  }));
  EXPECT_EQ(attempts, 10);
  EXPECT_EQ(os.listed, 10);
  EXPECT_EQ(os.slept_ms, 10000u);

  // A disk that appears on the third walk is found then, after two pauses.
  FakeOs late;
  EXPECT_EQ(retry_lookup(late,
                         [&](const std::vector<OsDisk>& disks) {
                           if (late.listed == 2) late.add("QXR     Virtual Disk 1", 12, 2);
                           return disks.empty() ? std::nullopt : late.match(DiskKey{"Virtual Disk 1", {}, {}}, 0);
                         }),
            12u);
  EXPECT_EQ(late.slept_ms, 2000u);
}

}  // namespace
}  // namespace qx::commands
