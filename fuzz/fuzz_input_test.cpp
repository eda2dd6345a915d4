#include "fuzz/fuzz_input.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "fuzz/command_line_case.h"
#include "fuzz/run_case.h"
#include "fuzz/seed_cases.h"

namespace vantiro::fuzz {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

TEST(FuzzInputTest, NumbersReadBackAsWritten) {
  const std::uint32_t numbers[] = {0,   1,    8,     60,    63,         64,         75,
                                   600, 1000, 65535, 65536, 0x12345678, 0x7FFFFFFF, 0xFFFFFFFF};
  FuzzInputWriter output;
  for (const std::uint32_t number : numbers) output.Number(number);
  FuzzInput input(output.Data().data(), output.Data().size());
  for (const std::uint32_t number : numbers) EXPECT_EQ(input.Number(), number);
  EXPECT_EQ(input.Rest(), "");
}

TEST(FuzzInputTest, SmallAndNotableNumbersTakeOneByte) {
  for (const std::uint32_t number : {0u, 63u, 800u, 0xFFFFFFFFu}) {
    FuzzInputWriter output;
    output.Number(number);
    EXPECT_EQ(output.Data().size(), 1u) << number;
  }
}

TEST(FuzzInputTest, ReadsPastTheEndGiveZeroAndEmptyText) {
  const std::vector<std::uint8_t> data{0x02, 0x10};  // a four-byte number cut short
  FuzzInput input(data.data(), data.size());
  EXPECT_EQ(input.Number(), 0x10u);
  EXPECT_EQ(input.Byte(), 0);
  EXPECT_EQ(input.Number(), 0u);
  EXPECT_EQ(input.Text(10), "");
  EXPECT_EQ(input.Rest(), "");
}

TEST(FuzzInputTest, TextEndsAtLineFeedOrAtItsLimit) {
  const std::vector<std::uint8_t> data = Bytes("Left Panel\nabcdef");
  FuzzInput input(data.data(), data.size());
  EXPECT_EQ(input.Text(64), "Left Panel");
  EXPECT_EQ(input.Text(4), "abcd");
  EXPECT_EQ(input.Rest(), "ef");
}

TEST(FuzzInputTest, EmptyInputIsAnEmptyRun) {
  const RunCase runCase = ReadRunCase(nullptr, 0);
  EXPECT_TRUE(runCase.displayServicesAvailable);
  EXPECT_TRUE(runCase.adapters.empty());
  EXPECT_TRUE(runCase.arguments.empty());
  EXPECT_EQ(runCase.commandLine, "");
}

// A seed that decodes to another case than it was written from would test
// something else than its name says; encoding is canonical, so decoding and
// encoding again must give the same bytes.
TEST(FuzzInputTest, EverySeedDecodesToTheCaseItWasWrittenFrom) {
  for (const Seed& seed : CommandLineSeeds()) {
    const CommandLineCase decoded = ReadCommandLineCase(seed.bytes.data(), seed.bytes.size());
    EXPECT_EQ(WriteCommandLineCase(decoded), seed.bytes) << seed.name;
  }
  for (const Seed& seed : RunSeeds()) {
    const RunCase decoded = ReadRunCase(seed.bytes.data(), seed.bytes.size());
    EXPECT_EQ(WriteRunCase(decoded), seed.bytes) << seed.name;
  }
}

TEST(FuzzInputTest, SeedsReachTheParts) {
  const std::vector<Seed> seeds = RunSeeds();
  const auto decoded = [&](const std::string& name) {
    for (const Seed& seed : seeds) {
      if (seed.name == name) return ReadRunCase(seed.bytes.data(), seed.bytes.size());
    }
    ADD_FAILURE() << "no seed " << name;
    return RunCase{};
  };
  const RunCase large = decoded("large_catalogue");
  ASSERT_EQ(large.adapters.size(), 3u);
  EXPECT_EQ(large.adapters[0].modes.size(), kMaxModes);
  const RunCase notFound = decoded("program_not_found");
  ASSERT_EQ(notFound.startResults.size(), 1u);
  EXPECT_EQ(notFound.startResults[0].error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(notFound.arguments,
            (std::vector<std::string>{"Vantiro.exe", "-width=1024", "missing.exe"}));
  const RunCase disagree = decoded("vector_and_line_disagree");
  EXPECT_EQ(disagree.arguments, (std::vector<std::string>{"Vantiro.exe", "-width=800"}));
  EXPECT_EQ(disagree.commandLine, "other.exe -width=1024 notepad.exe");
}

// Whatever the bytes, a case stays within the bounds that keep a run fast.
TEST(FuzzInputTest, AnyBytesDecodeWithinBounds) {
  std::mt19937 random(20240611);
  std::vector<std::vector<std::uint8_t>> inputs{std::vector<std::uint8_t>(20000, 0xFF),
                                                std::vector<std::uint8_t>(20000, 0x01)};
  for (int count = 0; count < 50; ++count) {
    std::vector<std::uint8_t> bytes(random() % 8000);
    for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(random());
    inputs.push_back(bytes);
  }
  for (const std::vector<std::uint8_t>& bytes : inputs) {
    const RunCase runCase = ReadRunCase(bytes.data(), bytes.size());
    EXPECT_LE(runCase.adapters.size(), kMaxAdapters);
    for (const memory::Adapter& adapter : runCase.adapters) {
      EXPECT_LE(adapter.modes.size(), kMaxModes);
      EXPECT_LE(adapter.monitors.size(), kMaxMonitors);
    }
    EXPECT_LE(runCase.changeResults.size(), kMaxChangeResults);
    EXPECT_LE(runCase.startResults.size(), kMaxStartResults);
    EXPECT_EQ(runCase.commandLine.find('\0'), std::string::npos);
  }
}

}  // namespace
}  // namespace vantiro::fuzz
