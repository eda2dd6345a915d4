#include "platform/x11/edid_monitor_name.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace vantiro::x11 {
namespace {

constexpr std::size_t kDescriptorSlot[4] = {54, 72, 90, 108};

// A base block with the header, a detailed timing in the first slot and
// dummy descriptors (tag 0x10) in the others.
class EdidMonitorNameTest : public ::testing::Test {
 protected:
  EdidMonitorNameTest() : edid(128, 0) {
    const unsigned char header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    std::memcpy(edid.data(), header, sizeof header);
    edid[kDescriptorSlot[0]] = 0x64;  // a pixel clock: a timing, not a descriptor
    edid[kDescriptorSlot[0] + 1] = 0x19;
    for (int slot = 1; slot < 4; ++slot) edid[kDescriptorSlot[slot] + 3] = 0x10;
  }

  void PutDescriptor(int slot, unsigned char tag, const std::string& text) {
    unsigned char* descriptor = edid.data() + kDescriptorSlot[slot];
    std::memset(descriptor, 0, 18);
    descriptor[3] = tag;
    std::memset(descriptor + 5, ' ', 13);
    std::memcpy(descriptor + 5, text.data(), text.size());
  }

  std::string Name() const { return EdidMonitorName(edid.data(), edid.size()); }

  std::vector<unsigned char> edid;
};

TEST_F(EdidMonitorNameTest, NameEndsAtItsLineFeedWithoutPadding) {
  PutDescriptor(3, 0xFC, "DELL U2412M\n");
  EXPECT_EQ(Name(), "DELL U2412M");
}

TEST_F(EdidMonitorNameTest, NameFillingTheWholeDescriptorIsKept) {
  PutDescriptor(1, 0xFC, "ABCDEFGHIJKLM");
  EXPECT_EQ(Name(), "ABCDEFGHIJKLM");
}

TEST_F(EdidMonitorNameTest, TrailingSpacesBeforeTheLineFeedGo) {
  PutDescriptor(2, 0xFC, "LG TV   \n");
  EXPECT_EQ(Name(), "LG TV");
}

TEST_F(EdidMonitorNameTest, FirstNameDescriptorWinsOverSerialAndLaterNames) {
  PutDescriptor(1, 0xFF, "SERIAL123\n");
  PutDescriptor(2, 0xFC, "First\n");
  PutDescriptor(3, 0xFC, "Second\n");
  EXPECT_EQ(Name(), "First");
}

TEST_F(EdidMonitorNameTest, BytesOutsidePrintableAsciiCannotBreakAReportLine) {
  PutDescriptor(1, 0xFC, std::string("A\"\r\tB\x80", 6) + "\n");
  EXPECT_EQ(Name(), "A\"??B?");
}

TEST_F(EdidMonitorNameTest, NoNameDescriptorGivesNothing) {
  PutDescriptor(1, 0xFF, "SERIAL123\n");
  EXPECT_EQ(Name(), "");
}

TEST_F(EdidMonitorNameTest, TimingWhoseBytesLookLikeANameTagIsNoName) {
  edid[kDescriptorSlot[0] + 3] = 0xFC;
  EXPECT_EQ(Name(), "");
}

TEST_F(EdidMonitorNameTest, BlockWithoutTheHeaderOrTooShortGivesNothing) {
  PutDescriptor(1, 0xFC, "Name\n");
  EXPECT_EQ(EdidMonitorName(edid.data(), 127), "");
  EXPECT_EQ(EdidMonitorName(nullptr, 0), "");
  edid[1] = 0x00;
  EXPECT_EQ(Name(), "");
}

TEST_F(EdidMonitorNameTest, ExtensionBlocksAfterTheBaseBlockDoNotMatter) {
  PutDescriptor(1, 0xFC, "Panel\n");
  edid.resize(256, 0xFC);
  EXPECT_EQ(Name(), "Panel");
}

}  // namespace
}  // namespace vantiro::x11
