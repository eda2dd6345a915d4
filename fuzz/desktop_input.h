// The desktop that both fuzz targets run on, in the fuzz input format: the
// code page's lead bytes and the adapters with their monitors, current and
// stored modes and mode lists.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "platform/memory/memory_platform.h"

namespace vantiro::fuzz {

// Bounds that keep one run fast while leaving room for real catalogues.
inline constexpr std::size_t kMaxAdapters = 4;
inline constexpr std::size_t kMaxMonitors = 2;
inline constexpr std::size_t kMaxModes = 300;
// Longer than the platform's fields, so that their cut is exercised too.
inline constexpr std::size_t kMaxDeviceNameLength = 48;
inline constexpr std::size_t kMaxDescriptionLength = 160;

using LeadByteTable = std::array<bool, 256>;

// Lead bytes of the Japanese (932) and Simplified Chinese (936) code pages.
LeadByteTable JapaneseLeadBytes();
LeadByteTable ChineseLeadBytes();

LeadByteTable ReadLeadBytes(FuzzInput& input);
void WriteLeadBytes(const LeadByteTable& table, FuzzInputWriter& output);

// "\\\\.\\DISPLAY<index + 1>", the name most adapters get.
std::string StandardDeviceName(std::size_t index);

std::vector<memory::Adapter> ReadAdapters(FuzzInput& input);
// Adapters within the bounds above, with texts free of line feeds.
void WriteAdapters(const std::vector<memory::Adapter>& adapters, FuzzInputWriter& output);

}  // namespace vantiro::fuzz
