#include "cmdline/program_command_line.h"

#include <string_view>

#include "cmdline/multibyte_search.h"

namespace vantiro {

namespace {

// Moves over the character at `position`, never past the end of the text.
std::size_t NextCharacter(std::string_view text, std::size_t position) {
  if (position >= text.size()) return text.size();
  return position + CharacterLength(text, position);
}

bool IsCharacter(std::string_view text, std::size_t position, char wanted) {
  return position < text.size() && text[position] == wanted && CharacterLength(text, position) == 1;
}

}  // namespace

std::string ExtractProgramCommandLine(const char* commandLine, const char* argument0) {
  if (commandLine == nullptr || argument0 == nullptr) return std::string();
  const std::string_view text(commandLine);
  const std::string_view ownName(argument0);

  const std::size_t nameStart = FindText(text, ownName);
  if (nameStart == kNotFound) return std::string();
  std::size_t position = nameStart + ownName.size();
  // A quoted program name: step over its closing quote. When the line ends with
  // the name (the quote never closed), there is nothing to step over.
  if (IsCharacter(text, 0, '"')) position = NextCharacter(text, position);

  position = FindFirstOf(text, " ", position);
  if (position == kNotFound) return std::string();

  // `position` is on a space, or just after the closing quote of a quoted
  // stretch inside a switch; the character there is passed over either way.
  for (;;) {
    if (position >= text.size()) return std::string();
    position = NextCharacter(text, position);
    if (position >= text.size()) return std::string();
    if (!IsCharacter(text, position, ' ') && !IsCharacter(text, position, '-') &&
        !IsCharacter(text, position, '/')) {
      return std::string(text.substr(position));
    }
    // A space or the start of a switch: go on to the next space, passing over
    // a double-quoted stretch (a description with spaces) whole.
    const std::size_t stop = FindFirstOf(text, "\" ", position);
    if (stop == kNotFound) return std::string();
    if (text[stop] == ' ') {
      position = stop;
      continue;
    }
    const std::size_t closingQuote = FindFirstOf(text, "\"", NextCharacter(text, stop));
    if (closingQuote == kNotFound) return std::string();
    position = closingQuote + 1;
  }
}

}  // namespace vantiro
