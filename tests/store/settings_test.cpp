#include "store/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/exceptions.h"
#include "platform/text.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Every variable set to a value no load or default gives, so a read that did not happen shows.
void Scramble() {
  app_path = dat_path = shift_app_path = Edit_path = title_inifile_namestring = "stale";
  Width = title_inifile = title_inifile_name = title_combo_value = combo_down = downcount = -77;
}

// The values the save tests write; the expected files hold them.
void SetEditedValues() {
  app_path = Ansi("C:\\Program Files\\エディタ\\ed.exe \"%P\"");
  dat_path = Ansi("C:\\設定\\表.dat");
  shift_app_path = "viewer.exe %P";
  Edit_path = "";
  Width = 800;
  title_inifile = 0;
  title_inifile_name = 1;
  title_inifile_namestring = Ansi("新しい名前");
  title_combo_value = 1;
  combo_down = 0;
  downcount = 12;
}

class SettingsFile : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::path(testing::TempDir()) / "vz-settings-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    Scramble();
  }
  void TearDown() override { fs::remove_all(dir_); }

  // A fixture copied into the temporary directory; returns its path there.
  std::string Copy(const std::string& fixture) {
    fs::copy_file(fs::path(VZ_FIXTURES) / fixture, dir_ / fixture);
    return (dir_ / fixture).string();
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  // Loads and records each position value handed over, in order.
  std::vector<std::string> Load(const std::string& path) {
    std::vector<std::string> calls;
    LoadSettingsFile(path, {[&](std::int32_t v) { calls.push_back("Top " + IntToStr(v)); },
                            [&](std::int32_t v) { calls.push_back("Left " + IntToStr(v)); }});
    return calls;
  }

  fs::path dir_;
};

TEST_F(SettingsFile, MissingFileGivesDefaults) {
  EXPECT_EQ(Load(Path("none.ini")), (std::vector<std::string>{"Top 0", "Left 0"}));
  EXPECT_EQ(app_path, "");
  EXPECT_EQ(dat_path, "");
  EXPECT_EQ(shift_app_path, "");
  EXPECT_EQ(Edit_path, "");
  EXPECT_EQ(Width, 200);
  EXPECT_EQ(title_inifile, 0);
  EXPECT_EQ(title_inifile_name, 0);
  EXPECT_EQ(title_inifile_namestring, "");
  EXPECT_EQ(title_combo_value, 0);
  EXPECT_EQ(combo_down, 0);
  EXPECT_EQ(downcount, 5);
  EXPECT_FALSE(fs::exists(Path("none.ini")));
}

TEST_F(SettingsFile, LoadsEveryKeyOfZuzozisFile) {
  EXPECT_EQ(Load(Copy("shared.ini")), (std::vector<std::string>{"Top 120", "Left -8"}));
  EXPECT_EQ(app_path, "notepad.exe %P");
  EXPECT_EQ(dat_path, "C:\\old.dat");
  EXPECT_EQ(shift_app_path, "");  // not in the file
  EXPECT_EQ(Edit_path, "old-editor.exe");
  EXPECT_EQ(Width, 640);
  EXPECT_EQ(title_inifile, 1);
  EXPECT_EQ(title_inifile_name, 0);  // not in the file
  EXPECT_EQ(title_inifile_namestring, Ansi("古い名前"));
  EXPECT_EQ(title_combo_value, 0);
  EXPECT_EQ(combo_down, 1);
  EXPECT_EQ(downcount, 8);
}

TEST_F(SettingsFile, PositionIsHandedOverAsSoonAsItIsRead) {
  const std::string path = Path("pos.ini");
  WriteFile(path, "[Pos]\r\nLeft=30\r\nTop=20\r\nWidth=300\r\n[title]\r\ntitle_inifile=1\r\n");
  std::vector<std::string> seen;
  // What the settings hold at each hand-over shows where in the reading order it happens.
  auto state = [] { return IntToStr(Width) + "/" + IntToStr(title_inifile); };
  LoadSettingsFile(path, {[&](std::int32_t v) { seen.push_back("Top " + IntToStr(v) + " " + state()); },
                          [&](std::int32_t v) { seen.push_back("Left " + IntToStr(v) + " " + state()); }});
  EXPECT_EQ(seen, (std::vector<std::string>{"Top 20 300/-77", "Left 30 300/-77"}));
  EXPECT_EQ(title_inifile, 1);
}

struct ValueCase {
  std::string text;  // as it stands in the file
  std::int32_t value;
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << testing::PrintToString(c.text); }

class IntegerValue : public SettingsFile, public testing::WithParamInterface<ValueCase> {};

TEST_P(IntegerValue, LoadsByTheIntegerConversionOrTheDefault) {
  const std::string path = Path("value.ini");
  WriteFile(path, "[combo]\r\ndowncount=" + GetParam().text + "\r\n");
  Load(path);
  EXPECT_EQ(downcount, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, IntegerValue,
    testing::Values(ValueCase{"8", 8}, ValueCase{"0x10", 16}, ValueCase{"$10", 16},
                    ValueCase{"x10", 16}, ValueCase{" 7", 7}, ValueCase{"7a", 5},
                    ValueCase{"", 5}, ValueCase{"-$10", 5}, ValueCase{"-0x10", 5},
                    ValueCase{"$FFFFFFFF", -1}, ValueCase{"2147483648", 5},
                    ValueCase{"-2147483648", INT32_MIN}),
    [](const testing::TestParamInfo<ValueCase>& info) { return "value" + std::to_string(info.index); });

TEST_F(SettingsFile, FlagsKeepTheNumberRead) {
  // The dialog decides on and off (> 0); the store keeps the number, so -1 stays -1 (off).
  const std::string path = Path("flags.ini");
  WriteFile(path,
            "[title]\r\ntitle_inifile=-1\r\ntitle_inifile_name=2\r\ntitle_combo_value=x\r\n"
            "[combo]\r\ncombo_down=1\r\n");
  Load(path);
  EXPECT_EQ(title_inifile, -1);
  EXPECT_EQ(title_inifile_name, 2);
  EXPECT_EQ(title_combo_value, 0);
  EXPECT_EQ(combo_down, 1);
}

TEST_F(SettingsFile, LongValuesSurviveLoadAndSaveWhole) {
  for (std::size_t length : {3000u, 100000u}) {
    SCOPED_TRACE(length);
    // Double-byte text across the whole length, so a cut anywhere would show.
    std::string long1, long2;
    while (long1.size() < length) long1 += Ansi("表示設定") + "\\dir";
    while (long2.size() < length) long2 += "x" + IntToStr(static_cast<std::int32_t>(long2.size()));
    const std::string path = Path("long" + IntToStr(static_cast<std::int32_t>(length)) + ".ini");
    const std::string file =
        "[Path]\r\napp_path=" + long1 + "\r\ndat_path=d\r\nshift_app_path=s\r\nEdit_path=e\r\n"
        "[Pos]\r\nWidth=200\r\n[title]\r\ntitle_inifile=0\r\ntitle_inifile_name=0\r\n"
        "title_inifile_namestring=" + long2 + "\r\ntitle_combo_value=0\r\n"
        "[combo]\r\ncombo_down=0\r\ndowncount=5\r\n";
    WriteFile(path, file);
    Load(path);
    EXPECT_EQ(app_path, long1);
    EXPECT_EQ(title_inifile_namestring, long2);
    SaveSettingsFile(path);
    EXPECT_EQ(ReadFile(path), file);
  }
}

TEST_F(SettingsFile, SaveChangesOnlyTheWrittenKeys) {
  const std::string path = Copy("shared.ini");
  SetEditedValues();
  SaveSettingsFile(path);
  EXPECT_EQ(ReadFile(path), ReadFile(fs::path(VZ_FIXTURES) / "shared.expected.ini"));
}

TEST_F(SettingsFile, SaveCreatesAMissingFileInTheWritingOrder) {
  const std::string path = Path("new.ini");
  SetEditedValues();
  SaveSettingsFile(path);
  EXPECT_EQ(ReadFile(path), ReadFile(fs::path(VZ_FIXTURES) / "created.expected.ini"));
}

TEST_F(SettingsFile, SavedFileLoadsBackTheSameValues) {
  const std::string path = Path("round.ini");
  SetEditedValues();
  SaveSettingsFile(path);
  Scramble();
  Load(path);
  EXPECT_EQ(app_path, Ansi("C:\\Program Files\\エディタ\\ed.exe \"%P\""));
  EXPECT_EQ(dat_path, Ansi("C:\\設定\\表.dat"));
  EXPECT_EQ(shift_app_path, "viewer.exe %P");
  EXPECT_EQ(Edit_path, "");
  EXPECT_EQ(Width, 800);
  EXPECT_EQ(title_inifile, 0);
  EXPECT_EQ(title_inifile_name, 1);
  EXPECT_EQ(title_inifile_namestring, Ansi("新しい名前"));
  EXPECT_EQ(title_combo_value, 1);
  EXPECT_EQ(combo_down, 0);
  EXPECT_EQ(downcount, 12);
}

TEST_F(SettingsFile, FailedWriteNamesTheFile) {
  const std::string path = Path("missing-dir/zuzozi.ini");
  SetEditedValues();
  try {
    SaveSettingsFile(path);
    FAIL() << "no error";
  } catch (const EIniFileException& error) {
    // に書き込めません in code page 932
    EXPECT_EQ(error.Message(), path + " \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1");
  }
  EXPECT_FALSE(fs::exists(Path("missing-dir")));
}

}  // namespace
