// Eight administrators create VDs (or arrays) at once, each from disks of
// their own: every one is there afterwards and no stretch of disk went to
// two of them. It starts the creators with fork(), so it runs on POSIX
// systems only.
#if !defined(_WIN32)
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "api/status.h"
#include "sim/model/array.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

constexpr int kCreators = 8;

// An adapter (arrays-less unless `arrays`) with two free disks per creator.
std::string scenario(bool arrays = false) {
  std::string disks;
  for (int id = 0; id < 2 * kCreators; ++id)
    disks += std::string(id ? "," : "") + "{\"id\": " + std::to_string(id) + ", \"port\": " + std::to_string(id) +
             ", \"size_kb\": 10485760}";
  return std::string("{\"clock\": {\"frozen\": true, \"time_ms\": 1767225600000}, \"adapters\": [{\"raid_modes\": \"0x1F\", "
         "\"stripe_sizes\": \"0x0F\", \"highest_pd_id\": 31, \"max_vds\": 32, \"max_buffer_kb\": 4, "
         "\"max_total_blocks_wide\": 64, \"features\": \"0x3F\", ") +
         (arrays ? "\"max_arrays\": 16, \"max_vds_per_array\": 4, " : "") + "\"disks\": [" +
         disks + "]}]}";
}

// `qxcli create [-o array] -r 0 -d DISKS -n NAME --waiveconfirmation`.
pid_t run_create(const std::string& home, const std::string& disks, const std::string& name, bool array = false) {
  pid_t pid = ::fork();
  if (pid == 0) {
    ::setenv("QX_SIM_HOME", home.c_str(), 1);
    if (array)
      ::execl(QX_QXCLI_PATH, "qxcli", "create", "-o", "array", "-r", "0", "-d", disks.c_str(), "-n", name.c_str(),
              "--waiveconfirmation", static_cast<char*>(nullptr));
    else
      ::execl(QX_QXCLI_PATH, "qxcli", "create", "-r", "0", "-d", disks.c_str(), "-n", name.c_str(),
              "--waiveconfirmation", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  return pid;
}

pid_t run_create(const std::string& home, int creator, bool array = false) {
  return run_create(home, std::to_string(2 * creator) + "," + std::to_string(2 * creator + 1),
                    "conc" + std::to_string(creator), array);
}

std::vector<int> exit_statuses(const std::vector<pid_t>& children) {
  std::vector<int> out;
  for (pid_t pid : children) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    out.push_back(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
  }
  return out;
}

void load(const TempState& state, bool arrays) {
  const std::string file = state.dir() + "/disks.json";
  { std::ofstream(file) << scenario(arrays); }
  init_state(state.dir(), file, true);
}

TEST(ConcurrentCreate, EightCreatesAtOnceLeaveEightVdsAndNoSharedSpace) {
  TempState state;
  load(state, false);
  std::vector<pid_t> creators;
  for (int i = 0; i < kCreators; ++i) creators.push_back(run_create(state.dir(), i));
  EXPECT_EQ(exit_statuses(creators), std::vector<int>(kCreators, 0));

  std::unique_ptr<Db> db = state.open();
  std::vector<Vd> vds = select_rows(*db, vd_model(), 0);
  ASSERT_EQ(vds.size(), static_cast<size_t>(kCreators));
  std::set<std::string> names;
  std::set<uint16_t> ids;
  for (const Vd& vd : vds) {
    names.insert(vd.name);
    ids.insert(vd.id);
    EXPECT_EQ(vd.size_kb, 2u * (10485760 - 262144)) << vd.name;
  }
  EXPECT_EQ(names.size(), static_cast<size_t>(kCreators));
  EXPECT_EQ(ids.size(), static_cast<size_t>(kCreators)) << "every VD has an id of its own";

  // Each creator's disks hold one block, of that creator's VD; no two blocks
  // share an id or overlap.
  std::map<uint16_t, std::string> owner_of_disk;
  std::set<uint16_t> block_ids;
  std::vector<Block> blocks = select_rows(*db, block_model(), 0);
  ASSERT_EQ(blocks.size(), static_cast<size_t>(2 * kCreators));
  for (const Block& b : blocks) {
    EXPECT_TRUE(block_ids.insert(b.id).second) << "block id " << b.id << " twice";
    auto vd = std::find_if(vds.begin(), vds.end(), [&](const Vd& v) { return v.id == b.vd; });
    ASSERT_NE(vd, vds.end()) << "block " << b.id << " of no VD";
    EXPECT_TRUE(owner_of_disk.emplace(b.pd, vd->name).second) << "disk " << b.pd << " given twice";
    EXPECT_EQ(vd->name, "conc" + std::to_string(b.pd / 2)) << "disk " << b.pd;
  }
}

TEST(ConcurrentCreate, EightArraysAtOnceTakeNoDiskTwiceAndOverlappingOnesRefuseTheLoser) {
  TempState state;
  load(state, true);
  std::vector<pid_t> creators;
  for (int i = 0; i < kCreators; ++i) creators.push_back(run_create(state.dir(), i, true));
  EXPECT_EQ(exit_statuses(creators), std::vector<int>(kCreators, 0));
  std::unique_ptr<Db> db = state.open();
  std::vector<Array> arrays = select_rows(*db, array_model(), 0);
  ASSERT_EQ(arrays.size(), static_cast<size_t>(kCreators));
  std::set<uint16_t> disks;
  for (const Array& a : arrays)
    for (uint16_t pd : a.pds) {
      EXPECT_TRUE(disks.insert(pd).second) << "disk " << pd << " in two arrays";
      EXPECT_EQ(a.name, "conc" + std::to_string(pd / 2));
    }

  TempState other;
  load(other, true);
  std::vector<int> both = exit_statuses({run_create(other.dir(), "0,1", "left", true),
                                         run_create(other.dir(), "1,2", "right", true)});
  std::sort(both.begin(), both.end());
  EXPECT_EQ(both, (std::vector<int>{0, kPdAssigned})) << "one array takes disk 1";
  EXPECT_EQ(select_rows(*other.open(), array_model(), 0).size(), 1u);
}

}  // namespace
}  // namespace qx::sim

#endif  // !_WIN32
