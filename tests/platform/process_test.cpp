#include "platform/process.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/exceptions.h"
#include "platform/text.h"

namespace {

using Args = std::vector<std::string>;

struct SplitCase {
  std::string line;
  Args arguments;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << testing::PrintToString(c.line); }

class SplitCommandLineTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLineTest, GivesTheArgumentsAfterTheProgramName) {
  EXPECT_EQ(SplitCommandLine(GetParam().line), GetParam().arguments);
}

// 表 is 0x95 0x5C: its trail byte is the byte of '\'.
INSTANTIATE_TEST_SUITE_P(
    Lines, SplitCommandLineTest,
    testing::Values(
        SplitCase{"", {}},
        SplitCase{"prog", {}},
        SplitCase{"prog   ", {}},
        SplitCase{"prog sub\\a.ini", {"sub\\a.ini"}},
        SplitCase{"prog D:\\x\\a.ini", {"D:\\x\\a.ini"}},
        SplitCase{"prog \"my file.ini\"", {"my file.ini"}},
        SplitCase{"prog \"\"", {}},
        SplitCase{"prog \"\" a.ini", {"a.ini"}},
        SplitCase{"prog \"\"\"\" a.ini", {"a.ini"}},
        SplitCase{"prog \"\"a.ini", {"a.ini"}},
        SplitCase{"prog a.ini \"\" b.ini", {"a.ini", "b.ini"}},
        SplitCase{"prog a.ini b.ini c", {"a.ini", "b.ini", "c"}},
        SplitCase{"prog a\"b c\"d e", {"ab cd", "e"}},
        SplitCase{"prog \"a\"\"b\"", {"ab"}},
        SplitCase{"prog \"open to the end", {"open to the end"}},
        SplitCase{"prog \"\"\" a", {" a"}},
        SplitCase{"prog\ta.ini\x01" "b\x1F" "c", {"a.ini", "b", "c"}},
        SplitCase{"prog \x7F", {"\x7F"}},
        SplitCase{std::string("prog a\0 b", 9), {"a"}},  // the line ends at a NUL
        // the program's name is split by the same rule
        SplitCase{"\"C:\\Program Files\\z\\prog.exe\" a.ini", {"a.ini"}},
        SplitCase{"\"C:\\my dir\"\\prog.exe a.ini", {"a.ini"}},
        SplitCase{"\"\" a.ini b.ini", {"b.ini"}},
        SplitCase{"C:\\\x95\\\\prog.exe \x95\\", {"\x95\\"}},
        // a lead byte takes the next byte along, whatever it is
        SplitCase{"prog C:\\\x95\\\\\x95\\.ini", {"C:\\\x95\\\\\x95\\.ini"}},
        SplitCase{"prog \x95 b", {"\x95 b"}},
        SplitCase{"prog \x95\"a b\"", {"\x95\"a", "b"}},
        SplitCase{"prog \"\x95\" x\" y", {"\x95\" x", "y"}},
        SplitCase{"prog a\x95", {"a\x95"}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return "line" + std::to_string(info.index); });

TEST(ExtractFilePath, PosixRules) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"/opt/vz/vadoveziz", "/opt/vz/"},
      {"vadoveziz", ""},
      {"/vadoveziz", "/"},
      {"/opt/vz/", "/opt/vz/"},
      {"C:\\vz\\a.exe", ""},  // neither '\' nor ':' is a delimiter here
      {"/opt/\x95\\/x", "/opt/\x95\\/"},
  };
  for (const auto& [name, directory] : cases) {
    EXPECT_EQ(ExtractFilePathWith(name, false), directory) << name;
  }
}

TEST(ExtractFilePath, WindowsRules) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"C:\\vz\\vadoveziz.exe", "C:\\vz\\"},
      {"vadoveziz.exe", ""},
      {"C:vadoveziz.exe", "C:"},
      {"\\\\server\\share\\v.exe", "\\\\server\\share\\"},
      {"C:\\vz/v.exe", "C:\\"},  // '/' is no delimiter
      {"C:\\\x95\\\\v.exe", "C:\\\x95\\\\"},
      {"C:\\dir\\\x95\\", "C:\\dir\\"},     // the last '\' is the trail byte of 表
      {"C:\\dir\\\x95\\.exe", "C:\\dir\\"},
      {"C:\\dir\\\x95", "C:\\dir\\"},       // a lead byte at the very end
  };
  for (const auto& [name, directory] : cases) {
    EXPECT_EQ(ExtractFilePathWith(name, true), directory) << testing::PrintToString(name);
  }
}

class InitProcessTest : public testing::Test {
 protected:
  void TearDown() override { SetProcessForTesting("", {}); }

  // argv as the system hands it over; the strings live as long as the fixture.
  char** Argv(std::vector<std::string> args) {
    storage_ = std::move(args);
    pointers_.clear();
    for (auto& a : storage_) pointers_.push_back(a.data());
    pointers_.push_back(nullptr);
    return pointers_.data();
  }
  int Argc() const { return static_cast<int>(storage_.size()); }

 private:
  std::vector<std::string> storage_;
  std::vector<char*> pointers_;
};

TEST_F(InitProcessTest, TakesItsOwnFileNameFromTheSystem) {
  char** argv = Argv({"whatever-argv0-says"});
  InitProcess(Argc(), argv);
  char buffer[4096];
  ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
  ASSERT_GT(length, 0);
  EXPECT_EQ(ProgramFileName(), std::string(buffer, static_cast<std::size_t>(length)));
  EXPECT_EQ(ProgramDirectory(), ExtractFilePath(ProgramFileName()));
  EXPECT_EQ(ProgramDirectory().back(), '/');
  EXPECT_FALSE(FirstArgument());
}

TEST_F(InitProcessTest, FirstArgumentIsTheFirstNonEmptyOne) {
  const std::vector<std::pair<Args, std::optional<std::string>>> cases = {
      {{"prog"}, std::nullopt},
      {{"prog", ""}, std::nullopt},
      {{"prog", "a.ini", "b.ini"}, "a.ini"},
      {{"prog", "", "a.ini"}, "a.ini"},
      {{"prog", "", "", "my file.ini"}, "my file.ini"},
      {{"prog", "\xE8\xA1\xA8.ini"}, "\x95\\.ini"},  // 表.ini, from UTF-8
      {{"prog", "a.ini", "caf\xC3\xA9"}, "a.ini"},   // a later argument is never used
  };
  for (const auto& [args, first] : cases) {
    SCOPED_TRACE(testing::PrintToString(args));
    char** argv = Argv(args);
    InitProcessWith("/opt/vz/vadoveziz", Argc(), argv);
    EXPECT_EQ(FirstArgument(), first);
    EXPECT_EQ(ProgramDirectory(), "/opt/vz/");
  }
}

TEST_F(InitProcessTest, NamesWhatTheCodePageCannotHold) {
  char** argv = Argv({"prog", "caf\xC3\xA9.ini"});
  try {
    InitProcessWith("/opt/vz/vadoveziz", Argc(), argv);
    FAIL() << "no error";
  } catch (const EEncodingError& error) {
    EXPECT_NE(error.Message().find(Ansi("コマンドラインの第 1 引数")), std::string::npos);
    EXPECT_NE(error.Message().find("caf\\xC3\\xA9.ini"), std::string::npos) << error.Message();
  }

  argv = Argv({"prog", "a.ini"});
  try {
    InitProcessWith("/opt/caf\xC3\xA9/vadoveziz", Argc(), argv);
    FAIL() << "no error";
  } catch (const EEncodingError& error) {
    EXPECT_NE(error.Message().find(Ansi("プログラムのファイル名")), std::string::npos);
    EXPECT_NE(error.Message().find("/opt/caf\\xC3\\xA9/vadoveziz"), std::string::npos);
  }
}

TEST_F(InitProcessTest, SeamReplacesTheProcess) {
  SetProcessForTesting("/tmp/t/vz", {"x.ini", "y.ini"});
  EXPECT_EQ(ProgramFileName(), "/tmp/t/vz");
  EXPECT_EQ(ProgramDirectory(), "/tmp/t/");
  EXPECT_EQ(FirstArgument(), "x.ini");
}

}  // namespace
