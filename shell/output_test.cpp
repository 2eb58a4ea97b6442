#include "shell/output.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

#include "shell/state.h"

namespace qx::shell {
namespace {

// What the labelled-line helpers print for the given calls.
template <class F>
std::string printed(F print_lines) {
  FILE* saved = state().out;
  FILE* out = std::tmpfile();
  state().out = out;
  print_lines();
  state().out = saved;
  std::string text(static_cast<size_t>(std::ftell(out)), '\0');
  std::rewind(out);
  text.resize(std::fread(text.data(), 1, text.size(), out));
  std::fclose(out);
  return text;
}

// "%ld" prints a 32-bit long on every system, so a value beyond 32 bits
// prints as its low 32 bits, signed, as where long has 32 bits.
TEST(LabelledLines, NumbersPrintAsA32BitLong) {
  EXPECT_EQ(printed([] {
              print_label_num(6, "Max:", 2147483647L);
              print_label_num(6, "Min:", -2147483647L - 1);
            }),
            "Max:   2147483647\nMin:   -2147483648\n");
#if LONG_MAX > 2147483647L
  EXPECT_EQ(printed([] {
              print_label_num(2, "a", 2147483648L);
              print_label_num(2, "b", 4294967295L);
              print_label_num(2, "c", 4294967296L + 7);
            }),
            "a  -2147483648\nb  -1\nc  7\n");
#endif
}

}  // namespace
}  // namespace qx::shell
