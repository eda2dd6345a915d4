// Searches over ANSI command-line text that step over double-byte characters
// as whole characters, so that a trail byte that happens to equal "=", a
// double quote or a space is never taken for one.
#pragma once

#include <cstddef>
#include <string_view>

namespace vantiro {

constexpr std::size_t kNotFound = std::string_view::npos;

// Position of the first character at or after `from` (a character boundary)
// that is one of `characters`, or kNotFound.
std::size_t FindFirstOf(std::string_view text, std::string_view characters, std::size_t from = 0);

// Position of the first occurrence of `needle` that starts on a character
// boundary and covers whole characters, or kNotFound. An empty needle is
// found at 0.
std::size_t FindText(std::string_view text, std::string_view needle);

// The length in bytes of the character that starts at `position`: 2 for a
// lead byte followed by a trail byte, else 1.
std::size_t CharacterLength(std::string_view text, std::size_t position);

}  // namespace vantiro
