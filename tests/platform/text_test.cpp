#include "platform/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "platform/exceptions.h"

namespace {

// 表示 in code page 932: the trail byte of 表 is 0x5C, the byte of '\'.
const std::string kHyouji = "\x95\x5C\x8E\xA6";

TEST(TextConversion, RoundTripsBetweenCodePageAndUnicode) {
  struct Case {
    std::string ansi;
    std::string utf8;
    std::u16string utf16;
  };
  const std::vector<Case> cases = {
      {"", "", u""},
      {"C:\\a\\b.ini", "C:\\a\\b.ini", u"C:\\a\\b.ini"},
      {kHyouji, "表示", u"表示"},
      {"\xB1\xB2", "ｱｲ", u"ｱｲ"},  // single-byte katakana
      {std::string("a\0b", 3), std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(AnsiToUtf8(c.ansi), c.utf8);
    EXPECT_EQ(Utf8ToAnsi(c.utf8), c.ansi);
    EXPECT_EQ(AnsiToUtf16(c.ansi), c.utf16);
    EXPECT_EQ(Utf16ToAnsi(c.utf16), c.ansi);
  }
  EXPECT_EQ(Ansi("表示"), kHyouji);
}

TEST(TextConversion, RefusesWhatCannotBeConverted) {
  const std::vector<std::string> utf8 = {
      "caf\xC3\xA9",         // é has no bytes in the code page
      "\xF0\x9F\x98\x80",    // an emoji
      "a\xFF" "b",           // not UTF-8 at all
      "\xE8\xA1",            // a character cut off at the end
  };
  for (const auto& text : utf8) {
    SCOPED_TRACE(text);
    EXPECT_THROW(Utf8ToAnsi(text), EEncodingError);
  }
  EXPECT_THROW(Utf16ToAnsi(u"\u00E9"), EEncodingError);
  EXPECT_THROW(Utf16ToAnsi(std::u16string(1, char16_t(0xD800))), EEncodingError);  // lone surrogate

  const std::vector<std::string> ansi = {
      "\x95",          // a lead byte with nothing after it
      "\x95\x20",      // a lead byte followed by a byte that cannot be a trail byte
      "\xA0",          // unassigned
  };
  for (const auto& text : ansi) {
    SCOPED_TRACE(testing::PrintToString(text));
    EXPECT_THROW(AnsiToUtf8(text), EEncodingError);
    EXPECT_THROW(AnsiToUtf16(text), EEncodingError);
  }
}

TEST(TextConversion, ErrorMessageIsInTheCodePage) {
  try {
    Utf8ToAnsi("caf\xC3\xA9");
    FAIL() << "no error";
  } catch (const EEncodingError& error) {
    EXPECT_EQ(error.Message().rfind(Ansi("文字コードを変換できません"), 0), 0u) << error.Message();
  }
}

TEST(IsLeadByte, MatchesTheCodePage) {
  for (int byte = 0; byte < 256; ++byte) {
    const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(byte)), lead) << byte;
  }
}

TEST(IntToStr, WritesPlainSignedDecimal) {
  const std::vector<std::pair<std::int32_t, std::string>> cases = {
      {0, "0"}, {1, "1"}, {200, "200"}, {-5, "-5"},
      {INT32_MAX, "2147483647"}, {INT32_MIN, "-2147483648"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(IntToStr(value), text);
}

struct IntCase {
  std::string text;
  std::optional<std::int32_t> value;  // nullopt: not an integer
};

void PrintTo(const IntCase& c, std::ostream* os) { *os << testing::PrintToString(c.text); }

class IntegerConversion : public testing::TestWithParam<IntCase> {};

TEST_P(IntegerConversion, TryStrToIntAndStrToIntAgree) {
  const IntCase& c = GetParam();
  EXPECT_EQ(TryStrToInt(c.text), c.value);
  if (c.value) {
    EXPECT_EQ(StrToInt(c.text), *c.value);
  } else {
    EXPECT_THROW(StrToInt(c.text), EConvertError);
  }
}

const std::nullopt_t kFails = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Forms, IntegerConversion,
    testing::Values(
        // hexadecimal prefixes
        IntCase{"0x10", 16}, IntCase{"$10", 16}, IntCase{"x10", 16}, IntCase{"X10", 16},
        IntCase{"0X10", 16}, IntCase{"$A", 10}, IntCase{"$ff", 255},
        IntCase{"$FFFFFFFF", -1}, IntCase{"$80000000", INT32_MIN},
        IntCase{"$7FFFFFFF", INT32_MAX}, IntCase{"$000000010", 16},
        IntCase{"$100000000", kFails}, IntCase{"$", kFails}, IntCase{"0x", kFails},
        IntCase{"x", kFails}, IntCase{"$G", kFails}, IntCase{"$1 ", kFails},
        IntCase{"0x-1", kFails},
        // signs
        IntCase{"+5", 5}, IntCase{"-5", -5}, IntCase{"+", kFails}, IntCase{"-", kFails},
        IntCase{"- 5", kFails}, IntCase{"+-5", kFails}, IntCase{"--5", kFails},
        IntCase{"-$10", kFails}, IntCase{"-0x10", kFails}, IntCase{"-$A", kFails},
        IntCase{"+$A", kFails},
        // plain decimal and its range
        IntCase{"0", 0}, IntCase{"007", 7}, IntCase{"2147483647", INT32_MAX},
        IntCase{"2147483648", kFails}, IntCase{"-2147483648", INT32_MIN},
        IntCase{"-2147483649", kFails}, IntCase{"00000000002147483647", INT32_MAX},
        IntCase{"99999999999999999999999", kFails}, IntCase{"7a", kFails},
        // blanks: only leading spaces are skipped
        IntCase{" 7", 7}, IntCase{"   -7", -7}, IntCase{"", kFails}, IntCase{"   ", kFails},
        IntCase{"250 ", kFails}, IntCase{"\t250", kFails}, IntCase{"\n250", kFails},
        IntCase{std::string("25\0", 3), kFails}),
    [](const testing::TestParamInfo<IntCase>& info) { return "case" + std::to_string(info.index); });

TEST(StrToInt, MessageQuotesTheWholeText) {
  const std::vector<std::string> texts = {"7a", "", " 12 ", kHyouji};
  for (const auto& text : texts) {
    try {
      StrToInt(text);
      ADD_FAILURE() << "no error for " << text;
    } catch (const EConvertError& error) {
      // ' text ' は整数ではありません, in code page 932
      const std::string expected =
          "'" + text + "' \x82\xCD\x90\xAE\x90\x94\x82\xC5\x82\xCD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1";
      EXPECT_EQ(error.Message(), expected);
    }
  }
}

TEST(Format, ReplacesEachPlaceholderInOrder) {
  EXPECT_EQ(Format(Ansi("%s に %s"), {"a", kHyouji}), Ansi("a に 表示"));
  EXPECT_EQ(Format("%s", {"%s"}), "%s");  // an inserted text is not scanned again
  EXPECT_EQ(Format("100%", {}), "100%");
  EXPECT_EQ(Format("%s and %s", {"one"}), "one and %s");  // more placeholders than texts
}

}  // namespace
