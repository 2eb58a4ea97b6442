// An update killed at any moment leaves the adapter's image whole: the old
// one or the new one, never a mix.
#if !defined(_WIN32)  // kills at random moments are POSIX; the transaction is the same on Windows

#include <sys/wait.h>

#include <cstdlib>
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

TEST(FlashKill, AnUpdateKilledAtAnyMomentLeavesTheOldImageOrTheNewWhole) {
  TempState state("default");
  // 64 pages, so that kills land before, between and after the pages.
  ASSERT_EQ(run(state, QX_QXSIM_PATH " image make new.img --type firmware --adapter 0 --version 9.9.9.9 --size 2097000")
                .first,
            0);
  std::mt19937 random(20261206);
  std::uniform_int_distribution<int> ms(5, 400);
  for (int i = 0; i < 25; ++i) {
    const std::string delay = std::to_string(ms(random) / 1000.0);
    run(state, "timeout -s KILL " + delay + " " QX_QXCLI_PATH " flash -a update -t firmware -f new.img");
    const std::string backup = "b" + std::to_string(i) + ".img";
    ASSERT_EQ(run(state, QX_QXCLI_PATH " flash -a backup -t firmware -f " + backup).first, 0) << i;
    const auto [status, shown] = run(state, QX_QXSIM_PATH " image show " + backup);
    EXPECT_EQ(status, 0) << "backup " << i << " is not intact:\n" << shown;
    const bool old_image = shown.find("version 3.2.1.1044\n") != std::string::npos;
    const bool new_image = shown.find("version 9.9.9.9\n") != std::string::npos;
    EXPECT_TRUE(old_image || new_image) << shown;
  }
  // A run long enough to finish shows the new image whatever the kills did.
  ASSERT_EQ(run(state, QX_QXCLI_PATH " flash -a update -t firmware -f new.img").first, 0);
  EXPECT_NE(run(state, QX_QXSIM_PATH " flash show").second.find("firmware  valid          9.9.9.9"),
            std::string::npos);
}

}  // namespace
}  // namespace qx::sim

#endif  // !defined(_WIN32)
