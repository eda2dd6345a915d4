#include "modes/mode_selection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/memory/memory_platform.h"
#include "tests/modes/mode_values.h"

namespace vantiro {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::uint32_t kMax = 0xFFFFFFFF;

// A catalogue record as the platform reported it, told apart by its tag.
DisplayMode Offered(const char* tag, std::uint32_t width, std::uint32_t height, std::uint32_t depth,
                    std::uint32_t refresh) {
  DEVMODEA record = memory::MakeDevMode(width, height, depth, refresh);
  SetTag(record, tag);
  record.dmDisplayFlags = 0x2;
  return DisplayMode(record);
}

// Already ascending and free of repeats, as the catalogue comes.
DisplayModeList SixModes() {
  return {Offered("M1", 1024, 768, 16, 60), Offered("M2", 1024, 768, 32, 60),
          Offered("M3", 1024, 768, 32, 75), Offered("M4", 1280, 1024, 32, 60),
          Offered("M5", 1600, 900, 32, 60), Offered("M6", 1600, 900, 32, 75)};
}

// --- KeepMatchingModes ---

TEST(KeepMatchingModesTest, KeepsTheMatchingModesInTheirOrder) {
  DisplayModeList list = {Offered("a", 1600, 900, 32, 60), Offered("b", 1024, 768, 32, 75),
                          Offered("c", 800, 600, 32, 60), Offered("d", 1024, 768, 16, 60),
                          Offered("e", 1280, 1024, 32, 60)};

  KeepMatchingModes(list, DisplayMode(kMax, kMax, 32, 60));

  EXPECT_THAT(TagsOf(list), ElementsAre("a", "c", "e"));
}

TEST(KeepMatchingModesTest, RemovesEverythingWhenNothingMatches) {
  DisplayModeList list = SixModes();
  KeepMatchingModes(list, DisplayMode(1024, 768, 32, 0));
  EXPECT_THAT(list, IsEmpty());

  KeepMatchingModes(list, DisplayMode(kMax, kMax, kMax, kMax));
  EXPECT_THAT(list, IsEmpty());
}

// --- KeepFromLargest ---

struct LargestCase {
  const char* scenario;
  ModeOrdering less;
  std::vector<std::string> kept;
};

// Two modes share the largest width and the largest depth: the first of them
// wins, and the modes behind it stay whatever their size.
TEST(KeepFromLargestTest, DropsOnlyTheModesInFrontOfTheFirstLargest) {
  const LargestCase cases[] = {
      {"width", &DisplayMode::LessByWidth, {"wide", "tall", "deep", "wide too"}},
      {"height", &DisplayMode::LessByHeight, {"tall", "deep", "wide too"}},
      {"depth", &DisplayMode::LessByDepth, {"deep", "wide too"}},
      {"record order", &DisplayMode::operator<, {"wide too"}},
  };
  for (const LargestCase& c : cases) {
    SCOPED_TRACE(c.scenario);
    DisplayModeList list = {Offered("small", 640, 480, 8, 60), Offered("wide", 1600, 900, 16, 60),
                            Offered("tall", 1280, 1200, 16, 60), Offered("deep", 800, 600, 32, 60),
                            Offered("wide too", 1600, 1000, 32, 50)};
    KeepFromLargest(list, c.less);
    EXPECT_EQ(TagsOf(list), c.kept);
  }
}

TEST(KeepFromLargestTest, TheLargestInFrontKeepsEveryMode) {
  DisplayModeList list = {Offered("wide", 1600, 900, 16, 60), Offered("small", 640, 480, 8, 60),
                          Offered("wide too", 1600, 1200, 32, 60)};
  KeepFromLargest(list, &DisplayMode::LessByWidth);
  EXPECT_THAT(TagsOf(list), ElementsAre("wide", "small", "wide too"));
}

TEST(KeepFromLargestTest, NoOrderingLeavesTheListAsItIs) {
  DisplayModeList list = {Offered("small", 640, 480, 8, 60), Offered("wide", 1600, 900, 16, 60)};
  KeepFromLargest(list, nullptr);
  EXPECT_THAT(TagsOf(list), ElementsAre("small", "wide"));
}

TEST(KeepFromLargestTest, AnEmptyListStaysEmpty) {
  DisplayModeList list;
  KeepFromLargest(list, &DisplayMode::LessByWidth);
  KeepFromLargest(list, &DisplayMode::operator<);
  EXPECT_THAT(list, IsEmpty());
}

TEST(KeepFromLargestTest, ALoneModeStays) {
  DisplayModeList list = {Offered("only", 640, 480, 8, 60)};
  KeepFromLargest(list, &DisplayMode::LessByHeight);
  EXPECT_THAT(TagsOf(list), ElementsAre("only"));
}

// --- SelectTargetMode ---

struct SelectionCase {
  const char* name;
  ModeValues request;
  const char* offered;  // tag of the mode chosen from the catalogue; null when none fits
};

void PrintTo(const SelectionCase& c, std::ostream* out) { *out << c.name; }

class SelectTargetModeTest : public ::testing::TestWithParam<std::tuple<SelectionCase, bool>> {};

TEST_P(SelectTargetModeTest, ChoosesFromTheCatalogueOrForcesOrRefuses) {
  const auto& [c, force] = GetParam();
  DisplayModeList catalogue = SixModes();

  const std::optional<DisplayMode> chosen =
      SelectTargetMode(catalogue, c.request[0], c.request[1], c.request[2], c.request[3], force);

  if (c.offered == nullptr && !force) {
    EXPECT_FALSE(chosen.has_value());
    EXPECT_THAT(catalogue, IsEmpty());
    return;
  }
  ASSERT_TRUE(chosen.has_value());
  // A forced mode is made from the request as it stands: no platform data,
  // a max marker kept as 4294967295 in both copies of the value.
  const std::string tag = c.offered == nullptr ? "" : c.offered;
  EXPECT_EQ(TagOf(*chosen), tag);
  EXPECT_EQ(chosen->dmDisplayFlags, c.offered == nullptr ? 0u : 0x2u);
  if (c.offered == nullptr) {
    EXPECT_EQ(MatchValuesOf(*chosen), c.request);
  }
  EXPECT_EQ(PlatformValuesOf(*chosen), MatchValuesOf(*chosen));
  EXPECT_EQ(chosen->dmFields, 0x005C0000u);
  EXPECT_EQ(chosen->dmSize, 156);
  // The catalogue is narrowed to the chosen mode alone.
  EXPECT_THAT(TagsOf(catalogue), ElementsAre(tag));
  EXPECT_EQ(MatchValuesOf(catalogue), std::vector<ModeValues>{MatchValuesOf(*chosen)});
}

const SelectionCase kSelectionCases[] = {
    {"Exact", {1024, 768, 32, 60}, "M2"},
    {"MaxRefresh", {1024, 768, 32, kMax}, "M3"},
    {"MaxDepth", {1024, 768, kMax, 60}, "M2"},
    {"MaxWidthBeforeMaxHeight", {kMax, kMax, 32, 60}, "M5"},
    {"MaxHeightAtTheRequestedWidth", {1280, kMax, 32, 60}, "M4"},
    {"AllMax", {kMax, kMax, kMax, kMax}, "M6"},
    {"MaxStepsKeepTheOneMatch", {kMax, 768, 16, kMax}, "M1"},
    {"MaxDepthAndRefreshAtTheRequestedSize", {1600, 900, kMax, kMax}, "M6"},
    {"MaxHeightAndRefreshAtTheRequestedWidth", {1024, kMax, 32, kMax}, "M3"},
    {"UnofferedRefresh", {1024, 768, 32, 85}, nullptr},
    {"MaxWidthWithUnofferedHeight", {kMax, 600, 32, 60}, nullptr},
    {"RefreshZeroIsAnOrdinaryNumber", {1024, 768, 32, 0}, nullptr},
    {"MaxRefreshWithUnofferedDepth", {1280, 1024, 16, kMax}, nullptr},
};

INSTANTIATE_TEST_SUITE_P(SixModeCatalogue, SelectTargetModeTest,
                         ::testing::Combine(::testing::ValuesIn(kSelectionCases),
                                            ::testing::Bool()),
                         [](const ::testing::TestParamInfo<std::tuple<SelectionCase, bool>>& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "_Forced" : "_NotForced");
                         });

// The tallest mode is narrower than the widest ones, and the deepest of the
// widest is not the tallest: any other order of the max steps picks another.
TEST(SelectTargetModeOrderTest, ResolvesWidthThenHeightThenDepth) {
  DisplayModeList catalogue = {
      Offered("tall", 1280, 1200, 16, 60), Offered("wide deep", 1600, 900, 32, 60),
      Offered("wide tall", 1600, 1000, 16, 60), Offered("wide tall deeper", 1600, 1000, 24, 60)};

  const std::optional<DisplayMode> chosen =
      SelectTargetMode(catalogue, kMax, kMax, kMax, 60, false);

  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(TagOf(*chosen), "wide tall deeper");
}

TEST(SelectTargetModeEmptyCatalogueTest, RefusesWithoutForceAndMakesTheModeUpWithForce) {
  DisplayModeList catalogue;
  EXPECT_FALSE(SelectTargetMode(catalogue, 800, 600, 32, 60, false).has_value());
  EXPECT_THAT(catalogue, IsEmpty());

  const std::optional<DisplayMode> forced = SelectTargetMode(catalogue, kMax, 600, 32, 60, true);
  ASSERT_TRUE(forced.has_value());
  EXPECT_EQ(MatchValuesOf(*forced), (ModeValues{4294967295u, 600, 32, 60}));
  EXPECT_EQ(forced->dmPelsWidth, 4294967295u);
  EXPECT_EQ(forced->dmFields, 0x005C0000u);
  EXPECT_EQ(MatchValuesOf(catalogue), std::vector<ModeValues>{MatchValuesOf(*forced)});
}

}  // namespace
}  // namespace vantiro
