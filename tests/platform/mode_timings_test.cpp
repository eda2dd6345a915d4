#include "platform/x11/mode_timings.h"

#include <gtest/gtest.h>

namespace vantiro::x11 {
namespace {

struct RateCase {
  const char* name;
  ModeTimings timings;
  std::uint32_t hertz;
};

class RefreshRateTest : public ::testing::TestWithParam<RateCase> {};

TEST_P(RefreshRateTest, ComesFromTheTimings) {
  EXPECT_EQ(RefreshRateHz(GetParam().timings), GetParam().hertz);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, RefreshRateTest,
    ::testing::Values(
        RateCase{"Vesa800x600At60", {40'000'000, 1056, 628, false, false}, 60},
        RateCase{"Vesa1024x768At75", {78'750'000, 1312, 800, false, false}, 75},
        RateCase{"Television59_94RoundsUp", {148'351'648, 2200, 1125, false, false}, 60},
        RateCase{"ExactHalfRoundsUp", {5, 2, 1, false, false}, 3},
        RateCase{"JustBelowHalfRoundsDown", {4'999, 1'000, 2, false, false}, 2},
        RateCase{"InterlacedCountsFields", {74'250'000, 2200, 1125, true, false}, 60},
        RateCase{"SameTimingsProgressive", {74'250'000, 2200, 1125, false, false}, 30},
        RateCase{"DoubleScanHalvesTheRate", {25'175'000, 800, 262, false, true}, 60},
        RateCase{"InterlacedAndDoubleScanCancel", {25'175'000, 800, 525, true, true}, 60},
        RateCase{"LargeClockDoesNotOverflow", {4'000'000'000ul, 4000, 2000, false, false}, 500},
        RateCase{"NoClock", {0, 1056, 628, false, false}, 0},
        RateCase{"NoHorizontalTotal", {40'000'000, 0, 628, false, false}, 0},
        RateCase{"NoVerticalTotal", {40'000'000, 1056, 0, false, false}, 0},
        RateCase{"XvfbModeWithoutTimings", {0, 0, 0, false, false}, 0}),
    [](const ::testing::TestParamInfo<RateCase>& info) { return info.param.name; });

}  // namespace
}  // namespace vantiro::x11
