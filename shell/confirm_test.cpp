#include "shell/confirm.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "shell/state.h"

namespace qx::shell {
namespace {

// Standard input with the given text, and the output stream captured.
class ConfirmTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = state().out;
    out_ = std::tmpfile();
    state().out = out_;
  }
  void TearDown() override {
    state().out = saved_;
    std::fclose(out_);
    if (in_) std::fclose(in_);
  }
  std::FILE* input(const std::string& text) {
    if (in_) std::fclose(in_);
    in_ = std::tmpfile();
    std::fputs(text.c_str(), in_);
    std::rewind(in_);
    return in_;
  }
  std::string rest_of_input() {
    std::string text;
    for (int c; (c = std::fgetc(in_)) != EOF;) text += static_cast<char>(c);
    return text;
  }
  std::string output() {
    std::fflush(out_);
    std::rewind(out_);
    std::string text;
    for (int c; (c = std::fgetc(out_)) != EOF;) text += static_cast<char>(c);
    return text;
  }

 private:
  std::FILE* saved_ = nullptr;
  std::FILE* out_ = nullptr;
  std::FILE* in_ = nullptr;
};

TEST_F(ConfirmTest, YesOrNoTakesTheFirstCharacterAndDropsTheRestOfTheLine) {
  EXPECT_TRUE(ask_yes_no("Go? (y or n)\n", input("Yes, please\nnext line\n")));
  EXPECT_EQ(output(), "Go? (y or n)\n");
  EXPECT_EQ(rest_of_input(), "next line\n");
}

TEST_F(ConfirmTest, YesOrNoAsksAgainWithoutRepeatingTheQuestion) {
  EXPECT_FALSE(ask_yes_no("Go? (y or n)\n", input("x\n\nnope\ny\n")));
  EXPECT_EQ(output(), "Go? (y or n)\nPlease input y or n.\nPlease input y or n.\n");
  EXPECT_EQ(rest_of_input(), "y\n");
}

TEST_F(ConfirmTest, YesOrNoTakesTheEndOfInputAsNo) {
  EXPECT_FALSE(ask_yes_no("Go?\n", input("")));
  EXPECT_FALSE(ask_yes_no("Go?\n", input("maybe\n")));
  EXPECT_EQ(output(), "Go?\nGo?\nPlease input y or n.\n");
  EXPECT_TRUE(ask_yes_no("Go?\n", input("y")));  // a last line without its end
}

TEST_F(ConfirmTest, OnlyNDeclinesTheFileSystemQuestion) {
  for (const char* answer : {"y\n", "x\n", "Y\n", "1\n"}) EXPECT_TRUE(ask_unless_declined("Q\n", input(answer))) << answer;
  for (const char* answer : {"n\n", "N\n", "no\n"}) EXPECT_FALSE(ask_unless_declined("Q\n", input(answer))) << answer;
  EXPECT_FALSE(ask_unless_declined("Q\n", input(""))) << "no answer at all";
}

TEST_F(ConfirmTest, TheFileSystemQuestionReadsOneCharacterAndItsLineEnd) {
  EXPECT_TRUE(ask_unless_declined("Q\n", input("\ninfo -o vd\n")));
  EXPECT_EQ(rest_of_input(), "info -o vd\n") << "an empty line is a whole answer";
  EXPECT_TRUE(ask_unless_declined("Q\n", input("yes\nexit\n")));
  EXPECT_EQ(rest_of_input(), "s\nexit\n");
  EXPECT_EQ(output(), "Q\nQ\n");
  // A carriage return before the line end belongs to it, on every system.
  EXPECT_FALSE(ask_unless_declined("Q\n", input("n\r\nexit\r\n")));
  EXPECT_EQ(rest_of_input(), "exit\r\n");
  EXPECT_TRUE(ask_unless_declined("Q\n", input("y\rx\n")));
  EXPECT_EQ(rest_of_input(), "x\n") << "a lone carriage return is the whole line end";
}

}  // namespace
}  // namespace qx::shell
