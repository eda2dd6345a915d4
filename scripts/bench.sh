#!/usr/bin/env bash
# Runs every benchmark and writes one short markdown table of the results
# (docs/benchmarks.md explains them):
#   - the in-memory benchmarks (preset bench): the catalogue, the selection and
#     the mode report at 100, 10,000 and 1,000,000 modes, each beside a floor
#     that only sorts and de-duplicates the same records;
#   - the native `vantiro -listmodes -quiet` (preset linux) against
#     `xrandr --query` on one Xvfb whose output offers a few hundred modes;
#   - `vantiro.exe -listmodes -quiet` (preset win64) under Wine on that Xvfb,
#     against programs that do nothing, or only enumerate the modes.
#
#   scripts/bench.sh [--quick] [--no-build]
#
#   --quick     one repetition and few process runs: a check that everything
#               runs, not numbers to keep; docs/benchmarks.md is left alone.
#   --no-build  uses the programs as they are built.
#
# VANTIRO_BENCH_LINUX_DIR and VANTIRO_BENCH_WINDOWS_DIR name other build
# directories than build/linux and build/win64 for the programs under test
# (with --no-build, say, to time a build of one's own).
#
# Results go to build/bench/results/ (the raw JSON, the console output and
# benchmarks.md); a full run also puts the table into docs/benchmarks.md.
# A part whose tools are missing is reported as not run, and the script then
# ends with status 1; so does a benchmark that fails its own checks.
set -euo pipefail
cd "$(dirname "$0")/.."
readonly root=$PWD

quick=false
build=true
for argument in "$@"; do
  case $argument in
    --quick) quick=true ;;
    --no-build) build=false ;;
    *)
      echo "usage: $0 [--quick] [--no-build]" >&2
      exit 2
      ;;
  esac
done

# Modes added to the Xvfb output beyond the helper's fixed set of eight.
readonly extra_modes=400
if $quick; then
  # One repetition: aggregates-only output would then drop the runs of a
  # single iteration, so plain runs are reported.
  repetition_flags=() process_runs=5
else
  # Repetitions in random order, so that a burst of load from elsewhere
  # spreads over every benchmark instead of skewing one; two seconds each, so
  # that even a million modes gets more than one iteration a repetition.
  repetition_flags=(--benchmark_repetitions=7 --benchmark_enable_random_interleaving=true
    --benchmark_min_time=2 --benchmark_report_aggregates_only=true)
  process_runs=30
fi

readonly results=$root/build/bench/results
readonly display_state=$root/build/bench/display
readonly wine_state=$root/build/bench/wine
readonly floor_exe=$root/build/bench/wine_start_floor.exe
readonly benchmarks=$root/build/bench/bench/vantiro_benchmarks
readonly linux_dir=${VANTIRO_BENCH_LINUX_DIR:-$root/build/linux}
readonly windows_dir=${VANTIRO_BENCH_WINDOWS_DIR:-$root/build/win64}
readonly add_modes=$linux_dir/tests/display/vantiro_add_modes
all_ran=true

skip() { # PART REASON
  echo "bench: $1 not run: $2" >&2
  echo "$2" >"$results/$1.skipped"
  all_ran=false
}

missing_tools() {
  local tool missing=()
  for tool in "$@"; do command -v "$tool" >/dev/null || missing+=("$tool"); done
  echo "${missing[*]}"
}

native_vantiro() {
  local candidate
  for candidate in "$linux_dir/vantiro" "$linux_dir/app/vantiro"; do
    [[ -x $candidate ]] && echo "$candidate" && return 0
  done
  return 1
}

mkdir -p "$results"
rm -f "$results"/*.skipped "$results"/*.json

# --- builds --------------------------------------------------------------------
if $build; then
  cmake --preset bench >/dev/null
  cmake --build --preset bench
  cmake --preset linux >/dev/null
  cmake --build --preset linux --target vantiro vantiro_add_modes
  if [[ -z $(missing_tools x86_64-w64-mingw32-g++) ]]; then
    cmake --preset win64 >/dev/null
    cmake --build --preset win64 --target vantiro
    x86_64-w64-mingw32-g++ -O2 -Wall -Wextra -std=c++17 -mwindows -static -static-libgcc \
      -static-libstdc++ bench/wine_start_floor.cpp -o "$floor_exe"
  fi
fi

{
  echo "date=$(date -u '+%Y-%m-%d %H:%M UTC')"
  echo "commit=$(git rev-parse --short HEAD 2>/dev/null || echo unknown)$(
    git diff --quiet HEAD 2>/dev/null || echo ' with local changes')"
  echo "cpu=$(nproc) × $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)"
  echo "load=$(cut -d' ' -f1-3 /proc/loadavg)"
} >"$results/context.txt"

# --- in-memory benchmarks ------------------------------------------------------
if [[ -x $benchmarks ]]; then
  "$benchmarks" "${repetition_flags[@]}" --benchmark_out="$results/memory.json" --benchmark_out_format=json |
    tee "$results/memory.txt"
  # At a million modes first-touch page faults weigh heavily (on a virtual
  # machine above all); with huge pages for malloc most of them go, which
  # shows how much of the growth is the memory's rather than the work's.
  if ! $quick && grep -q '\[\(always\|madvise\)\]' /sys/kernel/mm/transparent_hugepage/enabled \
    2>/dev/null; then
    GLIBC_TUNABLES=glibc.malloc.hugetlb=1 "$benchmarks" "${repetition_flags[@]}" \
      --benchmark_filter='/(10000|1000000)$' --benchmark_out="$results/memory-huge-pages.json" \
      --benchmark_out_format=json | tee "$results/memory-huge-pages.txt"
  fi
else
  skip memory "no $benchmarks (cmake --preset bench && cmake --build --preset bench)"
fi

# --- the virtual display, for both whole-process comparisons ------------------
display_up=false
wine_up=false
stop_everything() {
  if $wine_up; then
    VANTIRO_WINDOWS_DIR=$windows_dir VANTIRO_WINE_STATE=$wine_state \
      VANTIRO_VIRTUAL_DISPLAY_ENV=$display_state/display.env \
      python3 tests/wine/wine_suite.py teardown || true
  fi
  if $display_up; then bash tests/display/virtual_display.sh stop "$display_state" || true; fi
}
trap stop_everything EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

display_tools_missing=$(missing_tools Xvfb xrandr hyperfine python3)
if [[ -n $display_tools_missing ]]; then
  display_problem="not installed: $display_tools_missing"
elif [[ ! -x $add_modes ]]; then
  display_problem="no $add_modes (cmake --build --preset linux --target vantiro_add_modes)"
else
  display_problem=
  mkdir -p "$display_state"
  # The display script starts a helper without arguments, so a wrapper passes
  # the count.
  printf '#!/bin/sh\nexec "%s" %d\n' "$add_modes" "$extra_modes" >"$display_state/add-modes"
  chmod +x "$display_state/add-modes"
  bash tests/display/virtual_display.sh start "$display_state" "$display_state/add-modes"
  display_up=true
  display=$(sed -n 's/^DISPLAY=//p' "$display_state/display.env")
fi

# --- native vantiro against xrandr ---------------------------------------------
if [[ -n $display_problem ]]; then
  skip x11 "$display_problem"
elif ! vantiro=$(native_vantiro); then
  skip x11 "no vantiro in $linux_dir (cmake --preset linux && cmake --build --preset linux)"
else
  randr_modes=$(DISPLAY=$display xrandr --query | grep -c '^   ')
  # Notices go to standard output on X11: the report's lines after its three
  # head lines are the listed width, height and depth combinations.
  listed=$(($(DISPLAY=$display "$vantiro" -listmodes | wc -l) - 3))
  ours="vantiro -listmodes -quiet"
  {
    echo "x11_modes=$randr_modes"
    echo "x11_ours=$ours"
    echo "x11_listed=$listed"
  } >>"$results/context.txt"
  DISPLAY=$display hyperfine -N --style basic --warmup 5 --runs "$process_runs" \
    --export-json "$results/x11.json" \
    -n "$ours" "'$vantiro' -listmodes -quiet" \
    -n "xrandr --query" "xrandr --query"
fi

# --- vantiro.exe against the start-up floors, under Wine ----------------------
wine_tools_missing=$(missing_tools wine wineboot wineserver)
if [[ -n $display_problem ]]; then
  skip wine "$display_problem"
elif [[ -n $wine_tools_missing ]]; then
  skip wine "not installed: $wine_tools_missing"
elif [[ ! -f $windows_dir/vantiro.exe || ! -f $floor_exe ]]; then
  skip wine "no $windows_dir/vantiro.exe or $floor_exe (needs x86_64-w64-mingw32-g++)"
else
  export VANTIRO_WINDOWS_DIR=$windows_dir VANTIRO_WINE_STATE=$wine_state
  export VANTIRO_VIRTUAL_DISPLAY_ENV=$display_state/display.env
  wine_up=true
  python3 tests/wine/wine_suite.py setup
  ours="vantiro.exe -listmodes -quiet"
  echo "wine_ours=$ours" >>"$results/context.txt"
  # The first program to use the display also starts Wine's desktop process;
  # the warm-up runs take that out of the times.
  DISPLAY=$display WINEPREFIX=$wine_state/prefix WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=" \
    hyperfine -N --style basic --warmup 3 --runs "$process_runs" \
    --export-json "$results/wine.json" \
    -n "$ours" "wine '$windows_dir/vantiro.exe' -listmodes -quiet" \
    -n "start floor" "wine '$floor_exe'" \
    -n "start floor + mode enumeration" "wine '$floor_exe' modes"
fi

# --- the table ------------------------------------------------------------------
summary_status=0
if $quick; then
  python3 bench/summarise.py "$results" || summary_status=$?
else
  python3 bench/summarise.py "$results" --doc docs/benchmarks.md || summary_status=$?
fi
echo "bench: table in $results/benchmarks.md"
if ((summary_status != 0)) || ! $all_ran; then exit 1; fi
