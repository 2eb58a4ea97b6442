#include "platform/files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace qx::platform {
namespace {

namespace fs = std::filesystem;

std::string content(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The first state is placed this way by processes racing each other: the
// file that is there first must stay, whatever comes after it.
TEST(PlaceNewFile, PlacesOnceAndNeverReplaces) {
  const fs::path dir = fs::temp_directory_path() / ("qx-place-" + std::to_string(process_id()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const fs::path target = dir / "state.db";
  std::ofstream(dir / "first", std::ios::binary) << "first";
  std::ofstream(dir / "second", std::ios::binary) << "second";

  EXPECT_EQ(place_new_file((dir / "first").string(), target.string()), 0);
  EXPECT_EQ(content(target), "first");
  EXPECT_EQ(place_new_file((dir / "second").string(), target.string()), EEXIST);
  EXPECT_EQ(content(target), "first");
  EXPECT_EQ(place_new_file((dir / "missing").string(), (dir / "other").string()), ENOENT);
  EXPECT_FALSE(fs::exists(dir / "other"));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace qx::platform
