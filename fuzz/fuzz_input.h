// The byte format of fuzz inputs: a reader that decodes an input front to
// back, and a writer that encodes seed inputs which the reader reads back.
// Past the end of the input every read yields zero or empty text, so any
// input at all decodes to some case.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vantiro::fuzz {

// Numbers are one tag byte and what the tag asks for, so that the values that
// matter most cost one byte and a mutation of the tag jumps between widths:
//   tag & 3 == 0: the value tag >> 2 (0 to 63)
//   tag & 3 == 1: the next two bytes, little-endian
//   tag & 3 == 2: the next four bytes, little-endian
//   tag & 3 == 3: kNotableNumbers[(tag >> 2) % kNotableNumbers.size()]
inline constexpr std::array<std::uint32_t, 24> kNotableNumbers{
    0xFFFFFFFF, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFE, 640, 480, 800, 600, 1024, 768, 1280, 1200,
    1600,       1920,       1080,       900,        75,  85,  100, 120, 144,  156, 256,  65536};

// Texts end at a line feed, which is not part of them.
inline constexpr char kTextEnd = '\n';

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint8_t Byte();
  // One of `count` alternatives (count > 0), from one byte.
  std::size_t Choice(std::size_t count) { return Byte() % count; }
  std::uint32_t Number();
  // Up to `maxLength` bytes, ending early at a line feed, which is consumed.
  std::string Text(std::size_t maxLength);
  // Every byte not read yet.
  std::string Rest();
  std::vector<std::uint8_t> Bytes(std::size_t count);

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

class FuzzInputWriter {
 public:
  void Byte(std::uint8_t value) { bytes_.push_back(value); }
  void Choice(std::size_t index) { Byte(static_cast<std::uint8_t>(index)); }
  // The shortest form that reads back as `value`.
  void Number(std::uint32_t value);
  // `text` must hold no line feed and be shorter than the reader's maxLength.
  void Text(const std::string& text);
  void Rest(const std::string& text);
  void Bytes(const std::vector<std::uint8_t>& values);

  const std::vector<std::uint8_t>& Data() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace vantiro::fuzz
