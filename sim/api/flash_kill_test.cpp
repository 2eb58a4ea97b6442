// An update killed at any moment leaves the adapter's image whole: the old
// one or the new one, never a mix.
#if !defined(_WIN32)  // kills at random moments are POSIX; the transaction is the same on Windows

#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

// Runs `command` in the state's directory; its exit status and standard output.
std::pair<int, std::string> run(const TempState& state, const std::string& command) {
  const std::string out_file = state.dir() + "/stdout";
  const int status = std::system(
      ("cd " + state.dir() + " && QX_SIM_HOME=" + state.dir() + " " + command + " >" + out_file + " 2>&1").c_str());
  std::ifstream out(out_file);
  std::stringstream text;
  text << out.rdbuf();
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
}

// The image files in the state's image directory.
int image_files(const TempState& state) {
  int count = 0;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(state.dir() + "/images", ec), end; !ec && it != end; it.increment(ec))
    ++count;
  return count;
}

TEST(FlashKill, AnUpdateKilledAtAnyMomentLeavesTheOldImageOrTheNewWhole) {
  TempState state("default");
  // 128 pages, so that kills land before, between and after the pages, and
  // while the new image is written and committed.
  ASSERT_EQ(run(state, QX_QXSIM_PATH " image make new.img --type firmware --adapter 0 --version 9.9.9.9 --size 4194000")
                .first,
            0);
  const std::string update = QX_QXCLI_PATH " flash -a update -t firmware -f new.img";
  // Kills spread over the time a whole update takes on this machine now.
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(run(state, update).first, 0);
  const double whole_ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  ASSERT_EQ(run(state, QX_QXSIM_PATH " init --force").first, 0);

  std::mt19937 random(20261206);
  std::uniform_real_distribution<double> ms(1, whole_ms * 1.5);
  int old_seen = 0, new_seen = 0;
  for (int i = 0; i < 100; ++i) {
    const std::string delay = std::to_string(ms(random) / 1000.0);
    run(state, "timeout -s KILL " + delay + " " + update);
    ASSERT_EQ(run(state, QX_QXCLI_PATH " flash -a backup -t firmware -f backup.img").first, 0) << i;
    const auto [status, shown] = run(state, QX_QXSIM_PATH " image show backup.img");
    std::filesystem::remove(state.dir() + "/backup.img");
    EXPECT_EQ(status, 0) << "backup " << i << " is not intact:\n" << shown;
    const bool old_image = shown.find("version 3.2.1.1044\n") != std::string::npos;
    const bool new_image = shown.find("version 9.9.9.9\n") != std::string::npos;
    EXPECT_TRUE(old_image || new_image) << shown;
    old_seen += old_image;
    new_seen += new_image;
    if (new_image) {
      ASSERT_EQ(run(state, QX_QXSIM_PATH " init --force").first, 0);  // the old image again
    }
  }
  EXPECT_GT(old_seen, 0);
  EXPECT_GT(new_seen, 0);
  // A run long enough to finish shows the new image whatever the kills did,
  // and leaves no file behind that no region names.
  ASSERT_EQ(run(state, update).first, 0);
  EXPECT_NE(run(state, QX_QXSIM_PATH " flash show").second.find("firmware  valid          9.9.9.9"),
            std::string::npos);
  EXPECT_EQ(image_files(state), 1);
}

}  // namespace
}  // namespace qx::sim

#endif  // !defined(_WIN32)
