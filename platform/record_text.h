// Text of a fixed-size character field of a platform record. The platform
// normally terminates these, but a field filled to its end is read no further.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>

namespace vantiro {

template <std::size_t N>
std::string RecordText(const char (&field)[N]) {
  const void* end = std::memchr(field, '\0', N);
  const std::size_t length = end == nullptr ? N : static_cast<const char*>(end) - field;
  return std::string(field, length);
}

}  // namespace vantiro
