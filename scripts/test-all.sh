#!/usr/bin/env bash
# Sets up everything that is missing, builds every preset and runs every test.
# Safe to run on a fresh Debian machine and again on one that is set up.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-dependencies.sh

# The 32-bit and 64-bit Windows programs, first: the native build's Wine suite
# runs build/win64/vantiro.exe.
for preset in win32 win64; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
done

# Unit tests, natively and under AddressSanitizer and UndefinedBehaviorSanitizer.
for preset in linux linux-asan; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

# Fuzzing: each fuzz target for a bounded time (the corpus replay ran above).
bash scripts/fuzz.sh

# Benchmarks are only built here, so that they cannot rot; scripts/bench.sh
# runs them.
cmake --preset bench
cmake --build --preset bench
