// The seed corpus: usual and unusual command lines and catalogues, written
// in the fuzz input format by vantiro_fuzz_seeds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantiro::fuzz {

struct Seed {
  std::string name;  // the file name in the target's corpus folder
  std::vector<std::uint8_t> bytes;
};

std::vector<Seed> CommandLineSeeds();
std::vector<Seed> RunSeeds();

}  // namespace vantiro::fuzz
