#include "modes/mode_catalogue.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <vector>

#include "platform/platform.h"

namespace vantiro {

namespace {

// Indices from here on are ENUM_REGISTRY_SETTINGS and ENUM_CURRENT_SETTINGS,
// which name the stored and the current mode, not a mode of the list.
constexpr DWORD kFirstSpecialModeIndex = 0xFFFFFFFE;

// The platform's records are kept in blocks of this many until the list is
// built: however long the enumeration runs, no record is moved, and a block
// is one allocation.
constexpr std::size_t kBlockLength = 256;

// What the sort moves about instead of whole records: the four values of one
// enumerated record and its enumeration index.
struct SortEntry {
  std::uint32_t width;
  std::uint32_t height;
  std::uint32_t depth;
  std::uint32_t refresh;
  DWORD index;
};

// DisplayMode's order (operator<), on the entries' copies of the values. A
// function object, so that the sort inlines it.
struct EntryLess {
  bool operator()(const SortEntry& a, const SortEntry& b) const {
    return std::tie(a.width, a.height, a.depth, a.refresh) <
           std::tie(b.width, b.height, b.depth, b.refresh);
  }
};

// DisplayMode's match test, the record that stayed on the left and the later
// one as the pattern, on the entries' values: building two whole records for
// every pair cost a fifth of the catalogue's time.
struct LaterMatchesKept {
  static bool Fits(std::uint32_t own, std::uint32_t wanted) {
    return wanted == kAnyValue || wanted == own;
  }
  bool operator()(const SortEntry& kept, const SortEntry& later) const {
    return Fits(kept.width, later.width) && Fits(kept.height, later.height) &&
           Fits(kept.depth, later.depth) && Fits(kept.refresh, later.refresh);
  }
};

class EnumeratedRecords {
 public:
  void Append(const DEVMODEA& record) {
    if (count_ % kBlockLength == 0) {
      blocks_.emplace_back();
      blocks_.back().reserve(kBlockLength);
    }
    blocks_.back().push_back(record);
    ++count_;
  }
  DWORD Count() const { return count_; }
  const DEVMODEA& At(DWORD index) const {
    return blocks_[index / kBlockLength][index % kBlockLength];
  }

 private:
  std::vector<std::vector<DEVMODEA>> blocks_;
  DWORD count_ = 0;
};

}  // namespace

void EnumerateModes(DisplayModeList& list, const char* device) {
  // One record for every call: the platform fills it anew each time, and the
  // header it needs stays as we set it here.
  DEVMODEA record{};
  record.dmSize = sizeof(DEVMODEA);
  record.dmDriverExtra = 0;

  EnumeratedRecords enumerated;
  while (enumerated.Count() < kFirstSpecialModeIndex &&
         platform::EnumDisplaySettingsA(device, enumerated.Count(), &record) != FALSE) {
    enumerated.Append(record);
  }

  // Sorting 20-byte entries and then copying each surviving record once costs
  // far less than sorting and moving the records themselves, and the list is
  // allocated once, at its final length.
  std::vector<SortEntry> entries;
  entries.reserve(enumerated.Count());
  for (DWORD index = 0; index < enumerated.Count(); ++index) {
    // The values that a DisplayMode built from the record takes as its own.
    const DEVMODEA& mode = enumerated.At(index);
    entries.push_back(SortEntry{mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel,
                                mode.dmDisplayFrequency, index});
  }
  std::sort(entries.begin(), entries.end(), EntryLess());
  entries.erase(std::unique(entries.begin(), entries.end(), LaterMatchesKept()), entries.end());

  list.clear();
  list.reserve(entries.size());
  for (const SortEntry& entry : entries) list.emplace_back(enumerated.At(entry.index));
}

}  // namespace vantiro
