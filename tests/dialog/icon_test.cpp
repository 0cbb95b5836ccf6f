// The program's icon: a diamond of three nested bands on a transparent ground.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "dialog/ProgramIconImage.h"

namespace {

constexpr TColor kOrange = 0x0000AAFF;  // 0x00BBGGRR
constexpr TColor kSalmon = 0x004873FF;
constexpr TColor kRed = 0x004848FF;
constexpr TColor kClear = -1;  // stands for a transparent pixel here

using TRuns = std::vector<std::pair<TColor, int>>;

TRuns RowRuns(const TIconImage& icon, int y) {
  TRuns runs;
  for (int x = 0; x < icon.Width; ++x) {
    const int index = icon.Pixels[y * icon.Width + x];
    const TColor c = index < 0 ? kClear : icon.Palette.at(index);
    if (!runs.empty() && runs.back().first == c)
      ++runs.back().second;
    else
      runs.push_back({c, 1});
  }
  return runs;
}

TEST(ProgramIcon, IsA32By32Diamond) {
  const TIconImage icon = LoadProgramIcon();
  ASSERT_EQ(icon.Width, 32);
  ASSERT_EQ(icon.Height, 32);
  ASSERT_EQ(icon.Pixels.size(), 32u * 32u);
  for (int y = 0; y < 32; ++y) {
    SCOPED_TRACE("row " + std::to_string(y));
    const int away = y < 16 ? 15 - y : y - 16;  // rows from the middle pair
    TRuns runs = RowRuns(icon, y);
    // Transparent outside, the same both ways, two pixels narrower per row from the middle.
    if (away > 0) {
      ASSERT_GE(runs.size(), 3u);
      EXPECT_EQ(runs.front(), std::make_pair(kClear, away));
      EXPECT_EQ(runs.back(), std::make_pair(kClear, away));
      runs.erase(runs.begin());
      runs.pop_back();
    }
    int opaque = 0;
    for (const auto& run : runs) {
      EXPECT_NE(run.first, kClear);
      opaque += run.second;
    }
    EXPECT_EQ(opaque, 32 - 2 * away);
    EXPECT_EQ(RowRuns(icon, y), RowRuns(icon, 31 - y)) << "top and bottom halves mirror";
  }
}

TEST(ProgramIcon, BandsReadOrangeSalmonRedAlongTheWidestRows) {
  const TIconImage icon = LoadProgramIcon();
  const TRuns widest = {{kOrange, 6}, {kSalmon, 5}, {kRed, 10}, {kSalmon, 5}, {kOrange, 6}};
  EXPECT_EQ(RowRuns(icon, 15), widest);
  EXPECT_EQ(RowRuns(icon, 16), widest);
  // The corners touch the midpoints of the edges, in the outer band.
  EXPECT_EQ(RowRuns(icon, 0), (TRuns{{kClear, 15}, {kOrange, 2}, {kClear, 15}}));
  // Nested diamonds: the core is gone where the outline has moved in by ten pixels per side.
  for (int y : {0, 5, 10}) {
    for (const auto& run : RowRuns(icon, y)) EXPECT_NE(run.first, kRed) << "row " << y;
  }
  EXPECT_EQ(RowRuns(icon, 11), (TRuns{{kClear, 4}, {kOrange, 6}, {kSalmon, 5}, {kRed, 2}, {kSalmon, 5},
                                      {kOrange, 6}, {kClear, 4}}));
}

}  // namespace
