#include "modes/display_mode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <type_traits>

#include "tests/modes/mode_values.h"

namespace vantiro {
namespace {

constexpr std::uint32_t kAny = kAnyValue;
constexpr DWORD kFourModeFields = 0x005C0000;

static_assert(std::is_base_of_v<DEVMODEA, DisplayMode>);
static_assert(std::has_virtual_destructor_v<DisplayMode>);

bool SamePlatformRecord(const DEVMODEA& a, const DEVMODEA& b) {
  return std::memcmp(&a, &b, sizeof(DEVMODEA)) == 0;
}

// What the platform might report: a record with more than the four fields
// flagged and a header that is not ours.
DEVMODEA ForeignRecord() {
  DEVMODEA record{};
  SetTag(record, "\\\\.\\DISPLAY2");
  record.dmSpecVersion = 0x0401;
  record.dmDriverVersion = 0x0300;
  record.dmSize = 220;
  record.dmDriverExtra = 64;
  record.dmFields = DM_POSITION | DM_DISPLAYFLAGS | kFourModeFields;
  record.dmPosition = POINTL{-1280, 200};
  record.dmDisplayOrientation = 1;
  record.dmLogPixels = 96;
  record.dmPelsWidth = 1280;
  record.dmPelsHeight = 1024;
  record.dmBitsPerPel = 32;
  record.dmDisplayFrequency = 75;
  record.dmDisplayFlags = 0x2;
  record.dmPanningWidth = 640;
  return record;
}

TEST(DisplayModeTest, DefaultConstructedModeIsAllZero) {
  const DisplayMode mode;
  EXPECT_TRUE(SamePlatformRecord(mode, DEVMODEA{}));
  EXPECT_EQ(MatchValuesOf(mode), (ModeValues{0, 0, 0, 0}));
}

TEST(DisplayModeTest, ValueConstructorWritesHeaderAndValuesAndZeroesTheRest) {
  const DisplayMode mode(1024, 768, 32, 60);

  DEVMODEA expected{};
  expected.dmSize = 156;
  expected.dmFields = kFourModeFields;
  expected.dmPelsWidth = 1024;
  expected.dmPelsHeight = 768;
  expected.dmBitsPerPel = 32;
  expected.dmDisplayFrequency = 60;
  EXPECT_TRUE(SamePlatformRecord(mode, expected));
  EXPECT_EQ(MatchValuesOf(mode), (ModeValues{1024, 768, 32, 60}));
}

TEST(DisplayModeTest, ValueConstructorCarriesTheMaxMarkerIntoThePlatformRecord) {
  const DisplayMode mode(kAny, 768, 32, kAny);
  EXPECT_EQ(mode.dmPelsWidth, 4294967295u);
  EXPECT_EQ(mode.dmDisplayFrequency, 4294967295u);
  EXPECT_EQ(MatchValuesOf(mode), PlatformValuesOf(mode));
}

TEST(DisplayModeTest, RecordConstructorRewritesTheHeaderAndKeepsEverythingElse) {
  const DEVMODEA record = ForeignRecord();
  const DisplayMode mode(record);

  EXPECT_EQ(mode.dmFields, kFourModeFields);
  EXPECT_EQ(mode.dmSize, 156);
  EXPECT_EQ(mode.dmSpecVersion, 0);
  EXPECT_EQ(mode.dmDriverVersion, 0);
  EXPECT_EQ(mode.dmDriverExtra, 0);
  EXPECT_EQ(mode.dmDisplayFlags, 0x2u);
  EXPECT_EQ(mode.dmPosition.x, -1280);
  EXPECT_EQ(mode.dmPosition.y, 200);
  EXPECT_EQ(MatchValuesOf(mode), (ModeValues{1280, 1024, 32, 75}));

  DEVMODEA expected = record;
  expected.dmSpecVersion = 0;
  expected.dmDriverVersion = 0;
  expected.dmSize = 156;
  expected.dmDriverExtra = 0;
  expected.dmFields = kFourModeFields;
  EXPECT_TRUE(SamePlatformRecord(mode, expected));
}

TEST(DisplayModeTest, RecordConstructorClaimsExactlyTheFourFieldsWhateverWasFlagged) {
  for (const DWORD flagged : {DWORD{0}, DM_PELSWIDTH, DM_POSITION | DM_DISPLAYFLAGS, DWORD{~0u}}) {
    SCOPED_TRACE(flagged);
    DEVMODEA record = ForeignRecord();
    record.dmFields = flagged;
    EXPECT_EQ(DisplayMode(record).dmFields, kFourModeFields);
  }
}

TEST(DisplayModeTest, RecordConstructorTakesAWildcardValueAsANumber) {
  DEVMODEA record = ForeignRecord();
  record.dmPelsWidth = kAny;
  const DisplayMode mode(record);
  EXPECT_EQ(mode.width, 4294967295u);
  EXPECT_EQ(mode.dmPelsWidth, 4294967295u);
}

// Match fields written after construction no longer mirror the platform
// record; a copy must take both as they stand.
TEST(DisplayModeTest, CopyAndAssignmentTakeThePlatformRecordAndTheMatchFieldsAsTheyStand) {
  DisplayMode original{ForeignRecord()};
  original.refresh = kAny;

  const DisplayMode copied(original);
  DisplayMode assigned(640, 480, 8, 60);
  assigned = original;

  const DisplayMode& assignedView = assigned;
  for (const DisplayMode* mode : {&copied, &assignedView}) {
    EXPECT_TRUE(SamePlatformRecord(*mode, original));
    EXPECT_EQ(MatchValuesOf(*mode), (ModeValues{1280, 1024, 32, kAny}));
    EXPECT_EQ(mode->dmDisplayFrequency, 75u);
  }
}

TEST(DisplayModeTest, SelfAssignmentChangesNothing) {
  DisplayMode mode{ForeignRecord()};
  mode.depth = 16;
  const DisplayMode before = mode;

  const DisplayMode& self = mode;
  mode = self;

  EXPECT_TRUE(SamePlatformRecord(mode, before));
  EXPECT_EQ(MatchValuesOf(mode), MatchValuesOf(before));
}

struct MatchCase {
  const char* scenario;
  DisplayMode mode;
  DisplayMode pattern;
  bool matches;
};

TEST(DisplayModeTest, MatchTestHonoursTheWildcardInThePatternOnly) {
  const MatchCase cases[] = {
      {"any pattern, ordinary mode", {1024, 768, 32, 60}, {kAny, kAny, kAny, kAny}, true},
      {"any pattern, zero mode", {0, 0, 0, 0}, {kAny, kAny, kAny, kAny}, true},
      {"any pattern, largest mode", {kAny, kAny, kAny, kAny}, {kAny, kAny, kAny, kAny}, true},
      {"any depth, 32 bits", {1024, 768, 32, 60}, {1024, 768, kAny, 60}, true},
      {"any depth, 16 bits", {1024, 768, 16, 60}, {1024, 768, kAny, 60}, true},
      {"any depth, other rate", {1024, 768, 32, 75}, {1024, 768, kAny, 60}, false},
      {"identical", {1024, 768, 32, 60}, {1024, 768, 32, 60}, true},
      {"width differs", {800, 768, 32, 60}, {1024, 768, 32, 60}, false},
      {"height differs", {1024, 600, 32, 60}, {1024, 768, 32, 60}, false},
      {"depth differs", {1024, 768, 16, 60}, {1024, 768, 32, 60}, false},
      {"refresh differs", {1024, 768, 32, 75}, {1024, 768, 32, 60}, false},
      {"max width in the mode", {kAny, 768, 32, 60}, {1024, 768, 32, 60}, false},
      {"max width in the pattern", {1024, 768, 32, 60}, {kAny, 768, 32, 60}, true},
      {"max height in the mode", {1024, kAny, 32, 60}, {1024, 768, 32, 60}, false},
      {"max depth in the mode", {1024, 768, kAny, 60}, {1024, 768, 32, 60}, false},
      {"max refresh in the mode", {1024, 768, 32, kAny}, {1024, 768, 32, 60}, false},
      {"zero matches zero", {1024, 768, 32, 0}, {1024, 768, 32, 0}, true},
      {"zero pattern, rate 1", {1024, 768, 32, 1}, {1024, 768, 32, 0}, false},
      {"zero pattern, rate 60", {1024, 768, 32, 60}, {1024, 768, 32, 0}, false},
      {"zero mode, rate pattern 60", {1024, 768, 32, 0}, {1024, 768, 32, 60}, false},
      {"zero width pattern", {1024, 768, 32, 60}, {0, 768, 32, 60}, false},
  };
  for (const MatchCase& c : cases) {
    SCOPED_TRACE(c.scenario);
    EXPECT_EQ(c.mode == c.pattern, c.matches);
  }
}

TEST(DisplayModeTest, OrderIsLexicographicAndUnsigned) {
  constexpr std::uint32_t kHalf = 2147483648u;  // negative if read as signed
  const std::pair<DisplayMode, DisplayMode> ascending[] = {
      {{800, 600, 32, 85}, {800, 768, 8, 60}},
      {{800, 768, 8, 60}, {1024, 600, 8, 60}},
      {{800, 600, 32, 85}, {1024, 600, 8, 60}},
      {{1024, 768, 16, 75}, {1024, 768, 32, 60}},
      {{1024, 768, 32, 60}, {1024, 768, 32, 75}},
      {{1024, 768, 32, 0}, {1024, 768, 32, 1}},
      {{kHalf - 1, 0, 0, 0}, {kHalf, 0, 0, 0}},
      {{0, kHalf - 1, 0, 0}, {0, kHalf, 0, 0}},
      {{0, 0, kHalf - 1, 0}, {0, 0, kHalf, 0}},
      {{0, 0, 0, kHalf - 1}, {0, 0, 0, kHalf}},
      {{kHalf, kAny, kAny, kAny}, {kAny, 0, 0, 0}},
      {{kAny, kAny, kAny, kAny - 1}, {kAny, kAny, kAny, kAny}},
      {{kAny, kAny, kHalf, kAny}, {kAny, kAny, kAny, 0}},
  };
  for (const auto& [smaller, larger] : ascending) {
    SCOPED_TRACE(::testing::PrintToString(smaller) + " < " + ::testing::PrintToString(larger));
    EXPECT_TRUE(smaller < larger);
    EXPECT_FALSE(larger < smaller);
    EXPECT_FALSE(smaller < smaller);
  }
}

using Ordering = bool (DisplayMode::*)(const DisplayMode&) const;

struct FieldOrderCase {
  const char* scenario;
  Ordering less;
  DisplayMode smaller;
  DisplayMode larger;
};

// The smaller mode is larger in every other field, so only the named field
// can decide.
TEST(DisplayModeTest, FieldOrderingsCompareOneFieldUnsigned) {
  constexpr std::uint32_t kHalf = 2147483648u;
  const FieldOrderCase cases[] = {
      {"width", &DisplayMode::LessByWidth, {800, 2000, 64, 240}, {1024, 1, 1, 1}},
      {"width unsigned", &DisplayMode::LessByWidth, {kHalf - 1, 9, 9, 9}, {kHalf, 1, 1, 1}},
      {"width max", &DisplayMode::LessByWidth, {kAny - 1, 9, 9, 9}, {kAny, 1, 1, 1}},
      {"height", &DisplayMode::LessByHeight, {4000, 600, 64, 240}, {1, 768, 1, 1}},
      {"height unsigned", &DisplayMode::LessByHeight, {9, kHalf - 1, 9, 9}, {1, kHalf, 1, 1}},
      {"height max", &DisplayMode::LessByHeight, {9, kHalf, 9, 9}, {1, kAny, 1, 1}},
      {"depth", &DisplayMode::LessByDepth, {4000, 4000, 16, 240}, {1, 1, 32, 1}},
      {"depth unsigned", &DisplayMode::LessByDepth, {9, 9, kHalf - 1, 9}, {1, 1, kHalf, 1}},
      {"depth max", &DisplayMode::LessByDepth, {9, 9, 0, 9}, {1, 1, kAny, 1}},
  };
  for (const FieldOrderCase& c : cases) {
    SCOPED_TRACE(c.scenario);
    EXPECT_TRUE((c.smaller.*c.less)(c.larger));
    EXPECT_FALSE((c.larger.*c.less)(c.smaller));
  }
}

TEST(DisplayModeTest, FieldOrderingsSeeNoDifferenceOutsideTheirField) {
  const DisplayMode a(1024, 768, 32, 60);
  const DisplayMode b(1024, 768, 32, 75);
  for (const Ordering less :
       {&DisplayMode::LessByWidth, &DisplayMode::LessByHeight, &DisplayMode::LessByDepth}) {
    EXPECT_FALSE((a.*less)(b));
    EXPECT_FALSE((b.*less)(a));
  }
}

// Comparisons read the match fields only: neither the rest of the platform
// record nor its copies of the four values take part.
TEST(DisplayModeTest, ComparisonsIgnoreThePlatformRecord) {
  DEVMODEA other = ForeignRecord();
  SetTag(other, "\\\\.\\DISPLAY7");
  other.dmDisplayFlags = 0;
  other.dmPosition = POINTL{0, 0};
  const DisplayMode a{ForeignRecord()};
  const DisplayMode b{other};
  EXPECT_TRUE(a == b);
  EXPECT_TRUE(b == a);
  EXPECT_FALSE(a < b);
  EXPECT_FALSE(b < a);

  DisplayMode anyRate(1280, 1024, 32, 60);
  anyRate.refresh = kAny;
  EXPECT_TRUE(a == anyRate);

  DisplayMode stale = a;
  stale.dmPelsWidth = 640;
  EXPECT_TRUE(stale == a);
  EXPECT_FALSE(stale < a);
}

}  // namespace
}  // namespace vantiro
