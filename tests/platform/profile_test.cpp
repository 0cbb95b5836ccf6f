#include "platform/profile.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "platform/profile_file.h"
#include "platform/text.h"
#include "scratch_dir.h"

namespace {

using namespace std::string_literals;

std::string Fixture(const std::string& name) {
  return ScratchDir::ReadFile(std::string(VZ_FIXTURES) + "/profile/" + name);
}

// Makes the listed steps of the next writes fail; cleared when the test ends.
class FaultGuard {
 public:
  explicit FaultGuard(std::map<ProfileFileStep, int> faults) {
    SetProfileFileFault([faults](ProfileFileStep step) {
      auto it = faults.find(step);
      return it == faults.end() ? 0 : it->second;
    });
  }
  ~FaultGuard() { SetProfileFileFault(nullptr); }
};

// ---- Reading ---------------------------------------------------------------------------------

struct ReadCase {
  const char* name;
  const char* fixture;  // nullptr: no file at all
  std::string section, key, defaultValue, expected;
};

class ProfileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, GivesTheValueWindowsWouldSee) {
  const ReadCase& c = GetParam();
  ScratchDir dir;
  if (c.fixture) dir.Write("settings.ini", Fixture(c.fixture));
  EXPECT_EQ(GetPrivateProfileString(c.section, c.key, c.defaultValue, dir.Path("settings.ini")),
            c.expected);
}

const ReadCase kReadCases[] = {
    {"CrLf", "basic.ini", "Path", "app_path", "", "C:\\Tools\\app.exe \"%P\""},
    {"LfEnding", "endings.ini", "a", "k1", "", "v1"},
    {"LoneCrEnding", "endings.ini", "a", "k2", "", "v2"},
    {"LastLineWithoutEnding", "endings.ini", "a", "k3", "", "v3"},
    {"HeaderBlanksAndJunkIgnored", "headers.ini", "Sec One", "k", "", "1"},
    {"EmptySectionName", "headers.ini", "", "k", "", "empty"},
    {"TabsAroundSectionName", "headers.ini", "Tab", "k", "", "tab"},
    {"TrailByteIsNoClosingBracket", "headers.ini", "\x81\x5dz", "k", "", "trail"},
    {"CommentedKeySkipped", "comments.ini", "s", "k", "", "real"},
    {"IndentedComment", "comments.ini", "s", "k2", "d", "d"},
    {"HashIsNoComment", "comments.ini", "s", "#k3", "", "hash"},
    {"BlanksAroundKeyAndValue", "keylines.ini", "s", "key", "", "value with  inner"},
    {"LineWithoutEquals", "keylines.ini", "s", "noequals", "d", "d"},
    {"EmptyValue", "keylines.ini", "s", "empty", "d", ""},
    {"FirstEqualsSplits", "keylines.ini", "s", "a", "", "b=c"},
    {"BackslashSemicolonQuoteMeanNothing", "keylines.ini", "s", "path", "", "C:\\dir\\;x \"q"},
    {"LinesBeforeFirstSection", "before.ini", "", "k", "d", "d"},
    {"SectionAfterStrayLines", "before.ini", "s", "k", "", "after"},
    {"Utf8BomHidesFirstHeader", "bom8.ini", "s", "k", "d", "d"},
    {"Utf8BomLaterSection", "bom8.ini", "t", "k", "", "2"},
    {"Utf16LittleEndian", "utf16le.ini", "s", "k", "d", "d"},
    {"Utf16BigEndian", "utf16be.ini", "s", "k", "d", "d"},
    {"AsciiCaseFolded", "case.ini", "path", "app_path", "", "x"},
    {"TrailByteNotFolded", "case.ini", "\x83\x61", "k", "", "b"},
    {"DoubleByteExact", "case.ini", "\x83\x41", "k", "", "a"},
    {"FirstOfDuplicateKeys", "dup.ini", "s", "k", "", "first"},
    {"OnlyFirstOfDuplicateSections", "dup.ini", "S", "other", "d", "d"},
    {"CallerNamesLoseSpaces", "basic.ini", "  Pos ", "  Width  ", "", "200"},
    {"DoubleQuotesStripped", "quotes.ini", "s", "dq", "", "a b"},
    {"SingleQuotesStripped", "quotes.ini", "s", "sq", "", "a b"},
    {"MismatchedQuotesKept", "quotes.ini", "s", "mixed", "", "\"a'"},
    {"LoneQuoteKept", "quotes.ini", "s", "one", "", "\""},
    {"EmptyQuotes", "quotes.ini", "s", "two", "", ""},
    {"QuotesAfterTrimKeepInnerBlanks", "quotes.ini", "s", "inner", "", " x "},
    {"OnePairOnly", "quotes.ini", "s", "nested", "", "\"x\""},
    {"NulInValue", "bytes.ini", "s", "nul", "", "a\0b"s},
    {"InvalidDoubleByte", "bytes.ini", "s", "bad", "", "\x82 \x81"},
    {"LoneLeadByteEndsValue", "bytes.ini", "s", "lead", "", "ab\x82"},
    {"LoneLeadByteEndsFile", "bytes.ini", "t", "end", "", "cd\x82"},
    {"MissingKeyDefaultLosesTrailingSpaces", "basic.ini", "Pos", "Left", "0  ", "0"},
    {"MissingSectionDefaultKeepsLeadingSpaces", "basic.ini", "Nope", "k", " d  ", " d"},
    {"MissingFile", nullptr, "s", "k", "dflt ", "dflt"},
};

INSTANTIATE_TEST_SUITE_P(Rules, ProfileRead, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Writing ---------------------------------------------------------------------------------

struct WriteCase {
  const char* name;
  const char* fixture;  // nullptr: no file at all
  std::string section, key, value;
  const char* expected;
};

class ProfileWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, ChangesOnlyTheKeyLine) {
  const WriteCase& c = GetParam();
  ScratchDir dir;
  if (c.fixture) dir.Write("settings.ini", Fixture(c.fixture));
  ASSERT_TRUE(WritePrivateProfileString(c.section, c.key, c.value, dir.Path("settings.ini")));
  EXPECT_EQ(dir.Read("settings.ini"), Fixture(c.expected));
  EXPECT_EQ(dir.Entries(), std::set<std::string>{"settings.ini"});
  if (c.value.find_first_of(" \t\"'") == std::string::npos) {
    EXPECT_EQ(GetPrivateProfileString(c.section, c.key, "?", dir.Path("settings.ini")), c.value);
  }
}

const WriteCase kWriteCases[] = {
    {"Replace", "basic.ini", "Path", "dat_path", "new.dat", "basic.replace.expected"},
    {"ReplaceKeepsFileSpelling", "basic.ini", "path", "APP_PATH", "x", "basic.spelling.expected"},
    {"ValueWrittenRaw", "basic.ini", "Pos", "Width", "  \"spaced\"  ", "basic.raw.expected"},
    {"EmptyValueKeepsKey", "basic.ini", "Pos", "Top", "", "basic.emptyvalue.expected"},
    {"ReplaceKeepsLoneCr", "endings.ini", "a", "k2", "new", "endings.k2.expected"},
    {"ReplaceKeepsMissingEnding", "endings.ini", "a", "k3", "new", "endings.k3.expected"},
    {"InsertIntoMixedEndingsUsesCrLf", "endings.ini", "a", "k4", "v", "endings.newkey.expected"},
    {"InsertUnderHeaderWithJunk", "headers.ini", "Sec One", "n", "v", "headers.insert.expected"},
    {"ReplaceSkipsCommentedKey", "comments.ini", "s", "k", "w", "comments.replace.expected"},
    {"CommentedKeyIsNew", "comments.ini", "s", "k2", "v", "comments.k2.expected"},
    {"ReplaceDropsBlanksOfLine", "keylines.ini", "s", "key", "new", "keylines.replace.expected"},
    {"LinesBeforeFirstSectionKept", "before.ini", "s", "k", "w", "before.replace.expected"},
    {"Utf8BomLineIsNoHeader", "bom8.ini", "s", "k", "v", "bom8.append.expected"},
    {"CaseFoldedMatch", "case.ini", "path", "app_path", "y", "case.spelling.expected"},
    {"TrailByteNotFolded", "case.ini", "\x83\x61", "k", "z", "case.trail.expected"},
    {"FirstOfDuplicates", "dup.ini", "S", "K", "w", "dup.replace.expected"},
    {"InsertIntoFirstOfDuplicates", "dup.ini", "s", "other", "v", "dup.insert.expected"},
    {"OddBytesKept", "bytes.ini", "s", "lead", "z", "bytes.replace.expected"},
    {"InsertBeforeBlankLines", "sections.ini", "a", "new", "v", "sections.a.expected"},
    {"InsertWithCallerSpaces", "sections.ini", "  a ", "  new ", "v", "sections.a.expected"},
    {"InsertIntoLastSection", "sections.ini", "b", "new", "v", "sections.b.expected"},
    {"AppendSection", "sections.ini", "c", "k", "v", "sections.c.expected"},
    {"InsertUnderBareHeader", "headeronly.ini", "a", "new", "v", "headeronly.insert.expected"},
    {"InsertAfterLineWithoutEnding", "noeol.ini", "a", "new", "v", "noeol.insert.expected"},
    {"AppendAfterLineWithoutEnding", "noeol.ini", "b", "k", "v", "noeol.append.expected"},
    {"InsertIntoLfFile", "lf.ini", "a", "new", "v", "lf.insert.expected"},
    {"AppendToLfFile", "lf.ini", "c", "k", "v", "lf.append.expected"},
    {"AppendToMixedFileUsesCrLf", "mixed.ini", "b", "k", "v", "mixed.append.expected"},
    {"InsertIntoCrFileUsesCrLf", "cr.ini", "a", "new", "v", "cr.insert.expected"},
    {"EmptyFile", "empty.ini", "s", "k", "v", "new.expected"},
    {"MissingFileCreated", nullptr, "s", "k", "v", "new.expected"},
    {"InsertBeforeOtherLines", "otherlines.ini", "a", "new", "v", "otherlines.insert.expected"},
};

INSTANTIATE_TEST_SUITE_P(Rules, ProfileWrite, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileWriteUnicode, FailsAndLeavesTheFile) {
  for (const char* fixture : {"utf16le.ini", "utf16be.ini"}) {
    SCOPED_TRACE(fixture);
    ScratchDir dir;
    dir.Write("settings.ini", Fixture(fixture));
    EXPECT_FALSE(WritePrivateProfileString("s", "k", "2", dir.Path("settings.ini")));
    EXPECT_EQ(dir.Read("settings.ini"), Fixture(fixture));
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"settings.ini"});
  }
}

// A line break in a name or a value would add lines that nobody meant to write.
TEST(ProfileWriteLineBreak, FailsAndLeavesTheFile) {
  struct {
    const char *section, *key, *value;
  } cases[] = {{"Path", "app_path", "a.exe\r\n[Pos]\r\nWidth=1"}, {"Path", "app_path", "a\nb"},
               {"Path", "app_path", "a\rb"}, {"Path", "app\n_path", "a"}, {"Pa\r\nth", "app_path", "a"}};
  const std::string before = "[Path]\r\napp_path=old.exe\r\n";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    ScratchDir dir;
    dir.Write("settings.ini", before);
    EXPECT_FALSE(WritePrivateProfileString(c.section, c.key, c.value, dir.Path("settings.ini")));
    EXPECT_EQ(dir.Read("settings.ini"), before);
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"settings.ini"});
  }
}

TEST(ProfileWrite, SuccessiveWritesBuildTheFile) {
  ScratchDir dir;
  const std::string file = dir.Path("settings.ini");
  ASSERT_TRUE(WritePrivateProfileString("Path", "app_path", "a.exe", file));
  ASSERT_TRUE(WritePrivateProfileString("Pos", "Width", "200", file));
  ASSERT_TRUE(WritePrivateProfileString("Path", "dat_path", "d.dat", file));
  ASSERT_TRUE(WritePrivateProfileString("Path", "app_path", "b.exe", file));
  EXPECT_EQ(dir.Read("settings.ini"),
            "[Path]\r\napp_path=b.exe\r\ndat_path=d.dat\r\n[Pos]\r\nWidth=200\r\n");
}

// ---- File names --------------------------------------------------------------------------------

TEST(ProfileFileName, CodePageNameBecomesUtf8OnDisk) {
  ScratchDir dir;
  const std::string name = dir.Path() + "/" + Ansi("設定.ini");
  ASSERT_TRUE(WritePrivateProfileString("s", "k", "v", name));
  EXPECT_EQ(dir.Entries(), std::set<std::string>{"設定.ini"});
  EXPECT_EQ(GetPrivateProfileString("s", "k", "", name), "v");
}

TEST(ProfileFileName, UnconvertibleNameReadsDefaultAndFailsWrite) {
  ScratchDir dir;
  const std::string name = dir.Path() + "/bad\x82";  // a lead byte with nothing after it
  EXPECT_EQ(GetPrivateProfileString("s", "k", "d", name), "d");
  EXPECT_FALSE(WritePrivateProfileString("s", "k", "v", name));
  EXPECT_TRUE(dir.Entries().empty());
}

TEST(ProfileFlush, ReportsSuccess) {
  ScratchDir dir;
  EXPECT_TRUE(FlushPrivateProfile(dir.Path("missing.ini")));
}

// ---- Files that must not break the reader ------------------------------------------------------

TEST(ProfileSurvival, WholeLongValueIsReturned) {
  ScratchDir dir;
  const std::string value(3000, 'v');
  dir.Write("settings.ini", "[s]\r\nk=" + value + "\r\n");
  EXPECT_EQ(GetPrivateProfileString("s", "k", "", dir.Path("settings.ini")), value);
}

TEST(ProfileSurvival, MegabyteLines) {
  ScratchDir dir;
  const std::string big(1 << 20, 'x');
  for (const std::string& tail : {"\r\nafter=1\r\n"s, ""s}) {
    const std::string original = "[s]\r\nk=" + big + tail;
    dir.Write("settings.ini", original);
    EXPECT_EQ(GetPrivateProfileString("s", "k", "", dir.Path("settings.ini")), big);
    ASSERT_TRUE(WritePrivateProfileString("s", "after", "2", dir.Path("settings.ini")));
    const std::string written = dir.Read("settings.ini");
    EXPECT_EQ(written.substr(0, 7 + big.size()), original.substr(0, 7 + big.size()));
    EXPECT_EQ(GetPrivateProfileString("s", "after", "", dir.Path("settings.ini")), "2");
  }
}

TEST(ProfileSurvival, FiftyMegabyteFile) {
  ScratchDir dir;
  std::string original = "[s]\r\n";
  const std::string filler(48, 'f');
  for (int i = 0; original.size() < (50u << 20); ++i)
    original += "key" + std::to_string(i) + "=" + filler + "\r\n";
  original += "last=end\r\n";
  dir.Write("settings.ini", original);
  EXPECT_EQ(GetPrivateProfileString("s", "last", "", dir.Path("settings.ini")), "end");
  ASSERT_TRUE(WritePrivateProfileString("s", "new", "v", dir.Path("settings.ini")));
  EXPECT_EQ(dir.Read("settings.ini"), original + "new=v\r\n");
}

TEST(ProfileSurvival, BinaryGarbage) {
  ScratchDir dir;
  std::mt19937 random(1234);
  std::string garbage(1 << 20, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  dir.Write("settings.ini", garbage);
  GetPrivateProfileString("s", "k", "", dir.Path("settings.ini"));
  ASSERT_TRUE(WritePrivateProfileString("vz section", "k", "v", dir.Path("settings.ini")));
  EXPECT_EQ(dir.Read("settings.ini").substr(0, garbage.size()), garbage);
  EXPECT_EQ(GetPrivateProfileString("vz section", "k", "", dir.Path("settings.ini")), "v");
}

TEST(ProfileSurvival, FifoDoesNotHang) {
  ScratchDir dir;
  ASSERT_EQ(::mkfifo(dir.Path("settings.ini").c_str(), 0600), 0);
  EXPECT_EQ(GetPrivateProfileString("s", "k", "d", dir.Path("settings.ini")), "d");
  EXPECT_FALSE(WritePrivateProfileString("s", "k", "v", dir.Path("settings.ini")));
}

// ---- Failed writes: the old file intact, nothing left behind -----------------------------------

class ProfileWriteFailure : public ::testing::Test {
 protected:
  void SetUp() override { dir_.Write("settings.ini", Fixture("basic.ini")); }
  void ExpectIntact() const {
    EXPECT_EQ(dir_.Read("settings.ini"), Fixture("basic.ini"));
    EXPECT_EQ(dir_.Entries(), std::set<std::string>{"settings.ini"});
  }
  bool Write() const { return WritePrivateProfileString("Pos", "Width", "640", dir_.Path("settings.ini")); }
  ScratchDir dir_;
};

TEST_F(ProfileWriteFailure, MissingDirectory) {
  EXPECT_FALSE(WritePrivateProfileString("s", "k", "v", dir_.Path("nodir/settings.ini")));
  ExpectIntact();
}

TEST_F(ProfileWriteFailure, PathIsADirectory) {
  std::filesystem::create_directory(dir_.Path("sub.ini"));
  EXPECT_FALSE(WritePrivateProfileString("s", "k", "v", dir_.Path("sub.ini")));
  EXPECT_TRUE(std::filesystem::is_directory(dir_.Path("sub.ini")));
  EXPECT_TRUE(dir_.Entries("sub.ini").empty());
}

struct FaultCase {
  const char* name;
  std::map<ProfileFileStep, int> faults;
};

class ProfileInjectedFailure : public ProfileWriteFailure,
                               public ::testing::WithParamInterface<FaultCase> {};

TEST_P(ProfileInjectedFailure, ReportsAndKeepsTheFile) {
  FaultGuard guard(GetParam().faults);
  EXPECT_FALSE(Write());
  ExpectIntact();
}

const FaultCase kFaultCases[] = {
    {"NoInodesForTemp", {{ProfileFileStep::CreateTemp, ENOSPC}}},
    {"DiskFullWritingTemp", {{ProfileFileStep::WriteTemp, ENOSPC}}},
    {"SyncFails", {{ProfileFileStep::SyncTemp, EIO}}},
    {"RenameRefused", {{ProfileFileStep::Rename, EACCES}}},
    {"DirectoryAndFileRefuse",
     {{ProfileFileStep::CreateTemp, EACCES}, {ProfileFileStep::OpenInPlace, EACCES}}},
    {"DirectoryRefusesAndDiskFull",
     {{ProfileFileStep::CreateTemp, EACCES}, {ProfileFileStep::WriteInPlace, ENOSPC}}},
};

INSTANTIATE_TEST_SUITE_P(Steps, ProfileInjectedFailure, ::testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileWriteFailure, DirectoryRefusingNewFilesRewritesInPlace) {
  struct stat before;
  ASSERT_EQ(::stat(dir_.Path("settings.ini").c_str(), &before), 0);
  FaultGuard guard({{ProfileFileStep::CreateTemp, EACCES}});
  ASSERT_TRUE(Write());
  std::string expected = Fixture("basic.ini");
  expected.replace(expected.find("Width=200"), 9, "Width=640");
  EXPECT_EQ(dir_.Read("settings.ini"), expected);
  struct stat after;
  ASSERT_EQ(::stat(dir_.Path("settings.ini").c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
}

TEST_F(ProfileWriteFailure, PermissionBits) {
  if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
  ::chmod(dir_.Path("settings.ini").c_str(), 0444);
  EXPECT_FALSE(Write());
  ::chmod(dir_.Path().c_str(), 0555);
  EXPECT_FALSE(Write());
  ::chmod(dir_.Path().c_str(), 0755);
  ExpectIntact();
}

// A tmpfs mounted over a directory of the scratch area; skipped where mounting is not allowed.
class TmpfsMount {
 public:
  TmpfsMount(const std::string& where, const char* options) : where_(where) {
    std::filesystem::create_directory(where);
    mounted_ = ::mount("tmpfs", where.c_str(), "tmpfs", 0, options) == 0;
  }
  ~TmpfsMount() {
    if (mounted_) ::umount2(where_.c_str(), MNT_DETACH);
  }
  bool Mounted() const { return mounted_; }
  bool MakeReadOnly() const {
    return ::mount("tmpfs", where_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

 private:
  std::string where_;
  bool mounted_ = false;
};

TEST_F(ProfileWriteFailure, ReadOnlyFileSystem) {
  TmpfsMount mount(dir_.Path("ro"), "size=64k");
  if (!mount.Mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
  dir_.Write("ro/settings.ini", Fixture("basic.ini"));
  ASSERT_TRUE(mount.MakeReadOnly());
  EXPECT_FALSE(WritePrivateProfileString("Pos", "Width", "640", dir_.Path("ro/settings.ini")));
  EXPECT_EQ(dir_.Read("ro/settings.ini"), Fixture("basic.ini"));
  EXPECT_EQ(dir_.Entries("ro"), std::set<std::string>{"settings.ini"});
}

TEST_F(ProfileWriteFailure, FullFileSystem) {
  TmpfsMount mount(dir_.Path("full"), "size=64k");
  if (!mount.Mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
  const std::string original = "[s]\r\nk=" + std::string(20000, 'x') + "\r\n";
  dir_.Write("full/settings.ini", original);
  {
    std::ofstream filler(dir_.Path("full/filler"), std::ios::binary);
    const std::string block(4096, 'f');
    for (int i = 0; i < 64 && filler; ++i) filler << block << std::flush;
  }
  EXPECT_FALSE(WritePrivateProfileString("s", "k2", "v", dir_.Path("full/settings.ini")));
  EXPECT_EQ(dir_.Read("full/settings.ini"), original);
  EXPECT_EQ(dir_.Entries("full"), (std::set<std::string>{"filler", "settings.ini"}));
}

// ---- What the replacement keeps of the old file ------------------------------------------------

TEST(ProfileReplace, SymbolicLinkStaysALink) {
  ScratchDir dir;
  std::filesystem::create_directory(dir.Path("real"));
  dir.Write("real/settings.ini", Fixture("basic.ini"));
  std::filesystem::create_symlink("real/settings.ini", dir.Path("link.ini"));
  ASSERT_TRUE(WritePrivateProfileString("Path", "dat_path", "new.dat", dir.Path("link.ini")));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Path("link.ini")));
  EXPECT_EQ(std::filesystem::read_symlink(dir.Path("link.ini")), "real/settings.ini");
  EXPECT_EQ(dir.Read("real/settings.ini"), Fixture("basic.replace.expected"));
  EXPECT_EQ(dir.Entries("real"), std::set<std::string>{"settings.ini"});
}

TEST(ProfileReplace, ModeAndOwnerKept) {
  ScratchDir dir;
  dir.Write("settings.ini", Fixture("basic.ini"));
  const std::string file = dir.Path("settings.ini");
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(file.c_str(), 1234, 2345), 0);
  }
  ASSERT_TRUE(WritePrivateProfileString("Pos", "Width", "640", file));
  struct stat st;
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(st.st_uid, 1234u);
    EXPECT_EQ(st.st_gid, 2345u);
  }
}

TEST(ProfileReplace, NewFileFollowsUmask) {
  ScratchDir dir;
  const mode_t old = ::umask(027);
  const bool written = WritePrivateProfileString("s", "k", "v", dir.Path("settings.ini"));
  ::umask(old);
  ASSERT_TRUE(written);
  struct stat st;
  ASSERT_EQ(::stat(dir.Path("settings.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

}  // namespace
