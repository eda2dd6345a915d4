#include "reports/mode_list.h"

#include <gmock/gmock.h>

#include "tests/support/memory_platform_test.h"

namespace vantiro {
namespace {

using memory::MakeAdapter;
using memory::MakeDevMode;

const std::string kHead =
    "Resolutions below 800x600 are not displayed.\r\n\r\nWidth\tHeight\tDepth\tRate\r\n";

class ModeListTest : public MemoryPlatformTest {
 protected:
  void Offer(std::vector<DEVMODEA> modes) {
    memory::Adapter adapter = MakeAdapter(
        "\\\\.\\DISPLAY1", DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE,
        {"M"}, {1024, 768, 32, 60});
    adapter.modes = std::move(modes);
    platform.adapters = {adapter};
  }
};

TEST_F(ModeListTest, GroupsRatesPerWidthHeightAndDepth) {
  Offer({MakeDevMode(640, 480, 32, 60), MakeDevMode(800, 600, 16, 75),
         MakeDevMode(800, 600, 16, 60), MakeDevMode(800, 600, 32, 60),
         MakeDevMode(800, 600, 32, 56), MakeDevMode(1024, 768, 32, 85),
         MakeDevMode(1024, 768, 32, 60), MakeDevMode(1024, 768, 32, 70)});
  EXPECT_EQ(ModeReport(nullptr), kHead +
                                     "800\t600\t16\t60/75\r\n"
                                     "800\t600\t32\t56/60\r\n"
                                     "1024\t768\t32\t60/70/85\r\n");
}

TEST_F(ModeListTest, EmptyCatalogueGivesTheHeadOnly) {
  Offer({});
  EXPECT_EQ(ModeReport(nullptr), kHead);
  EXPECT_EQ(ModeReport("\\\\.\\NOSUCHDISPLAY"), kHead);
}

TEST_F(ModeListTest, FloorIsOrderedNotFieldByField) {
  const struct {
    DEVMODEA mode;
    const char* line;  // empty when the mode is below the floor
  } cases[] = {
      {MakeDevMode(800, 600, 4, 56), ""},
      {MakeDevMode(800, 600, 4, 60), "800\t600\t4\t60\r\n"},
      {MakeDevMode(800, 600, 8, 56), "800\t600\t8\t56\r\n"},
      {MakeDevMode(800, 599, 32, 60), ""},
      {MakeDevMode(799, 900, 32, 60), ""},
      {MakeDevMode(801, 200, 32, 60), "801\t200\t32\t60\r\n"},
      {MakeDevMode(1024, 480, 8, 60), "1024\t480\t8\t60\r\n"},
      {MakeDevMode(640, 1024, 32, 60), ""},
      {MakeDevMode(800, 600, 3, 75), ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    Offer({c.mode});
    EXPECT_EQ(ModeReport(nullptr), kHead + c.line);
  }
}

TEST_F(ModeListTest, RatesOfZeroAndOneAreWrittenAndRepeatsDropped) {
  DEVMODEA interlaced = MakeDevMode(1024, 768, 32, 60);
  interlaced.dmDisplayFlags = 2;
  Offer({MakeDevMode(1024, 768, 32, 60), interlaced, MakeDevMode(1024, 768, 32, 1),
         MakeDevMode(1024, 768, 32, 0), MakeDevMode(1280, 1024, 16, 60),
         MakeDevMode(1280, 1024, 32, 60)});
  EXPECT_EQ(ModeReport(nullptr), kHead +
                                     "1024\t768\t32\t0/1/60\r\n"
                                     "1280\t1024\t16\t60\r\n"
                                     "1280\t1024\t32\t60\r\n");
}

TEST_F(ModeListTest, ReportsTheNamedDeviceAndShowsOneNotice) {
  Offer({MakeDevMode(800, 600, 32, 60)});
  memory::Adapter other = MakeAdapter("\\\\.\\DISPLAY2", DISPLAY_DEVICE_ATTACHED_TO_DESKTOP, {"N"},
                                      {1280, 1024, 32, 60});
  other.modes = {MakeDevMode(1280, 1024, 32, 60)};
  platform.adapters.push_back(other);
  ListModes("\\\\.\\DISPLAY2", RunOptions{});
  ASSERT_EQ(platform.MessageBoxes().size(), 1u);
  EXPECT_EQ(platform.MessageBoxes()[0].text, kHead + "1280\t1024\t32\t60\r\n");
}

TEST_F(ModeListTest, QuietShowsNothing) {
  Offer({MakeDevMode(800, 600, 32, 60)});
  RunOptions quiet;
  quiet.quiet = true;
  ListModes(nullptr, quiet);
  EXPECT_TRUE(platform.MessageBoxes().empty());
}

}  // namespace
}  // namespace vantiro
