#include "platform/command_line_rules.h"

#include <cstddef>

namespace vantiro::platform {

namespace {

bool IsBlank(char character) { return character == ' ' || character == '\t'; }

bool NeedsQuotes(const std::string& argument) {
  return argument.empty() || argument.find_first_of(" \t\"") != std::string::npos;
}

// The name is taken up to the first blank outside quotes and its quotes are
// dropped, so quoting it whole is the only form that keeps its blanks.
void AppendProgramName(const std::string& name, std::string& line) {
  if (NeedsQuotes(name) && name.find('"') == std::string::npos) {
    line += '"';
    line += name;
    line += '"';
  } else {
    line += name;
  }
}

// Writes `text` as the inside of a quoted stretch followed by its closing
// quote: a backslash run counts double before a quote, and a quote is escaped.
void AppendQuoted(const std::string& text, std::string& line) {
  line += '"';
  std::size_t backslashes = 0;
  for (const char character : text) {
    if (character == '\\') {
      ++backslashes;
      continue;
    }
    if (character == '"') {
      line.append(2 * backslashes + 1, '\\');
    } else {
      line.append(backslashes, '\\');
    }
    backslashes = 0;
    line += character;
  }
  line.append(2 * backslashes, '\\');
  line += '"';
}

// Where the quotes of an argument open: after the "=" of a switch whose name
// needs none, else at its start.
std::size_t QuoteStart(const std::string& argument) {
  if (argument.empty() || (argument[0] != '-' && argument[0] != '/')) return 0;
  const std::size_t equals = argument.find('=');
  if (equals == std::string::npos) return 0;
  const std::size_t firstSpecial = argument.find_first_of(" \t\"");
  return firstSpecial > equals ? equals + 1 : 0;
}

void AppendArgument(const std::string& argument, std::string& line) {
  if (!NeedsQuotes(argument)) {
    line += argument;
    return;
  }
  const std::size_t start = QuoteStart(argument);
  line.append(argument, 0, start);
  AppendQuoted(argument.substr(start), line);
}

// Argument 0: quotes group and are dropped; nothing is escaped.
std::size_t SplitProgramName(const std::string& text, std::vector<std::string>& arguments) {
  std::string name;
  bool quoted = false;
  std::size_t position = 0;
  for (; position < text.size(); ++position) {
    const char character = text[position];
    if (character == '"') {
      quoted = !quoted;
    } else if (!quoted && IsBlank(character)) {
      break;
    } else {
      name += character;
    }
  }
  arguments.push_back(name);
  return position;
}

// One later argument from `position` (not blank); returns where it ended.
std::size_t SplitArgument(const std::string& text, std::size_t position, std::string& argument) {
  bool quoted = false;
  while (position < text.size()) {
    std::size_t backslashes = 0;
    while (position < text.size() && text[position] == '\\') {
      ++backslashes;
      ++position;
    }
    bool keepCharacter = true;
    if (position < text.size() && text[position] == '"') {
      if (backslashes % 2 == 0) {
        if (quoted && position + 1 < text.size() && text[position + 1] == '"') {
          ++position;  // a pair of quotes inside quotes is one literal quote
        } else {
          keepCharacter = false;
          quoted = !quoted;
        }
      }
      backslashes /= 2;
    }
    argument.append(backslashes, '\\');
    if (position >= text.size() || (!quoted && IsBlank(text[position]))) break;
    if (keepCharacter) argument += text[position];
    ++position;
  }
  return position;
}

}  // namespace

std::string QuoteArguments(const std::vector<std::string>& arguments) {
  std::string line;
  for (std::size_t index = 0; index < arguments.size(); ++index) {
    if (index == 0) {
      AppendProgramName(arguments[0], line);
    } else {
      line += ' ';
      AppendArgument(arguments[index], line);
    }
  }
  return line;
}

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> arguments;
  if (commandLine.empty()) return arguments;
  std::size_t position = SplitProgramName(commandLine, arguments);
  for (;;) {
    while (position < commandLine.size() && IsBlank(commandLine[position])) ++position;
    if (position >= commandLine.size()) break;
    std::string argument;
    position = SplitArgument(commandLine, position, argument);
    arguments.push_back(argument);
  }
  return arguments;
}

}  // namespace vantiro::platform
