#include "platform/x11/requested_mode.h"

#include <gtest/gtest.h>

#include <optional>

namespace vantiro::x11 {
namespace {

OutputMode Mode(unsigned long id, std::uint32_t width, std::uint32_t height,
                std::uint32_t refresh) {
  OutputMode mode;
  mode.id = id;
  mode.width = width;
  mode.height = height;
  mode.refresh = refresh;
  return mode;
}

DEVMODEA Request(DWORD width, DWORD height, DWORD depth, DWORD refresh,
                 DWORD fields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL |
                                DM_DISPLAYFREQUENCY) {
  DEVMODEA request{};
  request.dmSize = sizeof request;
  request.dmFields = fields;
  request.dmPelsWidth = width;
  request.dmPelsHeight = height;
  request.dmBitsPerPel = depth;
  request.dmDisplayFrequency = refresh;
  return request;
}

// Xvfb's own mode without timings, and modes of our helper, one size with
// two modes that both round to 60 Hz.
class RequestedModeTest : public ::testing::Test {
 protected:
  RequestedModeTest() {
    output.name = "screen";
    output.attached = true;
    output.modes = {Mode(1, 1920, 1200, 0), Mode(2, 640, 480, 60),  Mode(3, 800, 600, 60),
                    Mode(4, 800, 600, 75),  Mode(5, 1024, 768, 60), Mode(6, 1024, 768, 60),
                    Mode(7, 1920, 1200, 60)};
    output.current = output.modes[0];
  }

  std::optional<unsigned long> Find(const DEVMODEA& request, std::uint32_t bitsPerPixel = 32) {
    const std::optional<OutputMode> found = FindRequestedMode(output, bitsPerPixel, request);
    if (!found) return std::nullopt;
    return found->id;
  }

  OutputState output;
};

TEST_F(RequestedModeTest, SizeAndRateChooseTheMode) {
  EXPECT_EQ(Find(Request(800, 600, 32, 75)), 4u);
  EXPECT_EQ(Find(Request(800, 600, 32, 60)), 3u);
  EXPECT_EQ(Find(Request(1920, 1200, 32, 60)), 7u);
}

TEST_F(RequestedModeTest, UnknownSizeRateOrDepthIsNoMode) {
  EXPECT_EQ(Find(Request(1000, 700, 32, 60)), std::nullopt);
  EXPECT_EQ(Find(Request(800, 600, 32, 61)), std::nullopt);
  EXPECT_EQ(Find(Request(800, 600, 16, 60)), std::nullopt);
  EXPECT_EQ(Find(Request(800, 600, 24, 60)), std::nullopt);  // the depth, not the bits
  EXPECT_EQ(Find(Request(800, 600, 4294967295u, 60)), std::nullopt);
}

TEST_F(RequestedModeTest, ModeInForceWinsAmongThoseOfOneRate) {
  EXPECT_EQ(Find(Request(1024, 768, 32, 60)), 5u);
  output.current = output.modes[5];
  EXPECT_EQ(Find(Request(1024, 768, 32, 60)), 6u);
}

TEST_F(RequestedModeTest, DefaultRatePrefersAModeWithoutTimings) {
  EXPECT_EQ(Find(Request(1920, 1200, 32, 0)), 1u);
  EXPECT_EQ(Find(Request(1920, 1200, 32, 1)), 1u);
}

TEST_F(RequestedModeTest, DefaultRateTakesTheModeInForceThenTheFirstOfTheSize) {
  EXPECT_EQ(Find(Request(800, 600, 32, 0)), 3u);
  output.current = output.modes[3];
  EXPECT_EQ(Find(Request(800, 600, 32, 0)), 4u);
}

TEST_F(RequestedModeTest, DefaultRateOfAnUnknownSizeIsNoMode) {
  EXPECT_EQ(Find(Request(1000, 700, 32, 0)), std::nullopt);
}

TEST_F(RequestedModeTest, FieldsThatTheRecordDoesNotClaimKeepTheCurrentValues) {
  output.current = output.modes[3];  // 800 x 600 at 75
  EXPECT_EQ(Find(Request(0, 0, 0, 60, DM_DISPLAYFREQUENCY)), 3u);
  EXPECT_EQ(Find(Request(1024, 0, 0, 0, DM_PELSWIDTH)), std::nullopt);  // 1024 x 600
  EXPECT_EQ(Find(Request(800, 600, 16, 0, DM_PELSWIDTH | DM_PELSHEIGHT)), 4u);
}

TEST_F(RequestedModeTest, DetachedOutputHasNoModeInForceToPrefer) {
  output.attached = false;
  output.current = OutputMode{};
  EXPECT_EQ(Find(Request(800, 600, 32, 0)), 3u);
  EXPECT_EQ(Find(Request(1024, 768, 32, 60)), 5u);
}

}  // namespace
}  // namespace vantiro::x11
