#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/exceptions.h"
#include "platform/icon.h"

namespace {

TEST(IconTest, ReadsPaletteAndPixelsSkippingCommentsAndBlankLines) {
  const TIconImage image = ReadIconImage(
      "# a small diamond\r\n"
      "3 2\n"
      "\n"
      ". transparent\n"
      "o FFAA00\n"
      "r ff4848\n"
      "pixels\n"
      ".o.\n"
      "# the middle row\n"
      "oro\n");
  EXPECT_EQ(image.Width, 3);
  EXPECT_EQ(image.Height, 2);
  EXPECT_EQ(image.Palette, (std::vector<TColor>{0x0000AAFF, 0x004848FF}));
  EXPECT_EQ(image.Pixels, (std::vector<int>{-1, 0, -1, 0, 1, 0}));
}

struct TBadIcon {
  const char* name;
  const char* text;
  const char* message;
};

class BadIconTest : public ::testing::TestWithParam<TBadIcon> {};

TEST_P(BadIconTest, FailsNamingTheLine) {
  try {
    ReadIconImage(GetParam().text);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Errors, BadIconTest,
    ::testing::Values(
        TBadIcon{"Empty", "# only a comment\n", "icon line 1: empty image"},
        TBadIcon{"NoHeight", "2\n", "icon line 1: expected \"<width> <height>\", each 1 to 256"},
        TBadIcon{"ZeroWidth", "0 2\n", "icon line 1: expected \"<width> <height>\", each 1 to 256"},
        TBadIcon{"TooLarge", "257 1\n", "icon line 1: expected \"<width> <height>\", each 1 to 256"},
        TBadIcon{"BadColour", "1 1\na 12345G\npixels\na\n", "icon line 2: expected a colour RRGGBB or transparent"},
        TBadIcon{"ShortColour", "1 1\na 12345\npixels\na\n", "icon line 2: expected a colour RRGGBB or transparent"},
        TBadIcon{"NoSpace", "1 1\nab12345\npixels\na\n", "icon line 2: expected \"<char> <RRGGBB>\""},
        TBadIcon{"TwiceInPalette", "1 1\na 000000\na transparent\npixels\na\n",
                 "icon line 3: palette character 'a' given twice"},
        TBadIcon{"NoPixels", "1 1\na 000000\n", "icon line 2: missing \"pixels\""},
        TBadIcon{"RowTooShort", "2 1\na 000000\npixels\na\n", "icon line 4: expected 2 pixels"},
        TBadIcon{"UnknownCharacter", "1 1\na 000000\npixels\nb\n", "icon line 4: character 'b' is not in the palette"},
        TBadIcon{"MissingRow", "1 2\na 000000\npixels\na\n", "icon line 4: expected 2 rows of pixels"},
        TBadIcon{"ExtraRow", "1 1\na 000000\npixels\na\na\n", "icon line 5: more rows than the height"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
