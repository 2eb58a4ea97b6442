#include "commands/events/sequence_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/files.h"

namespace qx::commands {
namespace {

namespace fs = std::filesystem;

class SequenceFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qx-seq-" + std::to_string(platform::process_id()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / "seq.txt").string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  void write(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
  std::string content() const {
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path dir_;
  std::string path_;
};

// A longer file is read by its first 4 bytes and, once saved, holds exactly
// the 4 new ones; nothing is left beside it.
TEST_F(SequenceFile, SavesExactlyFourLittleEndianBytesOverAnyContent) {
  write(std::string("\x2A\x01\x00\x00trailing", 12));
  EXPECT_EQ(read_saved_sequence(path_), 0x12Au);
  EXPECT_EQ(save_sequence(path_, 0xA1B2C3D4u), SaveResult::kSaved);
  EXPECT_EQ(content(), std::string("\xD4\xC3\xB2\xA1", 4));
  EXPECT_EQ(read_saved_sequence(path_), 0xA1B2C3D4u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(SequenceFile, MissingOrShortFileGivesNothingAndIsCreatedOnSave) {
  EXPECT_EQ(read_saved_sequence(path_), std::nullopt);
  write(std::string("\x05\x00\x00", 3));
  EXPECT_EQ(read_saved_sequence(path_), std::nullopt);
  fs::remove(path_);
  EXPECT_EQ(save_sequence(path_, 7), SaveResult::kSaved);
  EXPECT_EQ(read_saved_sequence(path_), 7u);
}

// What cannot be opened for writing is left as it is, without a word.
TEST_F(SequenceFile, ADirectoryInTheWayIsLeftAlone) {
  fs::create_directory(path_);
  EXPECT_EQ(read_saved_sequence(path_), std::nullopt);
  EXPECT_EQ(save_sequence(path_, 9), SaveResult::kNotOpened);
  EXPECT_TRUE(fs::is_directory(path_));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace qx::commands
