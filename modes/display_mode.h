// One display mode: the platform's record, which travels with the mode so that
// the chosen one can be handed to the platform whole, plus the four match
// fields on which the program compares, orders and filters.
#pragma once

#include <cstdint>

#include "platform/records.h"

namespace vantiro {

// dmFields of every DisplayMode: it claims exactly the four mode values.
constexpr DWORD kDisplayModeFields =
    DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;

// As a pattern, a match field of kAnyValue (0xFFFFFFFF) matches every value.
constexpr std::uint32_t kAnyValue = 0xFFFFFFFF;

class DisplayMode : public DEVMODEA {
 public:
  // Every field zero; a placeholder to be assigned before it is read.
  DisplayMode();
  // The four values, unchanged (kAnyValue included), in the match fields and in
  // dmPelsWidth, dmPelsHeight, dmBitsPerPel and dmDisplayFrequency, with the
  // standard header. The rest of the platform record is zero.
  DisplayMode(std::uint32_t width, std::uint32_t height, std::uint32_t depth,
              std::uint32_t refresh);
  // The whole platform record, then the standard header: dmSpecVersion,
  // dmDriverVersion and dmDriverExtra 0, dmSize 156, dmFields
  // kDisplayModeFields, whatever `record` held there.
  explicit DisplayMode(const DEVMODEA& record);
  DisplayMode(const DisplayMode&) = default;
  DisplayMode& operator=(const DisplayMode&) = default;
  virtual ~DisplayMode() = default;

  // Match test: true when each field of `pattern` is kAnyValue or equal to
  // ours. The wildcard counts on the right-hand side only.
  bool operator==(const DisplayMode& pattern) const;
  // Lexicographic on (width, height, depth, refresh), unsigned.
  bool operator<(const DisplayMode& other) const;
  bool LessByWidth(const DisplayMode& other) const;
  bool LessByHeight(const DisplayMode& other) const;
  bool LessByDepth(const DisplayMode& other) const;

  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint32_t depth = 0;
  std::uint32_t refresh = 0;
};

}  // namespace vantiro
