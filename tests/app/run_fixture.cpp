#include "tests/app/run_fixture.h"

#include <sstream>

#include "app/run_driver.h"

namespace vantiro {

using memory::MakeAdapter;
using memory::MakeDevMode;

void RunTest::SetUp() {
  MemoryPlatformTest::SetUp();
  memory::Adapter primary =
      MakeAdapter(kPrimary, DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE,
                  {"Generic Monitor"}, {1024, 768, 32, 60});
  primary.modes = {MakeDevMode(640, 480, 32, 60),   MakeDevMode(800, 600, 16, 60),
                   MakeDevMode(800, 600, 32, 60),   MakeDevMode(800, 600, 32, 75),
                   MakeDevMode(1024, 768, 32, 60),  MakeDevMode(1024, 768, 32, 75),
                   MakeDevMode(1280, 1024, 32, 60), MakeDevMode(1600, 1200, 32, 60)};
  memory::Adapter secondary = MakeAdapter(kSecondary, DISPLAY_DEVICE_ATTACHED_TO_DESKTOP,
                                          {"Side Panel"}, {1280, 1024, 32, 75});
  secondary.modes = {MakeDevMode(800, 600, 32, 75), MakeDevMode(1280, 1024, 32, 60),
                     MakeDevMode(1280, 1024, 32, 75)};
  platform.adapters = {primary, secondary};
}

ExitStatus RunTest::Run(const std::vector<std::string>& arguments,
                        const std::string& rawCommandLine) {
  platform.commandLine = rawCommandLine;
  memory::ArgumentVector vector(arguments);
  return RunVantiro(vector.Count(), vector.Vector());
}

ExitStatus RunTest::Run(const std::string& rawCommandLine) {
  std::vector<std::string> arguments;
  std::istringstream words(rawCommandLine);
  for (std::string word; words >> word;) arguments.push_back(word);
  return Run(arguments, rawCommandLine);
}

std::vector<std::string> RunTest::NoticeTexts() const {
  std::vector<std::string> texts;
  for (const memory::PlatformCall& box : platform.MessageBoxes()) texts.push_back(box.text);
  return texts;
}

}  // namespace vantiro
