#include "fuzz/case_text.h"

#include <algorithm>
#include <sstream>

#include "fuzz/violations.h"

namespace vantiro::fuzz {

namespace {

void DescribeLeadBytes(const LeadByteTable& table, std::ostream& out) {
  out << "lead bytes: ";
  if (table == LeadByteTable{}) {
    out << "none";
  } else if (table == JapaneseLeadBytes()) {
    out << "Japanese";
  } else if (table == ChineseLeadBytes()) {
    out << "Chinese";
  } else {
    out << std::count(table.begin(), table.end(), true) << " listed";
  }
  out << '\n';
}

void DescribeAdapters(const std::vector<memory::Adapter>& adapters, std::ostream& out) {
  for (const memory::Adapter& adapter : adapters) {
    out << "adapter \"" << Printable(adapter.deviceName) << "\" flags " << adapter.stateFlags
        << " current " << adapter.current.width << 'x' << adapter.current.height << 'x'
        << adapter.current.bitsPerPixel << '@' << adapter.current.refresh << " stored "
        << adapter.registry.width << 'x' << adapter.registry.height << 'x'
        << adapter.registry.bitsPerPixel << '@' << adapter.registry.refresh << '\n';
    for (const std::string& monitor : adapter.monitors) {
      out << "  monitor \"" << Printable(monitor) << "\"\n";
    }
    out << "  " << adapter.modes.size() << " modes:";
    for (const DEVMODEA& mode : adapter.modes) {
      out << ' ' << mode.dmPelsWidth << 'x' << mode.dmPelsHeight << 'x' << mode.dmBitsPerPel << '@'
          << mode.dmDisplayFrequency;
    }
    out << '\n';
  }
}

void DescribeCommandLine(const std::vector<std::string>& arguments, const std::string& commandLine,
                         std::ostream& out) {
  out << "raw command line: \"" << Printable(commandLine) << "\"\narguments:";
  for (const std::string& argument : arguments) out << " [" << Printable(argument) << ']';
  out << '\n';
}

}  // namespace

std::string DescribeCommandLineCase(const CommandLineCase& commandLineCase) {
  std::ostringstream out;
  DescribeLeadBytes(commandLineCase.leadBytes, out);
  DescribeAdapters(commandLineCase.adapters, out);
  out << "raw command line: \"" << Printable(commandLineCase.commandLine) << "\"\n";
  return out.str();
}

std::string DescribeRunCase(const RunCase& runCase) {
  std::ostringstream out;
  if (!runCase.displayServicesAvailable) out << "display services unavailable\n";
  if (runCase.createDcFails) out << "device contexts fail\n";
  DescribeLeadBytes(runCase.leadBytes, out);
  DescribeAdapters(runCase.adapters, out);
  out << "change results:";
  for (const LONG result : runCase.changeResults) out << ' ' << result;
  out << "\nstart results:";
  for (const memory::StartResult& result : runCase.startResults) {
    out << ' '
        << (result.started ? std::string("started") : "error " + std::to_string(result.error));
  }
  out << '\n';
  DescribeCommandLine(runCase.arguments, runCase.commandLine, out);
  return out.str();
}

}  // namespace vantiro::fuzz
