// Copies of test texts in heap blocks of exactly their size, so that the
// address sanitizer catches any read past their end.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace vantiro {

// The bytes of `text` with no terminator after them.
class ExactBuffer {
 public:
  explicit ExactBuffer(const std::string& text)
      : size_(text.size()), bytes_(std::make_unique<char[]>(text.size())) {
    std::memcpy(bytes_.get(), text.data(), text.size());
  }
  std::string_view View() const { return std::string_view(bytes_.get(), size_); }

 private:
  std::size_t size_;
  std::unique_ptr<char[]> bytes_;
};

// `text` and its terminator, nothing more.
class ExactCString {
 public:
  explicit ExactCString(const std::string& text)
      : bytes_(std::make_unique<char[]>(text.size() + 1)) {
    std::memcpy(bytes_.get(), text.c_str(), text.size() + 1);
  }
  const char* Get() const { return bytes_.get(); }

 private:
  std::unique_ptr<char[]> bytes_;
};

}  // namespace vantiro
