// Bounded writes into the fixed text fields of the Windows records.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>

namespace vantiro::x11 {

// Copies as much of `text` as fits and always terminates the field.
template <typename Character, std::size_t N>
void CopyToField(Character (&field)[N], const std::string& text) {
  static_assert(sizeof(Character) == 1, "a field of 8-bit characters");
  const std::size_t length = text.size() < N - 1 ? text.size() : N - 1;
  std::memcpy(field, text.data(), length);
  std::memset(field + length, 0, N - length);
}

}  // namespace vantiro::x11
