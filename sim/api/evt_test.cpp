// QX_EVT_GetEvent through the built library, as qxcli calls it. It loads
// the library with dlopen, so it runs on POSIX systems only.
#if !defined(_WIN32)
#include <dlfcn.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "api/records.h"
#include "api/status.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using GetEvent = uint8_t (*)(uint8_t, uint8_t, uint8_t*, QX_EVENT*);
using NoArguments = uint8_t (*)();

// The default scenario's first adapter has logged events 1 to 5.
TEST(GetEvent, AnswersTheNewestOldestFirstAndRefusesBadArguments) {
  testing::TempState state("default");
  ASSERT_EQ(setenv("QX_SIM_HOME", state.dir().c_str(), 1), 0);
  void* library = dlopen(QX_API_PATH, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  auto initialize = reinterpret_cast<NoArguments>(dlsym(library, "QX_API_Initialize"));
  auto finalize = reinterpret_cast<NoArguments>(dlsym(library, "QX_API_Finalize"));
  auto get_event = reinterpret_cast<GetEvent>(dlsym(library, "QX_EVT_GetEvent"));
  ASSERT_TRUE(initialize && finalize && get_event);
  ASSERT_EQ(initialize(), kOk);

  QX_EVENT events[QX_EVT_MAX_EVENTS] = {};
  uint8_t count = 0;
  ASSERT_EQ(get_event(0, QX_EVT_MAX_EVENTS, &count, events), kOk);
  ASSERT_EQ(count, 5);
  for (uint32_t i = 0; i < count; ++i) EXPECT_EQ(events[i].sequence, i + 1);

  ASSERT_EQ(get_event(0, 2, &count, events), kOk);
  ASSERT_EQ(count, 2);
  EXPECT_EQ(events[0].sequence, 4u);
  EXPECT_EQ(events[1].sequence, 5u);

  EXPECT_EQ(get_event(0, 0, &count, events), kInvalidParameter);
  EXPECT_EQ(get_event(0, 1, nullptr, events), kInvalidParameter);
  EXPECT_EQ(get_event(0, 1, &count, nullptr), kInvalidParameter);
  EXPECT_EQ(get_event(9, 1, &count, events), kInvalidAdapterId);

  finalize();
  dlclose(library);
  unsetenv("QX_SIM_HOME");
}

}  // namespace
}  // namespace qx::sim
#endif
