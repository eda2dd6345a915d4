#include "platform/command_line_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cmdline/program_command_line.h"
#include "tests/support/memory_platform_test.h"

namespace vantiro::platform {
namespace {

using Arguments = std::vector<std::string>;

struct SplitCase {
  const char* commandLine;
  Arguments arguments;
};

class SplitCommandLineTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLineTest, GivesTheRuntimesArguments) {
  EXPECT_EQ(SplitCommandLine(GetParam().commandLine), GetParam().arguments)
      << "command line: " << GetParam().commandLine;
}

INSTANTIATE_TEST_SUITE_P(
    RuntimeRules, SplitCommandLineTest,
    ::testing::Values(
        SplitCase{"", {}}, SplitCase{"prog", {"prog"}},
        SplitCase{"prog a  b\t\tc ", {"prog", "a", "b", "c"}},
        SplitCase{R"(prog "a b c" d e)", {"prog", "a b c", "d", "e"}},
        SplitCase{R"(prog "ab\"c" "\\" d)", {"prog", "ab\"c", "\\", "d"}},
        SplitCase{R"(prog a\\\b d"e f"g h)", {"prog", R"(a\\\b)", "de fg", "h"}},
        SplitCase{R"(prog a\\\"b c d)", {"prog", R"(a\"b)", "c", "d"}},
        SplitCase{R"(prog a\\\\"b c" d e)", {"prog", R"(a\\b c)", "d", "e"}},
        // A pair of quotes inside quotes is one quote, and the quotes go on.
        SplitCase{R"(prog a"b"" c d)", {"prog", "ab\" c d"}},
        SplitCase{R"(prog "" "")", {"prog", "", ""}},
        SplitCase{R"(prog "unclosed quote)", {"prog", "unclosed quote"}},
        SplitCase{R"(prog trailing\\)", {"prog", R"(trailing\\)"}},
        SplitCase{"prog -monitor=\"Left Panel\" x", {"prog", "-monitor=Left Panel", "x"}},
        // Argument 0: quotes group and vanish, backslashes stay as they are.
        SplitCase{R"("C:\Program Files\x.exe" -a)", {R"(C:\Program Files\x.exe)", "-a"}},
        SplitCase{R"(C:\dir\"my prog" x)", {R"(C:\dir\my prog)", "x"}},
        SplitCase{"a\"b c\"d e", {"ab cd", "e"}}, SplitCase{"prog\targ", {"prog", "arg"}},
        SplitCase{" leading", {"", "leading"}}));

struct QuoteCase {
  Arguments arguments;
  const char* commandLine;
};

class QuoteArgumentsTest : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(QuoteArgumentsTest, WritesTheCommandLineAsAWindowsUserWould) {
  EXPECT_EQ(QuoteArguments(GetParam().arguments), GetParam().commandLine);
}

INSTANTIATE_TEST_SUITE_P(
    WindowsRules, QuoteArgumentsTest,
    ::testing::Values(
        QuoteCase{{}, ""}, QuoteCase{{"prog"}, "prog"},
        QuoteCase{{"prog", "a", R"(b\c)"}, R"(prog a b\c)"}, QuoteCase{{"prog", ""}, R"(prog "")"},
        QuoteCase{{"prog", "a b"}, R"(prog "a b")"}, QuoteCase{{"prog", "a\tb"}, "prog \"a\tb\""},
        QuoteCase{{"prog", "a\"b"}, R"(prog "a\"b")"},
        QuoteCase{{"prog", R"(a\"b)"}, R"(prog "a\\\"b")"},
        QuoteCase{{"prog", R"(dir with space\)"}, R"(prog "dir with space\\")"},
        QuoteCase{{"prog", R"(a\b c)"}, R"(prog "a\b c")"},
        QuoteCase{{"my prog", "x"}, R"("my prog" x)"},
        QuoteCase{{R"(C:\my dir\)", "x"}, R"("C:\my dir\" x)"}, QuoteCase{{"", "x"}, R"("" x)"},
        // A switch keeps its name outside the quotes.
        QuoteCase{{"prog", "-monitor=Left Panel"}, R"(prog -monitor="Left Panel")"},
        QuoteCase{{"prog", "/monitor=A \"B\""}, R"(prog /monitor="A \"B\"")"},
        QuoteCase{{"prog", "-a b=c"}, R"(prog "-a b=c")"},
        QuoteCase{{"prog", "name=a b"}, R"(prog "name=a b")"}));

class CommandLineRoundTripTest : public ::testing::TestWithParam<Arguments> {};

TEST_P(CommandLineRoundTripTest, SplitGivesBackTheQuotedArguments) {
  const std::string commandLine = QuoteArguments(GetParam());
  EXPECT_EQ(SplitCommandLine(commandLine), GetParam()) << "command line: " << commandLine;
}

INSTANTIATE_TEST_SUITE_P(
    AwkwardArguments, CommandLineRoundTripTest,
    ::testing::Values(Arguments{"vantiro"}, Arguments{"vantiro", "a b", "  spaced  ", "\ttabbed\t"},
                      Arguments{"vantiro", "", "x", "", ""},
                      Arguments{"vantiro", "\"", "\"\"", "say \"hi\"", "\"quoted\""},
                      Arguments{"vantiro", "\\", "\\\\", "a\\", "a\\\\", "a b\\", "a b\\\\\\"},
                      Arguments{"vantiro", "\\\"", "\\\\\"", "a\\\\\\\"b", "x \\\" y"},
                      Arguments{"vantiro", "C:\\Program Files\\Game\\", "\\\\server\\share"},
                      Arguments{"vantiro", "-monitor=Left Panel", "-monitor=\"A\" \\", "/x=\t"},
                      Arguments{"vantiro", "new\nline", "caf\xc3\xa9 au lait", "100%", "$HOME"},
                      Arguments{"/opt/my games/vantiro", "x"}, Arguments{"C:\\dir\\", "y"}));

// Every argument of up to four characters over the characters that matter
// survives the round trip, alone and between two others.
TEST(CommandLineRoundTripExhaustiveTest, ShortArgumentsOverTheSpecialCharacters) {
  const std::string alphabet = "a \t\"\\=-";
  std::vector<std::string> arguments{""};
  for (std::size_t begin = 0, length = 0; length < 4; ++length) {
    const std::size_t end = arguments.size();
    for (std::size_t index = begin; index < end; ++index) {
      for (const char character : alphabet) arguments.push_back(arguments[index] + character);
    }
    begin = end;
  }
  for (const std::string& argument : arguments) {
    const Arguments original{"prog", argument, "z\\"};
    const std::string commandLine = QuoteArguments(original);
    ASSERT_EQ(SplitCommandLine(commandLine), original) << "command line: " << commandLine;
  }
}

// The raw command line that the backend rebuilds must let the program
// command line be cut out and split back into the program's own arguments.
class ProgramArgumentsTest : public MemoryPlatformTest {};

TEST_F(ProgramArgumentsTest, ReachTheProgramAsGiven) {
  const Arguments program{"./probe", "a b", "c\"d", "", "e\\", "-flag=x y", "/p"};
  Arguments vantiro{"vantiro", "-monitor=Left Panel", "-width=800"};
  vantiro.insert(vantiro.end(), program.begin(), program.end());

  const std::string programCommandLine =
      ExtractProgramCommandLine(QuoteArguments(vantiro).c_str(), vantiro[0].c_str());
  EXPECT_EQ(SplitCommandLine(programCommandLine), program) << programCommandLine;
}

TEST_F(ProgramArgumentsTest, ReachTheProgramWhenVantiroLivesInAFolderWithSpaces) {
  const Arguments vantiro{"/opt/my games/vantiro", "-width=800", "./game", "x"};
  const std::string programCommandLine =
      ExtractProgramCommandLine(QuoteArguments(vantiro).c_str(), vantiro[0].c_str());
  EXPECT_EQ(programCommandLine, "./game x");
}

}  // namespace
}  // namespace vantiro::platform
