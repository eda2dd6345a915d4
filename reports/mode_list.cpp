#include "reports/mode_list.h"

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <vector>

#include "app/notices.h"
#include "modes/mode_catalogue.h"

namespace vantiro {

namespace {

// Modes that order below this one are not listed.
const DisplayMode kFloorMode(800, 600, 4, 60);

// Writes "W\tH\tD\tR1/R2/...\r\n" for the modes of one width, height and
// depth, rates ascending without repeats.
void WriteModeLine(std::ostringstream& report, const DisplayMode& key,
                   std::vector<std::uint32_t>& rates) {
  std::sort(rates.begin(), rates.end());
  rates.erase(std::unique(rates.begin(), rates.end()), rates.end());
  report << key.width << '\t' << key.height << '\t' << key.depth << '\t';
  for (std::size_t i = 0; i < rates.size(); ++i) {
    if (i != 0) report << '/';
    report << rates[i];
  }
  report << "\r\n";
}

}  // namespace

std::string ModeReport(const char* device) {
  std::ostringstream report;
  report << "Resolutions below 800x600 are not displayed.\r\n\r\n"
         << "Width\tHeight\tDepth\tRate\r\n";

  DisplayModeList modes;
  EnumerateModes(modes, device);
  modes.erase(std::remove_if(modes.begin(), modes.end(),
                             [](const DisplayMode& mode) { return mode < kFloorMode; }),
              modes.end());

  // The catalogue is sorted, so the modes of one line stand together.
  std::vector<std::uint32_t> rates;
  auto first = modes.begin();
  while (first != modes.end()) {
    DisplayMode anyRate = *first;
    anyRate.refresh = kAnyValue;
    const auto last = std::find_if_not(first, modes.end(),
                                       [&](const DisplayMode& mode) { return mode == anyRate; });
    rates.clear();
    std::transform(first, last, std::back_inserter(rates),
                   [](const DisplayMode& mode) { return mode.refresh; });
    WriteModeLine(report, *first, rates);
    first = last;
  }
  return report.str();
}

void ListModes(const char* device, const RunOptions& options) {
  ShowNotice(ModeReport(device), options);
}

}  // namespace vantiro
