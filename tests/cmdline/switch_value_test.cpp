#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "cmdline/switch_parser.h"
#include "tests/cmdline/exact_buffer.h"
#include "tests/support/memory_platform_test.h"

namespace vantiro {
namespace {

struct ValueCase {
  const char* switchText;
  std::uint32_t expected;
};

void PrintTo(const ValueCase& value, std::ostream* out) {
  *out << '"' << value.switchText << "\" -> " << value.expected;
}

class ParseSwitchValueTest : public MemoryPlatformTest,
                             public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ParseSwitchValueTest, ReadsTheValueAfterTheFirstEquals) {
  EXPECT_EQ(ParseSwitchValue(GetParam().switchText), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, ParseSwitchValueTest,
    ::testing::Values(ValueCase{"width=800", 800}, ValueCase{"width=max", kMaxValue},
                      ValueCase{"width=MAX", kMaxValue}, ValueCase{"width=mAx", kMaxValue},
                      // "max" must be the whole value text.
                      ValueCase{"width=maximum", 0}, ValueCase{"width=max ", 0},
                      ValueCase{"width= max", 0}, ValueCase{"width=-max", 0},
                      // Unsigned 32-bit arithmetic: wrap-around and negation modulo 2^32.
                      ValueCase{"width=-1", kMaxValue}, ValueCase{"width=-800", 4294966496u},
                      ValueCase{"width=-0", 0}, ValueCase{"width=-4294967295", 1},
                      ValueCase{"width=4294967295", kMaxValue}, ValueCase{"width=4294967296", 0},
                      ValueCase{"width=4294967297", 1}, ValueCase{"width=99999999999", 1215752191u},
                      ValueCase{"width=0800", 800},
                      // Reading stops at the first non-digit.
                      ValueCase{"width=800x600", 800}, ValueCase{"width=800=600", 800},
                      ValueCase{"width=8 00", 8},
                      // Leading white space as the C locale knows it, then one sign.
                      ValueCase{"width= 800", 800}, ValueCase{"width=\t\n\v\f\r800", 800},
                      ValueCase{"width=+800", 800}, ValueCase{"width=+-800", 0},
                      ValueCase{"width=- 800", 0},
                      ValueCase{"width=\xA0"
                                "800",
                                0},
                      // Nothing to read.
                      ValueCase{"width=", 0}, ValueCase{"width=abc", 0}, ValueCase{"width=-", 0},
                      ValueCase{"width= ", 0}, ValueCase{"width==800", 0},
                      // No "=": not given, even with digits after the keyword.
                      ValueCase{"width", 0}, ValueCase{"width1024", 0}, ValueCase{"", 0},
                      // Any text may stand between the keyword and the "=".
                      ValueCase{"widthX=1024", 1024}, ValueCase{"refresh rate=75", 75}));

class SwitchValueNullTest : public MemoryPlatformTest {};

TEST_F(SwitchValueNullTest, NullSwitchTextHasNoValue) {
  EXPECT_EQ(ParseSwitchValue(nullptr), 0u);
  EXPECT_EQ(SwitchValueText(nullptr), "");
}

struct ValueTextCase {
  const char* switchText;
  const char* expected;
};

void PrintTo(const ValueTextCase& value, std::ostream* out) {
  *out << '"' << value.switchText << "\" -> \"" << value.expected << '"';
}

class SwitchValueTextTest : public MemoryPlatformTest,
                            public ::testing::WithParamInterface<ValueTextCase> {};

TEST_P(SwitchValueTextTest, IsEverythingAfterTheFirstEquals) {
  EXPECT_EQ(SwitchValueText(GetParam().switchText), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SwitchValueTextTest,
    ::testing::Values(ValueTextCase{"monitor=Left Panel", "Left Panel"},
                      ValueTextCase{"monitor=", ""}, ValueTextCase{"monitor", ""},
                      ValueTextCase{"", ""}, ValueTextCase{"monitor==x", "=x"},
                      ValueTextCase{"monitor=a=b", "a=b"},
                      ValueTextCase{"monitor=\\\\.\\DISPLAY1", "\\\\.\\DISPLAY1"},
                      ValueTextCase{"=", ""}, ValueTextCase{"monitor= spaced ", " spaced "}));

// 0x81 opens a double-byte character here; the byte after it is its trail.
class SwitchValueLeadByteTest : public MemoryPlatformTest {
 protected:
  void SetUp() override {
    MemoryPlatformTest::SetUp();
    platform.leadBytes[0x81] = true;
  }
};

TEST_F(SwitchValueLeadByteTest, TrailByteEqualToEqualsIsNoSeparator) {
  EXPECT_EQ(ParseSwitchValue("width\x81=800"), 0u);
  EXPECT_EQ(ParseSwitchValue("width\x81=800=1024"), 1024u);
  EXPECT_EQ(SwitchValueText("monitor\x81=Left"), "");
  EXPECT_EQ(SwitchValueText("monitor\x81==Left"), "Left");
}

TEST_F(SwitchValueLeadByteTest, LeadBytesInTheValueAreKept) {
  EXPECT_EQ(SwitchValueText("monitor=\x81=\x81"), "\x81=\x81");
  EXPECT_EQ(ParseSwitchValue("width=800\x81"), 800u);
}

TEST_F(SwitchValueLeadByteTest, NoReadPastTheEndOfTheText) {
  platform.leadBytes.fill(true);
  for (const std::string text : {"width=800", "width=80", "monitor=", "\x81", "w="}) {
    SCOPED_TRACE(text);
    const ExactCString exact(text);
    ParseSwitchValue(exact.Get());
    SwitchValueText(exact.Get());
  }
  // Bytes pair up as "wi", "dt", "h=", "80", "0": the "=" is a trail byte.
  EXPECT_EQ(ParseSwitchValue("width=800"), 0u);
  // "he", "ig", "ht", "=6", "00": here the "=" is a lead byte itself.
  EXPECT_EQ(SwitchValueText("height=600"), "");
}

}  // namespace
}  // namespace vantiro
