#if !defined(_WIN32)

#include "platform/os_disks_linux.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "platform/os_disk_tree.h"

namespace qx::platform {
namespace {

namespace fs = std::filesystem;

class LinuxWalk : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("qx-os-root-" + std::to_string(process_id()));
    fs::remove_all(root_);
  }
  void TearDown() override { fs::remove_all(root_); }
  fs::path root_;
};

TEST(SdNames, NumberAndNameAgreeAcrossLetterCarries) {
  EXPECT_EQ(sd_name(0), "sda");
  EXPECT_EQ(sd_name(25), "sdz");
  EXPECT_EQ(sd_name(26), "sdaa");
  EXPECT_EQ(sd_name(701), "sdzz");
  EXPECT_EQ(sd_name(702), "sdaaa");
  for (uint32_t n = 0; n < 20000; n += 7) EXPECT_EQ(sd_index(sd_name(n)), n) << n;
  for (const char* other : {"sd", "sdA", "nvme0n1", "sda1", "dm-0", "sr0"}) EXPECT_FALSE(sd_index(other)) << other;
}

TEST(SysfsTexts, AddressesSerialPagesAndNames) {
  EXPECT_EQ(scsi_host("3:0:64:0"), 3);
  EXPECT_FALSE(scsi_host("3:0:64"));
  EXPECT_FALSE(scsi_host("300:0:1:0"));
  EXPECT_FALSE(scsi_host("target3:0:1"));
  EXPECT_EQ(vpd_serial(std::string("\0\x80\0\x06  AB12", 10)), "AB12");
  // A length past the page is cut to what is there; another page is none.
  EXPECT_EQ(vpd_serial(std::string("\0\x80\0\x40XY", 6)), "XY");
  EXPECT_EQ(vpd_serial(std::string("\0\x83\0\x02XY", 6)), "");
  EXPECT_EQ(normal_wwn("naa.5000C500A1B2C3D4"), "5000c500a1b2c3d4");
  EXPECT_EQ(normal_wwn("0x5000c500a1b2c3d4"), "5000c500a1b2c3d4");
}

// What the simulator writes is what the walk reads: names with their
// padding, numbers past sdz, hosts, serials and world wide names.
TEST_F(LinuxWalk, ReadsTheTreeTheWriterWrites) {
  std::vector<TreeDisk> disks = {{0, 0, 0, "ATA", "BOOT", "B1", ""},
                                 {27, 3, 64, "QXD", "HDD 4T", "S-27", "5000c500a1b2c3d4"},
                                 {2, 2, 0, "TALOREX", "TwinTier 0", "V0", "60f1e2d000000000"}};
  write_os_disk_tree(root_.string(), disks);
  const std::vector<LinuxDiskEntry> walked = walk_sys_block(root_);
  ASSERT_EQ(walked.size(), 3u);
  // In name order: sda, sdab, sdc.
  EXPECT_EQ(walked[1].disk.friendly_name, "QXD     HDD 4T          ");
  EXPECT_EQ(walked[1].address.number, 27u);
  EXPECT_EQ(walked[1].address.port, 3);
  EXPECT_EQ(walked[1].disk.serial, "S-27");
  EXPECT_EQ(walked[1].disk.wwn, "5000c500a1b2c3d4");
  EXPECT_EQ(walked[2].disk.friendly_name, "TALOREX TwinTier 0      ");
  EXPECT_EQ(walked[2].address.number, 2u);
  EXPECT_EQ(walked[0].disk.wwn, "");

  // A rewrite replaces the disks; removing the tree leaves no disks.
  write_os_disk_tree(root_.string(), {disks[0]});
  EXPECT_EQ(walk_sys_block(root_).size(), 1u);
  remove_os_disk_tree(root_.string());
  EXPECT_TRUE(walk_sys_block(root_).empty());
  EXPECT_TRUE(fs::exists(root_));
}

// The udev database stands in for files the device does not have, and
// entries that are no SCSI disk, or cannot be read, are skipped.
TEST_F(LinuxWalk, FallsBackToUdevAndSkipsWhatItCannotRead) {
  write_os_disk_tree(root_.string(), {{1, 4, 65, "ATA", "SSD 1T", "U-1", "5000c500000000aa"}});
  const fs::path device = root_ / "sys/devices/qxsim/4:0:65:0";
  fs::remove(device / "vpd_pg80");
  fs::remove(device / "wwid");
  // Not SCSI disks: a device link that names no SCSI address, no link at all, an NVMe name.
  fs::create_directories(root_ / "sys/block/sdc");
  fs::create_directory_symlink("../../devices/virtual/block", root_ / "sys/block/sdc/device");
  fs::create_directories(root_ / "sys/block/sdd");
  fs::create_directories(root_ / "sys/block/nvme0n1");
  // A SCSI disk whose attributes are gone.
  fs::create_directories(root_ / "sys/devices/qxsim/5:0:0:0");
  fs::create_directories(root_ / "sys/block/sde");
  fs::create_directory_symlink("../../devices/qxsim/5:0:0:0", root_ / "sys/block/sde/device");

  const std::vector<LinuxDiskEntry> walked = walk_sys_block(root_);
  ASSERT_EQ(walked.size(), 1u);
  EXPECT_EQ(walked[0].disk.serial, "U-1");
  EXPECT_EQ(walked[0].disk.wwn, "5000c500000000aa");
  EXPECT_EQ(walked[0].address.port, 4);
}

TEST_F(LinuxWalk, RefusesToReplaceAFolderItDidNotWrite) {
  fs::create_directories(root_);
  std::ofstream(root_ / "notes.txt") << "mine";
  EXPECT_THROW(write_os_disk_tree(root_.string(), {}), std::runtime_error);
  EXPECT_TRUE(fs::exists(root_ / "notes.txt"));
  EXPECT_TRUE(walk_sys_block(root_ / "missing").empty());
}

}  // namespace
}  // namespace qx::platform

#endif  // !_WIN32
