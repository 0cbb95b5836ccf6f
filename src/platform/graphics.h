#pragma once
// Colours and fonts by name. A colour is 0x00BBGGRR, or a system colour (high byte 0xFF) that the
// backend resolves to the desktop's palette.
#include <cstdint>
#include <string>
#include <vector>

using TColor = std::int32_t;

inline constexpr TColor clSilver = 0x00C0C0C0;
inline constexpr TColor clWindow = static_cast<TColor>(0xFF000005);
inline constexpr TColor clWindowText = static_cast<TColor>(0xFF000008);
inline constexpr TColor clBtnFace = static_cast<TColor>(0xFF00000F);

inline constexpr bool IsSystemColor(TColor c) { return (static_cast<std::uint32_t>(c) >> 24) == 0xFF; }
inline constexpr int RedOf(TColor c) { return c & 0xFF; }
inline constexpr int GreenOf(TColor c) { return (c >> 8) & 0xFF; }
inline constexpr int BlueOf(TColor c) { return (c >> 16) & 0xFF; }

inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int SHIFTJIS_CHARSET = 128;

struct TFont {
  std::string Name;       // code page bytes, e.g. "ＭＳ Ｐゴシック"
  int Height = 12;        // character height in pixels
  int Charset = DEFAULT_CHARSET;
  TColor Color = clWindowText;
  bool operator==(const TFont&) const = default;
};

// A palette image: Width x Height indices into Palette, row by row from the top; index -1 is
// transparent.
struct TIconImage {
  int Width = 0;
  int Height = 0;
  std::vector<TColor> Palette;
  std::vector<int> Pixels;
};
