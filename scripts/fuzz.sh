#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz") and runs each one for a bounded
# time, starting from its seed corpus. Fails on any finding: a crash, a
# sanitizer report, a broken rule, a leak, a slow input or a memory blow-up.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
#
# SECONDS_PER_TARGET defaults to $FUZZ_SECONDS, else 60; the targets to
# command_line and run. New inputs go to build/fuzz/corpus/<target> (kept
# between runs, so a later run goes on from there); findings to
# build/fuzz/findings/<target>/. The seed corpus in fuzz/corpus is only read.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-${FUZZ_SECONDS:-60}}
if (($# > 1)); then
  targets=("${@:2}")
else
  targets=(command_line run)
fi

cmake --preset fuzz
cmake --build --preset fuzz

# Big enough for a few adapters with full catalogues, small enough to be fast.
declare -A max_len=([command_line]=4096 [run]=8192)

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=()
for target in "${targets[@]}"; do
  binary=build/fuzz/fuzz/vantiro_fuzz_$target
  seeds=fuzz/corpus/$target
  grown=build/fuzz/corpus/$target
  findings=build/fuzz/findings/$target
  mkdir -p "$grown" "$findings"
  common=(-timeout=10 -rss_limit_mb=2048 -max_len="${max_len[$target]:-4096}"
    -dict=fuzz/switches.dict -artifact_prefix="$findings/")

  echo "== $target: the seed corpus"
  if ! "$binary" "${common[@]}" -runs=0 "$seeds"; then
    failed+=("$target (seed corpus)")
    continue
  fi
  echo "== $target: fuzzing for ${seconds}s"
  if ! "$binary" "${common[@]}" -max_total_time="$seconds" -print_final_stats=1 \
    "$grown" "$seeds"; then
    failed+=("$target")
  fi
done

if ((${#failed[@]} > 0)); then
  echo "fuzzing found a fault in: ${failed[*]}; the inputs are in build/fuzz/findings/" >&2
  echo "fuzz: ${#targets[@]} targets, ${#failed[@]} failed" >&2
  exit 1
fi
echo "fuzz: ${#targets[@]} targets fuzzed for ${seconds}s each, no finding"
