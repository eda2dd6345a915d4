// Runs a fuzz target once on every file named, or found in a directory
// named, on the command line: the corpus as an ordinary test, built by any
// compiler. A broken rule aborts inside the target.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

bool Replay(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", file.string().c_str());
    return false;
  }
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                        std::istreambuf_iterator<char>()};
  std::fprintf(stderr, "replaying %s (%zu bytes)\n", file.string().c_str(), bytes.size());
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<fs::path> files;
  for (int index = 1; index < argc; ++index) {
    const fs::path named(argv[index]);
    std::error_code error;
    if (fs::is_directory(named, error)) {
      for (const fs::directory_entry& entry : fs::directory_iterator(named, error)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
      }
    } else {
      files.push_back(named);
    }
  }
  std::sort(files.begin(), files.end());
  if (files.empty()) {
    std::fprintf(stderr, "no input to replay\n");
    return 1;
  }
  for (const fs::path& file : files) {
    if (!Replay(file)) return 1;
  }
  std::printf("%zu inputs replayed, no rule broken\n", files.size());
  return 0;
}
