#include "sim/engine/image_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "api/image_types.h"
#include "api/status.h"
#include "sim/engine/flash_store.h"
#include "sim/scenario/scenario.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

namespace fs = std::filesystem;
using testing::TempState;

std::vector<std::string> files_in(const std::string& directory) {
  std::vector<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(directory)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Writes `payload` as adapter 0's firmware image and commits the row.
std::vector<uint8_t> write_firmware(Db& db, const std::vector<uint8_t>& payload) {
  ImageInfo info;
  info.type = QX_IMAGE_FIRMWARE;
  info.version = {9, 9, 9, 9};
  const std::vector<uint8_t> bytes = write_image(info, payload);
  ImageInfo checked;
  EXPECT_EQ(check_image(bytes, checked), kOk);
  Transaction txn(db, Transaction::Kind::kWrite);
  const std::string file = write_image_file(db, 0, QX_IMAGE_FIRMWARE, bytes);
  save_image(db, 0, with_content(*find_image(db, 0, QX_IMAGE_FIRMWARE), file, checked));
  txn.commit();
  return bytes;
}

TEST(ImageFiles, OnlyFilesNoRegionNamesAreSweptAndAMissingFileIsTold) {
  TempState state("default");
  std::unique_ptr<Db> db = state.open();
  const std::vector<uint8_t> bytes = write_firmware(*db, {1, 2, 3});
  const std::string named = find_image(*db, 0, QX_IMAGE_FIRMWARE)->file;
  std::vector<uint8_t> read;
  ASSERT_TRUE(read_image_file(*db, named, read));
  EXPECT_EQ(read, bytes);

  // What a killed writer leaves, and a file that is not an image of ours.
  std::ofstream(image_directory(*db) + "/a0-firmware-1-2.img") << "half";
  std::ofstream(image_directory(*db) + "/notes.txt") << "kept";
  {
    Transaction txn(*db, Transaction::Kind::kWrite);
    remove_unnamed_image_files(*db);
  }
  EXPECT_EQ(files_in(image_directory(*db)), (std::vector<std::string>{named, "notes.txt"}));

  remove_image_file(*db, named);
  EXPECT_FALSE(read_image_file(*db, named, read));
  EXPECT_THROW(image_bytes(*db, *find_image(*db, 0, QX_IMAGE_FIRMWARE)), ImageFileMissing);
}

TEST(ImageFiles, AScenarioCarriesWrittenImagesAndReplacingTheStateRemovesTheirFiles) {
  TempState state("default");
  std::unique_ptr<Db> db = state.open();
  const std::vector<uint8_t> bytes = write_firmware(*db, std::vector<uint8_t>(70000, 0x5A));
  const std::string before = find_image(*db, 0, QX_IMAGE_FIRMWARE)->file;

  const std::string scenario = state.dir() + "/saved.json";
  std::ofstream(scenario) << export_scenario(*db).dump();
  db.reset();
  init_state(state.dir(), scenario, true);

  db = state.open();
  const FlashImage region = *find_image(*db, 0, QX_IMAGE_FIRMWARE);
  EXPECT_NE(region.file, before);
  EXPECT_EQ(image_bytes(*db, region), bytes);
  EXPECT_EQ(files_in(image_directory(*db)), std::vector<std::string>{region.file});
}

}  // namespace
}  // namespace qx::sim
