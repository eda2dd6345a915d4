// Writes the seed corpus, or checks that the one in the repository is what
// the seed cases make.
//   vantiro_fuzz_seeds write CORPUS_DIR
//   vantiro_fuzz_seeds check CORPUS_DIR
// CORPUS_DIR holds one folder per target. Other files there (inputs that
// fuzzing found) are left alone.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/seed_cases.h"

namespace {

namespace fs = std::filesystem;
using vantiro::fuzz::Seed;

bool Write(const fs::path& folder, const std::vector<Seed>& seeds) {
  std::error_code error;
  fs::create_directories(folder, error);
  for (const Seed& seed : seeds) {
    std::ofstream out(folder / seed.name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(seed.bytes.data()),
              static_cast<std::streamsize>(seed.bytes.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", (folder / seed.name).string().c_str());
      return false;
    }
  }
  return true;
}

bool Check(const fs::path& folder, const std::vector<Seed>& seeds) {
  bool same = true;
  for (const Seed& seed : seeds) {
    std::ifstream in(folder / seed.name, std::ios::binary);
    const std::vector<std::uint8_t> stored{std::istreambuf_iterator<char>(in),
                                           std::istreambuf_iterator<char>()};
    if (!in.is_open() || stored != seed.bytes) {
      std::fprintf(stderr, "%s is missing or stale: rerun vantiro_fuzz_seeds write\n",
                   (folder / seed.name).string().c_str());
      same = false;
    }
  }
  return same;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string action = argc == 3 ? argv[1] : "";
  if (action != "write" && action != "check") {
    std::fprintf(stderr, "usage: %s write|check CORPUS_DIR\n", argv[0]);
    return 2;
  }
  const fs::path corpus(argv[2]);
  const auto apply = action == "write" ? Write : Check;
  const bool ok = apply(corpus / "command_line", vantiro::fuzz::CommandLineSeeds()) &
                  apply(corpus / "run", vantiro::fuzz::RunSeeds());
  if (ok) std::printf("seed corpus %s\n", action == "write" ? "written" : "up to date");
  return ok ? 0 : 1;
}
