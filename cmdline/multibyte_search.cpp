#include "cmdline/multibyte_search.h"

#include "platform/platform.h"

namespace vantiro {

namespace {

// True when the character at `position` is a single byte found in `characters`.
// A double-byte character never equals one of them, whatever its bytes are.
bool IsSingleByteOneOf(std::string_view text, std::size_t position, std::string_view characters) {
  return CharacterLength(text, position) == 1 &&
         characters.find(text[position]) != std::string_view::npos;
}

// True when the characters that start at `from` (a boundary) end exactly at
// `end`, so that `end` is a boundary too.
bool EndsOnBoundary(std::string_view text, std::size_t from, std::size_t end) {
  std::size_t position = from;
  while (position < end) position += CharacterLength(text, position);
  return position == end;
}

}  // namespace

std::size_t CharacterLength(std::string_view text, std::size_t position) {
  // A lead byte as the last byte of the text has no trail: it stands alone.
  if (position + 1 < text.size() &&
      platform::IsDBCSLeadByte(static_cast<BYTE>(text[position])) != FALSE) {
    return 2;
  }
  return 1;
}

std::size_t FindFirstOf(std::string_view text, std::string_view characters, std::size_t from) {
  for (std::size_t position = from; position < text.size();
       position += CharacterLength(text, position)) {
    if (IsSingleByteOneOf(text, position, characters)) return position;
  }
  return kNotFound;
}

std::size_t FindText(std::string_view text, std::string_view needle) {
  if (needle.empty()) return 0;
  for (std::size_t position = 0; position + needle.size() <= text.size();
       position += CharacterLength(text, position)) {
    // A match must consist of whole characters: a needle that ends in a lone
    // lead byte does not match the first half of a double-byte character.
    if (text.compare(position, needle.size(), needle) == 0 &&
        EndsOnBoundary(text, position, position + needle.size())) {
      return position;
    }
  }
  return kNotFound;
}

}  // namespace vantiro
