#include "fuzz/command_line_case.h"

namespace vantiro::fuzz {

CommandLineCase ReadCommandLineCase(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  CommandLineCase commandLineCase;
  commandLineCase.leadBytes = ReadLeadBytes(input);
  commandLineCase.adapters = ReadAdapters(input);
  const std::string rest = input.Rest();
  commandLineCase.commandLine = rest.substr(0, rest.find('\0'));
  return commandLineCase;
}

std::vector<std::uint8_t> WriteCommandLineCase(const CommandLineCase& commandLineCase) {
  FuzzInputWriter output;
  WriteLeadBytes(commandLineCase.leadBytes, output);
  WriteAdapters(commandLineCase.adapters, output);
  output.Rest(commandLineCase.commandLine);
  return output.Data();
}

}  // namespace vantiro::fuzz
