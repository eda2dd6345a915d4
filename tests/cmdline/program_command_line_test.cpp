#include "cmdline/program_command_line.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/cmdline/exact_buffer.h"
#include "tests/support/memory_platform_test.h"

namespace vantiro {
namespace {

struct CommandLineCase {
  std::string commandLine;
  std::string argument0;
  std::string expected;
};

void PrintTo(const CommandLineCase& line, std::ostream* out) {
  *out << "raw [" << line.commandLine << "] argument 0 [" << line.argument0 << "] -> ["
       << line.expected << ']';
}

std::string Extract(const CommandLineCase& line) {
  // Exactly sized copies: any read past a terminator is caught.
  const ExactCString commandLine(line.commandLine);
  const ExactCString argument0(line.argument0);
  return ExtractProgramCommandLine(commandLine.Get(), argument0.Get());
}

class ProgramCommandLineTest : public MemoryPlatformTest,
                               public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(ProgramCommandLineTest, CutsTheProgramOutOfTheRawLine) {
  EXPECT_EQ(Extract(GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    RawCommandLines, ProgramCommandLineTest,
    ::testing::Values(
        CommandLineCase{
            R"(Vantiro.exe -width=800 -height=600 -depth=8 -refresh=max notepad.exe c:\autoexec.bat)",
            "Vantiro.exe", R"(notepad.exe c:\autoexec.bat)"},
        CommandLineCase{"Vantiro.exe -width=1600 -height=1200 -depth=max", "Vantiro.exe", ""},
        CommandLineCase{"Vantiro.exe", "Vantiro.exe", ""},
        CommandLineCase{"Vantiro.exe ", "Vantiro.exe", ""},
        CommandLineCase{"Vantiro.exe  ", "Vantiro.exe", ""},
        CommandLineCase{"Vantiro.exe    -width=800    notepad.exe", "Vantiro.exe", "notepad.exe"},
        // A quoted program path: the closing quote of our own name is passed
        // over, the program's quotes are kept.
        CommandLineCase{
            R"("C:\Program Files\Vantiro\Vantiro.exe" -width=1024 "C:\Games\game.exe" -window)",
            R"(C:\Program Files\Vantiro\Vantiro.exe)", R"("C:\Games\game.exe" -window)"},
        CommandLineCase{R"("Vantiro.exe" notepad.exe)", "Vantiro.exe", "notepad.exe"},
        CommandLineCase{R"("Vantiro.exe")", "Vantiro.exe", ""},
        // A quoted stretch inside a switch is passed over whole.
        CommandLineCase{R"(Vantiro.exe -monitor="Left Panel" notepad.exe)", "Vantiro.exe",
                        "notepad.exe"},
        CommandLineCase{R"(Vantiro.exe -monitor="Left Panel")", "Vantiro.exe", ""},
        CommandLineCase{R"(Vantiro.exe -monitor="Left Panel -width=800)", "Vantiro.exe", ""},
        // So is the one character after its closing quote.
        CommandLineCase{R"(Vantiro.exe -monitor="A"x notepad.exe)", "Vantiro.exe", "notepad.exe"},
        CommandLineCase{R"(Vantiro.exe -monitor="A"x)", "Vantiro.exe", ""},
        CommandLineCase{R"(Vantiro.exe -monitor="A" "B" notepad.exe)", "Vantiro.exe",
                        R"("B" notepad.exe)"},
        CommandLineCase{"Vantiro.exe /width=800 notepad.exe /p readme.txt", "Vantiro.exe",
                        "notepad.exe /p readme.txt"},
        CommandLineCase{R"(Vantiro.exe "-width=800" notepad.exe)", "Vantiro.exe",
                        R"("-width=800" notepad.exe)"},
        CommandLineCase{R"(Vantiro.exe -width=800 "C:\My Games\game.exe" -x)", "Vantiro.exe",
                        R"("C:\My Games\game.exe" -x)"},
        // The program's own spacing and switch-like arguments are kept.
        CommandLineCase{"Vantiro.exe -width=800 notepad.exe  -height=600  a.txt  ", "Vantiro.exe",
                        "notepad.exe  -height=600  a.txt  "},
        CommandLineCase{"Vantiro.exe -width=800", "Vantiro.exe", ""},
        CommandLineCase{"Vantiro.exe -width=800 ", "Vantiro.exe", ""},
        // Only spaces separate.
        CommandLineCase{"Vantiro.exe\t-width=800\tnotepad.exe", "Vantiro.exe", ""},
        CommandLineCase{"Vantiro.exe -width=800\tnotepad.exe", "Vantiro.exe", ""},
        // A program name quoted only in part does not occur in the raw text.
        CommandLineCase{R"(C:\"Program Files"\Vantiro.exe -width=800 notepad.exe)",
                        R"(C:\Program Files\Vantiro.exe)", ""},
        CommandLineCase{"", "Vantiro.exe", ""},
        // Our own name found first, even when the program has the same name.
        CommandLineCase{"v.exe -width=800 v.exe", "v.exe", "v.exe"}));

class ProgramCommandLineEdgeTest : public MemoryPlatformTest {};

TEST_F(ProgramCommandLineEdgeTest, NullTextsGiveNoProgram) {
  EXPECT_EQ(ExtractProgramCommandLine(nullptr, "Vantiro.exe"), "");
  EXPECT_EQ(ExtractProgramCommandLine("Vantiro.exe notepad.exe", nullptr), "");
}

TEST_F(ProgramCommandLineEdgeTest, OpeningQuoteWithoutClosingQuoteStopsAtTheEnd) {
  // The name runs to the end of the line, so there is no closing quote to
  // step over.
  EXPECT_EQ(Extract({"\"Vantiro.exe", "Vantiro.exe", ""}), "");
  EXPECT_EQ(Extract({"\"Vantiro.exe notepad.exe", "Vantiro.exe notepad.exe", ""}), "");
}

// 0x81 opens a double-byte character; the byte after it belongs to it.
class ProgramCommandLineLeadByteTest : public ProgramCommandLineEdgeTest {
 protected:
  void SetUp() override {
    ProgramCommandLineEdgeTest::SetUp();
    platform.leadBytes[0x81] = true;
  }
};

TEST_F(ProgramCommandLineLeadByteTest, TrailByteThatIsASpaceDoesNotEndASwitch) {
  EXPECT_EQ(Extract({"Vantiro.exe -monitor=\x81 Panel notepad.exe", "Vantiro.exe", ""}),
            "notepad.exe");
}

TEST_F(ProgramCommandLineLeadByteTest, TrailByteThatIsAQuoteOpensNoStretch) {
  EXPECT_EQ(Extract({"Vantiro.exe -monitor=\x81\" notepad.exe", "Vantiro.exe", ""}), "notepad.exe");
}

TEST_F(ProgramCommandLineLeadByteTest, TrailByteThatIsAQuoteClosesNoStretch) {
  EXPECT_EQ(Extract({"Vantiro.exe -monitor=\"A\x81\" B\" notepad.exe", "Vantiro.exe", ""}),
            "notepad.exe");
}

TEST_F(ProgramCommandLineLeadByteTest, DoubleByteCharacterAfterAClosingQuoteIsPassedOverWhole) {
  // As "y" is passed over in -monitor="A"yB, so is "\x81" "y", and the
  // program starts at "B".
  EXPECT_EQ(Extract({"Vantiro.exe -monitor=\"A\"yB notepad.exe", "Vantiro.exe", ""}),
            "B notepad.exe");
  EXPECT_EQ(Extract({"Vantiro.exe -monitor=\"A\"\x81yB notepad.exe", "Vantiro.exe", ""}),
            "B notepad.exe");
}

TEST_F(ProgramCommandLineLeadByteTest, ProgramMayStartWithADoubleByteCharacter) {
  EXPECT_EQ(Extract({"Vantiro.exe -width=800 \x81-game.exe", "Vantiro.exe", ""}), "\x81-game.exe");
  EXPECT_EQ(Extract({"Vantiro.exe -width=800 \x81", "Vantiro.exe", ""}), "\x81");
}

TEST_F(ProgramCommandLineLeadByteTest, OwnNameMatchesOnlyAtACharacterBoundary) {
  // The first "v.exe" is the tail of the character "\x81v".
  EXPECT_EQ(Extract({"\x81v.exe v.exe -width=800 notepad.exe", "v.exe", ""}), "notepad.exe");
  EXPECT_EQ(Extract({"\x81v.exe -width=800 notepad.exe", "v.exe", ""}), "");
}

TEST_F(ProgramCommandLineLeadByteTest, LeadByteAtTheEndOfASwitchReadsNothingBeyond) {
  EXPECT_EQ(Extract({"Vantiro.exe -width=800\x81", "Vantiro.exe", ""}), "");
  EXPECT_EQ(Extract({"Vantiro.exe -monitor=\"\x81", "Vantiro.exe", ""}), "");
}

// Whatever the lead-byte table says, no read passes the end of the line and
// the result is empty or a tail of the raw line.
class ProgramCommandLineEveryLeadByteTest : public ProgramCommandLineTest {};

TEST_P(ProgramCommandLineEveryLeadByteTest, ResultIsATailOfTheRawLine) {
  platform.leadBytes.fill(true);
  const std::string result = Extract(GetParam());
  const std::string& raw = GetParam().commandLine;
  ASSERT_LE(result.size(), raw.size());
  EXPECT_EQ(raw.compare(raw.size() - result.size(), result.size(), result), 0) << result;
}

INSTANTIATE_TEST_SUITE_P(
    RawCommandLines, ProgramCommandLineEveryLeadByteTest,
    ::testing::Values(CommandLineCase{"Vantiro.exe -width=800 notepad.exe", "Vantiro.exe", ""},
                      CommandLineCase{"Vantiro.exe -width=80 notepad.exe", "Vantiro.exe", ""},
                      CommandLineCase{"Vantiro.exe ", "Vantiro.exe", ""},
                      CommandLineCase{"Vantiro.exe  ", "Vantiro.exe", ""},
                      CommandLineCase{R"("Vantiro.exe")", "Vantiro.exe", ""},
                      CommandLineCase{R"("Vantiro.exe)", "Vantiro.exe", ""},
                      CommandLineCase{R"(Vantiro.exe -monitor="A"x notepad.exe)", "Vantiro.exe",
                                      ""},
                      CommandLineCase{R"(Vantiro.exe -monitor="A")", "Vantiro.exe", ""},
                      CommandLineCase{R"(Vantiro.exe -monitor=")", "Vantiro.exe", ""},
                      CommandLineCase{"\"", "", ""}, CommandLineCase{"", "", ""}));

}  // namespace
}  // namespace vantiro
