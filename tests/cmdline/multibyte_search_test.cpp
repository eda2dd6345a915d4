#include "cmdline/multibyte_search.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/cmdline/exact_buffer.h"
#include "tests/support/memory_platform_test.h"

namespace vantiro {
namespace {

constexpr unsigned char kLead = 0x81;

class MultibyteSearchTest : public MemoryPlatformTest {
 protected:
  void SetUp() override {
    MemoryPlatformTest::SetUp();
    platform.leadBytes[kLead] = true;
  }
};

TEST_F(MultibyteSearchTest, CharacterLengthCountsLeadAndTrailAsOne) {
  const std::string text = "a\x81=b\x81";
  EXPECT_EQ(CharacterLength(text, 0), 1u);
  EXPECT_EQ(CharacterLength(text, 1), 2u);
  EXPECT_EQ(CharacterLength(text, 3), 1u);
}

TEST_F(MultibyteSearchTest, LeadByteAtTheEndStandsAlone) {
  const ExactBuffer text(std::string("ab\x81"));
  EXPECT_EQ(CharacterLength(text.View(), 2), 1u);
}

TEST_F(MultibyteSearchTest, FindFirstOfPassesOverTrailBytes) {
  // The trail bytes here equal "=", a double quote and a space.
  EXPECT_EQ(FindFirstOf("a\x81=b=", "="), 4u);
  EXPECT_EQ(FindFirstOf("\x81\"\"", "\""), 2u);
  EXPECT_EQ(FindFirstOf("x\x81 y z", " "), 4u);
  EXPECT_EQ(FindFirstOf("\x81=", "="), kNotFound);
}

TEST_F(MultibyteSearchTest, FindFirstOfFindsAnyOfTheCharactersFromTheStart) {
  EXPECT_EQ(FindFirstOf("ab\"c d", "\" "), 2u);
  EXPECT_EQ(FindFirstOf("ab\"c d", "\" ", 3), 4u);
  EXPECT_EQ(FindFirstOf("abc", " "), kNotFound);
  EXPECT_EQ(FindFirstOf("", " "), kNotFound);
  EXPECT_EQ(FindFirstOf("ab", " ", 5), kNotFound);
}

TEST_F(MultibyteSearchTest, FindTextMatchesOnlyAtCharacterBoundaries) {
  // "\x81v" is one character, so the "v" inside it is not a match.
  EXPECT_EQ(FindText("\x81v.exe v.exe", "v.exe"), 7u);
  EXPECT_EQ(FindText("\x81v.exe", "v.exe"), kNotFound);
  EXPECT_EQ(FindText("x\x81y", "\x81y"), 1u);
}

TEST_F(MultibyteSearchTest, FindTextMatchesWholeCharactersOnly) {
  // A needle ending in a lone lead byte is not the first half of "\x81y".
  EXPECT_EQ(FindText("v\x81y v\x81", "v\x81"), 4u);
}

TEST_F(MultibyteSearchTest, FindTextEdgeCases) {
  EXPECT_EQ(FindText("abc", ""), 0u);
  EXPECT_EQ(FindText("", ""), 0u);
  EXPECT_EQ(FindText("ab", "abc"), kNotFound);
  EXPECT_EQ(FindText("abcabc", "ca"), 2u);
}

TEST_F(MultibyteSearchTest, NoReadPastTheEndWhenEveryByteIsALeadByte) {
  platform.leadBytes.fill(true);
  for (const std::string text : {"", "a", "ab", "a=b", "a b\"c", "\x81"}) {
    SCOPED_TRACE(text);
    const ExactBuffer exact(text);
    const std::string_view view = exact.View();
    // Pairs "a=" and "b\"" hide the separators; an odd byte out stands alone.
    for (std::size_t position = 0; position < view.size(); ++position) {
      EXPECT_LE(position + CharacterLength(view, position), view.size());
    }
    const std::size_t equals = FindFirstOf(view, "=");
    EXPECT_TRUE(equals == kNotFound || view[equals] == '=');
    EXPECT_EQ(FindText(view, view), 0u);
    EXPECT_EQ(FindText(view, "zz"), kNotFound);
  }
}

TEST_F(MultibyteSearchTest, EveryByteALeadByteHidesSeparatorsInPairs) {
  platform.leadBytes.fill(true);
  EXPECT_EQ(FindFirstOf("a=b", "="), kNotFound);
  // "ab" is one character, "=" the last byte and a character of its own.
  EXPECT_EQ(FindFirstOf("ab=", "="), 2u);
}

}  // namespace
}  // namespace vantiro
