#include "fuzz/desktop_input.h"

#include <cstring>
#include <initializer_list>
#include <utility>

namespace vantiro::fuzz {

namespace {

enum LeadByteChoice : std::uint8_t { kNoLeadBytes, kJapanese, kChinese, kEveryByteListed };

// How a mode record is written: the kinds let a mutation turn a clean record
// into a damaged one, or into a near copy of the mode before it, which is
// what real catalogues are made of.
enum ModeKind : std::uint8_t { kCleanMode, kDamagedHeader, kRawRecord, kLikePrevious };

constexpr std::size_t kLeadByteBitmapSize = 256 / 8;

LeadByteTable ByteRanges(std::initializer_list<std::pair<int, int>> ranges) {
  LeadByteTable table{};
  for (const auto& [first, last] : ranges) {
    for (int byte = first; byte <= last; ++byte) table[static_cast<std::size_t>(byte)] = true;
  }
  return table;
}

memory::DeviceCaps ReadCaps(FuzzInput& input) {
  memory::DeviceCaps caps;
  caps.width = static_cast<int>(input.Number());
  caps.height = static_cast<int>(input.Number());
  caps.bitsPerPixel = static_cast<int>(input.Number());
  caps.refresh = static_cast<int>(input.Number());
  return caps;
}

void WriteCaps(const memory::DeviceCaps& caps, FuzzInputWriter& output) {
  output.Number(static_cast<std::uint32_t>(caps.width));
  output.Number(static_cast<std::uint32_t>(caps.height));
  output.Number(static_cast<std::uint32_t>(caps.bitsPerPixel));
  output.Number(static_cast<std::uint32_t>(caps.refresh));
}

bool SameCaps(const memory::DeviceCaps& left, const memory::DeviceCaps& right) {
  return left.width == right.width && left.height == right.height &&
         left.bitsPerPixel == right.bitsPerPixel && left.refresh == right.refresh;
}

// The four mode values by number: width, height, depth, refresh.
DWORD& ModeValue(DEVMODEA& mode, std::size_t field) {
  switch (field) {
    case 0: return mode.dmPelsWidth;
    case 1: return mode.dmPelsHeight;
    case 2: return mode.dmBitsPerPel;
    default: return mode.dmDisplayFrequency;
  }
}

DWORD ModeValue(const DEVMODEA& mode, std::size_t field) {
  DEVMODEA copy = mode;
  return ModeValue(copy, field);
}

DEVMODEA ReadMode(FuzzInput& input, const DEVMODEA& previous) {
  const std::uint8_t kind = input.Byte();
  DEVMODEA mode{};
  switch (kind & 3) {
    case kCleanMode:
    case kDamagedHeader: {
      const DWORD width = input.Number();
      const DWORD height = input.Number();
      const DWORD depth = input.Number();
      const DWORD refresh = input.Number();
      mode = memory::MakeDevMode(width, height, depth, refresh);
      if ((kind & 3) == kDamagedHeader) {
        mode.dmSize = static_cast<WORD>(input.Number());
        mode.dmFields = input.Number();
        mode.dmDriverExtra = static_cast<WORD>(input.Number());
      }
      break;
    }
    case kRawRecord: {
      const std::vector<std::uint8_t> record = input.Bytes(sizeof(DEVMODEA));
      std::memcpy(&mode, record.data(), sizeof(DEVMODEA));
      break;
    }
    default:
      mode = previous;
      ModeValue(mode, (kind >> 2) % 4) = input.Number();
      break;
  }
  return mode;
}

bool SameRecord(const DEVMODEA& left, const DEVMODEA& right) {
  return std::memcmp(&left, &right, sizeof(DEVMODEA)) == 0;
}

bool IsClean(const DEVMODEA& mode) {
  return SameRecord(mode, memory::MakeDevMode(mode.dmPelsWidth, mode.dmPelsHeight,
                                              mode.dmBitsPerPel, mode.dmDisplayFrequency));
}

void WriteMode(const DEVMODEA& mode, const DEVMODEA& previous, FuzzInputWriter& output) {
  for (std::size_t field = 0; field < 4; ++field) {
    DEVMODEA changed = previous;
    ModeValue(changed, field) = ModeValue(mode, field);
    if (SameRecord(changed, mode)) {
      output.Byte(static_cast<std::uint8_t>(field << 2 | kLikePrevious));
      output.Number(ModeValue(mode, field));
      return;
    }
  }
  if (IsClean(mode)) {
    output.Byte(kCleanMode);
    output.Number(mode.dmPelsWidth);
    output.Number(mode.dmPelsHeight);
    output.Number(mode.dmBitsPerPel);
    output.Number(mode.dmDisplayFrequency);
    return;
  }
  output.Byte(kRawRecord);
  std::vector<std::uint8_t> record(sizeof(DEVMODEA));
  std::memcpy(record.data(), &mode, sizeof(DEVMODEA));
  output.Bytes(record);
}

}  // namespace

LeadByteTable JapaneseLeadBytes() { return ByteRanges({{0x81, 0x9F}, {0xE0, 0xFC}}); }
LeadByteTable ChineseLeadBytes() { return ByteRanges({{0x81, 0xFE}}); }

LeadByteTable ReadLeadBytes(FuzzInput& input) {
  switch (input.Choice(4)) {
    case kNoLeadBytes: return LeadByteTable{};
    case kJapanese: return JapaneseLeadBytes();
    case kChinese: return ChineseLeadBytes();
    default: {
      LeadByteTable table{};
      const std::vector<std::uint8_t> bitmap = input.Bytes(kLeadByteBitmapSize);
      for (std::size_t byte = 0; byte < table.size(); ++byte) {
        table[byte] = (bitmap[byte / 8] >> (byte % 8) & 1) != 0;
      }
      return table;
    }
  }
}

void WriteLeadBytes(const LeadByteTable& table, FuzzInputWriter& output) {
  if (table == LeadByteTable{}) {
    output.Choice(kNoLeadBytes);
    return;
  }
  if (table == JapaneseLeadBytes() || table == ChineseLeadBytes()) {
    output.Choice(table == JapaneseLeadBytes() ? kJapanese : kChinese);
    return;
  }
  output.Choice(kEveryByteListed);
  std::vector<std::uint8_t> bitmap(kLeadByteBitmapSize);
  for (std::size_t byte = 0; byte < table.size(); ++byte) {
    if (table[byte]) bitmap[byte / 8] |= static_cast<std::uint8_t>(1 << (byte % 8));
  }
  output.Bytes(bitmap);
}

std::string StandardDeviceName(std::size_t index) {
  return "\\\\.\\DISPLAY" + std::to_string(index + 1);
}

std::vector<memory::Adapter> ReadAdapters(FuzzInput& input) {
  std::vector<memory::Adapter> adapters(input.Choice(kMaxAdapters + 1));
  for (std::size_t index = 0; index < adapters.size(); ++index) {
    memory::Adapter& adapter = adapters[index];
    adapter.deviceName =
        (input.Byte() & 1) != 0 ? input.Text(kMaxDeviceNameLength) : StandardDeviceName(index);
    adapter.stateFlags = input.Byte();
    adapter.monitors.resize(input.Choice(kMaxMonitors + 1));
    for (std::string& description : adapter.monitors) {
      description = input.Text(kMaxDescriptionLength);
    }
    adapter.current = ReadCaps(input);
    adapter.registry = (input.Byte() & 1) != 0 ? ReadCaps(input) : adapter.current;
    adapter.modes.resize(input.Number() % (kMaxModes + 1));
    DEVMODEA previous = memory::MakeDevMode(0, 0, 0, 0);
    for (DEVMODEA& mode : adapter.modes) {
      mode = ReadMode(input, previous);
      previous = mode;
    }
  }
  return adapters;
}

void WriteAdapters(const std::vector<memory::Adapter>& adapters, FuzzInputWriter& output) {
  output.Choice(adapters.size());
  for (std::size_t index = 0; index < adapters.size(); ++index) {
    const memory::Adapter& adapter = adapters[index];
    if (adapter.deviceName == StandardDeviceName(index)) {
      output.Byte(0);
    } else {
      output.Byte(1);
      output.Text(adapter.deviceName);
    }
    output.Byte(static_cast<std::uint8_t>(adapter.stateFlags));
    output.Choice(adapter.monitors.size());
    for (const std::string& description : adapter.monitors) output.Text(description);
    WriteCaps(adapter.current, output);
    if (SameCaps(adapter.registry, adapter.current)) {
      output.Byte(0);
    } else {
      output.Byte(1);
      WriteCaps(adapter.registry, output);
    }
    output.Number(static_cast<std::uint32_t>(adapter.modes.size()));
    DEVMODEA previous = memory::MakeDevMode(0, 0, 0, 0);
    for (const DEVMODEA& mode : adapter.modes) {
      WriteMode(mode, previous, output);
      previous = mode;
    }
  }
}

}  // namespace vantiro::fuzz
