#include "platform/inifiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/exceptions.h"
#include "platform/profile_file.h"
#include "scratch_dir.h"

namespace {

TEST(TIniFile, BindingTouchesNoFile) {
  ScratchDir dir;
  { TIniFile ini(dir.Path("zuzozi.ini")); }
  EXPECT_TRUE(dir.Entries().empty());
}

TEST(TIniFile, ReadStringGivesValueOrDefault) {
  ScratchDir dir;
  dir.Write("zuzozi.ini", "[Path]\r\napp_path= \"C:\\app.exe %P\" \r\n");
  TIniFile ini(dir.Path("zuzozi.ini"));
  EXPECT_EQ(ini.ReadString("Path", "app_path", "d"), "C:\\app.exe %P");
  EXPECT_EQ(ini.ReadString("Path", "dat_path", "d"), "d");
  EXPECT_EQ(ini.ReadString("Other", "app_path", ""), "");
}

TEST(TIniFile, ReadIntegerFallsBackWhenTextDoesNotConvert) {
  struct Case {
    const char* line;  // nullptr: no such key
    std::int32_t expected;
  };
  const std::vector<Case> cases = {
      {"downcount=8", 8},        {"downcount=0x10", 16},   {"downcount= 7", 7},
      {"downcount=7a", 5},       {"downcount=", 5},        {"downcount=$FFFFFFFF", -1},
      {"downcount=2147483648", 5}, {"downcount=-2147483648", -2147483647 - 1},
      {"downcount=\"12\"", 12},  // quotes go before the conversion sees the text
      {nullptr, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line ? c.line : "(missing)");
    ScratchDir dir;
    dir.Write("zuzozi.ini", std::string("[combo]\r\n") + (c.line ? c.line : "") + "\r\n");
    TIniFile ini(dir.Path("zuzozi.ini"));
    EXPECT_EQ(ini.ReadInteger("combo", "downcount", 5), c.expected);
  }
}

TEST(TIniFile, WritesTextAndDecimal) {
  ScratchDir dir;
  dir.Write("zuzozi.ini", "[Pos]\r\nTop=3\r\n[zuzozi]\r\nown=1\r\n");
  {
    TIniFile ini(dir.Path("zuzozi.ini"));
    ini.WriteString("Path", "app_path", "a b.exe %P");
    ini.WriteInteger("Pos", "Width", -5);
    ini.WriteString("Path", "dat_path", "");
    ini.WriteInteger("Pos", "Top", 0);
  }
  EXPECT_EQ(dir.Read("zuzozi.ini"),
            "[Pos]\r\nTop=0\r\nWidth=-5\r\n[zuzozi]\r\nown=1\r\n"
            "[Path]\r\napp_path=a b.exe %P\r\ndat_path=\r\n");
}

TEST(TIniFile, FailedWriteThrowsTheProgramsMessage) {
  ScratchDir dir;
  const std::string file = dir.Path("nodir/zuzozi.ini");
  TIniFile ini(file);
  try {
    ini.WriteString("Path", "app_path", "x");
    FAIL() << "no exception";
  } catch (const EIniFileException& e) {
    // " に書き込めません" in code page 932
    EXPECT_EQ(e.Message(), file + " \x82\xc9\x8f\x91\x82\xab\x8d\x9e\x82\xdf\x82\xdc\x82\xb9\x82\xf1");
  }
  EXPECT_THROW(ini.WriteInteger("Pos", "Width", 1), EIniFileException);
}

// The release flushes even when a write threw, and a failing flush is swallowed.
TEST(TIniFile, ReleaseFlushesAfterAFailedWrite) {
  ScratchDir dir;
  int flushes = 0;
  SetProfileFileFault([&](ProfileFileStep step) {
    if (step != ProfileFileStep::Flush) return 0;
    ++flushes;
    return EIO;
  });
  try {
    TIniFile ini(dir.Path("nodir/zuzozi.ini"));
    ini.WriteString("Path", "app_path", "x");
  } catch (const EIniFileException&) {
  }
  SetProfileFileFault(nullptr);
  EXPECT_EQ(flushes, 1);
}

}  // namespace
