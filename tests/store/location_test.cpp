#include "store/location.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/process.h"

namespace {

struct StartCase {
  std::vector<std::string> arguments;
  std::string iniName;
  std::string iniPath;
};

void PrintTo(const StartCase& c, std::ostream* os) { *os << testing::PrintToString(c.arguments); }

class StartingName : public testing::TestWithParam<StartCase> {
 protected:
  void TearDown() override {
    SetProcessForTesting("", {});
    IniName.clear();
    IniPath.clear();
  }
};

TEST_P(StartingName, IsAppendedToTheProgramDirectoryUnchanged) {
  SetProcessForTesting("/opt/vz/vadoveziz", GetParam().arguments);
  SetIniName(InitialIniName());
  EXPECT_EQ(IniName, GetParam().iniName);
  EXPECT_EQ(IniPath, GetParam().iniPath);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, StartingName,
    testing::Values(
        StartCase{{}, "zuzozi.ini", "/opt/vz/zuzozi.ini"},
        StartCase{{"work.ini"}, "work.ini", "/opt/vz/work.ini"},
        StartCase{{"sub/a.ini"}, "sub/a.ini", "/opt/vz/sub/a.ini"},
        StartCase{{"sub\\a.ini"}, "sub\\a.ini", "/opt/vz/sub\\a.ini"},
        // an absolute path or a drive still lands inside the program's directory
        StartCase{{"/etc/a.ini"}, "/etc/a.ini", "/opt/vz//etc/a.ini"},
        StartCase{{"D:\\x\\a.ini"}, "D:\\x\\a.ini", "/opt/vz/D:\\x\\a.ini"},
        StartCase{{"my file.ini"}, "my file.ini", "/opt/vz/my file.ini"},
        StartCase{{"a.ini", "b.ini"}, "a.ini", "/opt/vz/a.ini"}));

TEST(SetIniName, RebuildsThePathFromTheProgramDirectory) {
  SetProcessForTesting("/opt/vz/vadoveziz", {});
  SetIniName("first.ini");
  SetIniName("second.ini");
  EXPECT_EQ(IniName, "second.ini");
  EXPECT_EQ(IniPath, "/opt/vz/second.ini");
  SetProcessForTesting("", {});
}

TEST(ReverseText, ReversesBytes) {
  EXPECT_EQ(ReverseText(""), "");
  EXPECT_EQ(ReverseText("C:\\a\\b.ini"), "ini.b\\a\\:C");
  EXPECT_EQ(ReverseText("\x95\x5C"), "\x5C\x95");  // 表 comes out with its bytes swapped
}

TEST(LastPos, FindsTheLastOccurrence) {
  struct Case {
    std::string sub, s;
    int position;
  };
  const std::vector<Case> cases = {
      {"\\", "C:\\a\\b.ini", 5},
      {"\\", "b.ini", 0},
      {"\\", "C:\\a\\", 5},
      {"\\", "\\", 1},
      {"ab", "abab", 3},
      {"aa", "aaa", 2},
      {"ab", "ba", 0},
      {"abc", "ab", 0},  // longer than s
      {"\\", "", 0},
      {"", "abc", 0},
      {"", "", 0},
      {"\\", "C:\\\x95\\", 5},  // byte-wise: the trail byte of 表 counts
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LastPos(c.sub, c.s), c.position) << c.sub << " in " << c.s;
  }
}

TEST(BareFileName, TakesWhatFollowsTheLastDelimiter) {
  struct Case {
    std::string path;
    char delimiter;
    std::string bare;
  };
  const std::vector<Case> cases = {
      {"C:\\a\\b.ini", '\\', "b.ini"},
      {"b.ini", '\\', "b.ini"},
      {"C:\\a\\", '\\', ""},
      {"", '\\', ""},
      {"C:\\\x90\xDD\x92\xE8\\\x95\x5C.ini", '\\', "\x95\x5C.ini"},  // C:\設定\表.ini
      {"C:\\a\\\x95\x5C", '\\', "\x95\x5C"},
      {"C:\\a\\x\x95", '\\', "x\x95"},  // a lead byte at the very end
      {"/home/u/a.ini", '/', "a.ini"},
      {"/home/u/\x95\x5C.ini", '/', "\x95\x5C.ini"},
      {"/home/u\\v/a\\b.ini", '/', "a\\b.ini"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BareFileNameWith(c.path, c.delimiter), c.bare) << testing::PrintToString(c.path);
  }
  EXPECT_EQ(BareFileName(std::string("/x/y") + PathDelim + "z.ini"), "z.ini");
}

}  // namespace
