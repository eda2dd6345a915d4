#include "fuzz/fuzz_input.h"

#include <algorithm>

namespace vantiro::fuzz {

std::uint8_t FuzzInput::Byte() { return position_ < size_ ? data_[position_++] : 0; }

std::uint32_t FuzzInput::Number() {
  const std::uint8_t tag = Byte();
  switch (tag & 3) {
    case 0: return tag >> 2;
    case 1: {
      const std::uint32_t low = Byte();
      return low | static_cast<std::uint32_t>(Byte()) << 8;
    }
    case 2: {
      std::uint32_t value = 0;
      for (int shift = 0; shift < 32; shift += 8)
        value |= static_cast<std::uint32_t>(Byte()) << shift;
      return value;
    }
    default: return kNotableNumbers[(tag >> 2) % kNotableNumbers.size()];
  }
}

std::string FuzzInput::Text(std::size_t maxLength) {
  std::string text;
  while (text.size() < maxLength && position_ < size_) {
    const char next = static_cast<char>(data_[position_++]);
    if (next == kTextEnd) break;
    text += next;
  }
  return text;
}

std::string FuzzInput::Rest() {
  std::string rest(reinterpret_cast<const char*>(data_) + position_, size_ - position_);
  position_ = size_;
  return rest;
}

std::vector<std::uint8_t> FuzzInput::Bytes(std::size_t count) {
  std::vector<std::uint8_t> values(count);
  for (std::uint8_t& value : values) value = Byte();
  return values;
}

void FuzzInputWriter::Number(std::uint32_t value) {
  if (value < 64) {
    Byte(static_cast<std::uint8_t>(value << 2));
    return;
  }
  const auto notable = std::find(kNotableNumbers.begin(), kNotableNumbers.end(), value);
  if (notable != kNotableNumbers.end()) {
    Byte(static_cast<std::uint8_t>((notable - kNotableNumbers.begin()) << 2 | 3));
    return;
  }
  if (value <= 0xFFFF) {
    Byte(1);
    Byte(static_cast<std::uint8_t>(value));
    Byte(static_cast<std::uint8_t>(value >> 8));
    return;
  }
  Byte(2);
  for (int shift = 0; shift < 32; shift += 8) Byte(static_cast<std::uint8_t>(value >> shift));
}

void FuzzInputWriter::Text(const std::string& text) {
  bytes_.insert(bytes_.end(), text.begin(), text.end());
  Byte(static_cast<std::uint8_t>(kTextEnd));
}

void FuzzInputWriter::Rest(const std::string& text) {
  bytes_.insert(bytes_.end(), text.begin(), text.end());
}

void FuzzInputWriter::Bytes(const std::vector<std::uint8_t>& values) {
  bytes_.insert(bytes_.end(), values.begin(), values.end());
}

}  // namespace vantiro::fuzz
