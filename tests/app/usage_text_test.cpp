#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "app/notice_texts.h"

namespace vantiro {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

TEST(UsageTextTest, HoldsTheTwentySixLinesJoinedByCrLf) {
  const std::vector<std::string> expected = {
      "vantiro.exe [-width=<width>|max] [-height=<height>|max]",
      "\t[-depth=<bits-color-depth>|max]",
      "\t[-refresh=<refresh-rate>|max]",
      "\t[-test] [-force] [-quiet]",
      "\t[-listmonitors] [-listmodes] [-monitor=\"NAME\"]",
      "\t[<command-line ...>]",
      "",
      "To use the current width, height, color depth, or refresh rate don't specify the switch.",
      "To use the best available width, height, color depth, or refresh rate, specify \"max\" as "
      "the value.",
      "",
      "Use the -test switch to see what settings and command line will be used.",
      "Use the -quiet switch to suppress dialog boxes.",
      "Use the -listmonitors switch to output the available display devices. These are the values "
      "for the -monitor switch.",
      "Use the -listmodes switch to output the available resolutions for each monitor.",
      "Use the -force switch to use an unsupported video mode.",
      "",
      "If you don't specify a command line, Vantiro will only change the display settings.",
      "",
      "Examples:",
      "\tVantiro.exe -width=800 -height=600 -depth=8 -refresh=max notepad.exe c:\\autoexec.bat",
      "\tVantiro.exe -width=1024 -depth=max notepad.exe c:\\autoexec.bat",
      "\tVantiro.exe -width=1600 -height=1200 -depth=max",
      "",
      "Please be aware that you can damage your video adapter or monitor by using an unsupported "
      "resolution. Orvane assumes no responsibility or liability for your use of Vantiro.",
      "",
      "For more information, please visit Orvane's Web site at www.orvane.com.",
  };
  const std::string text = UsageText();
  const std::vector<std::string> lines = SplitLines(text);
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
  }
  EXPECT_NE(text.substr(text.size() - 2), "\r\n");
}

}  // namespace
}  // namespace vantiro
