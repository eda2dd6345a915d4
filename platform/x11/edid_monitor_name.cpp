#include "platform/x11/edid_monitor_name.h"

namespace vantiro::x11 {

namespace {

constexpr std::size_t kBaseBlockSize = 128;
constexpr unsigned char kHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
constexpr std::size_t kFirstDescriptor = 54;
constexpr std::size_t kDescriptorSize = 18;
constexpr std::size_t kDescriptorCount = 4;
constexpr unsigned char kDisplayNameTag = 0xFC;
constexpr std::size_t kTextOffset = 5;  // 13 bytes of text follow

bool HasHeader(const unsigned char* edid) {
  for (std::size_t index = 0; index < sizeof kHeader; ++index) {
    if (edid[index] != kHeader[index]) return false;
  }
  return true;
}

std::string DescriptorText(const unsigned char* descriptor) {
  std::string text;
  for (std::size_t index = kTextOffset; index < kDescriptorSize; ++index) {
    const unsigned char byte = descriptor[index];
    if (byte == '\n' || byte == '\0') break;
    // Only printable ASCII is defined here; anything else would corrupt a report line.
    text += (byte >= 0x20 && byte < 0x7F) ? static_cast<char>(byte) : '?';
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace

std::string EdidMonitorName(const unsigned char* edid, std::size_t size) {
  if (edid == nullptr || size < kBaseBlockSize || !HasHeader(edid)) return {};
  for (std::size_t index = 0; index < kDescriptorCount; ++index) {
    const unsigned char* descriptor = edid + kFirstDescriptor + index * kDescriptorSize;
    // A display descriptor (not a timing) starts with a zero pixel clock.
    const bool isDisplayDescriptor = descriptor[0] == 0 && descriptor[1] == 0 && descriptor[2] == 0;
    if (isDisplayDescriptor && descriptor[3] == kDisplayNameTag) return DescriptorText(descriptor);
  }
  return {};
}

}  // namespace vantiro::x11
