#!/usr/bin/env bash
# The virtual display that the end-to-end suites run on: Xvfb (one screen of
# 1920 x 1200 at depth 24, on a free display number) and vantiro_add_modes,
# which adds a fixed set of RandR modes to its output and must stay connected
# for as long as the modes are wanted (the server drops them when it leaves).
#
#   virtual_display.sh start STATE_DIR ADD_MODES_PROGRAM
#       Starts both in the background, each in a session of its own, and
#       returns once both are ready. STATE_DIR receives display.env
#       ("DISPLAY=:N" and "VANTIRO_DISPLAY_OUTPUT=<output name>"), their
#       process ids and their logs. A display left running in STATE_DIR is
#       stopped first.
#   virtual_display.sh stop STATE_DIR
#       Ends both by process id (SIGTERM, then SIGKILL after a bounded wait).
#   virtual_display.sh run STATE_DIR ADD_MODES_PROGRAM -- COMMAND [ARGS...]
#       start, then COMMAND with DISPLAY set, then stop; exits with COMMAND's
#       status.
#
# In CTest the display is the fixture "virtual_display" (tests/display/
# CMakeLists.txt): a suite sets FIXTURES_REQUIRED virtual_display and reads
# DISPLAY from the file named by VANTIRO_VIRTUAL_DISPLAY_ENV. Tests that change
# the display's mode also take RESOURCE_LOCK virtual_display, so that two
# suites never switch the one screen at the same time under ctest -j.
set -euo pipefail

readonly start_timeout_tenths=100 # 10 s for each of Xvfb and the helper
readonly stop_timeout_tenths=50   # 5 s after SIGTERM, then SIGKILL

usage() {
  echo "usage: $0 start STATE_DIR ADD_MODES_PROGRAM | stop STATE_DIR |" \
    "run STATE_DIR ADD_MODES_PROGRAM -- COMMAND [ARGS...]" >&2
  exit 2
}

# True while `pid` is alive (a zombie has ended; only its parent's wait is
# missing).
is_alive() {
  local state
  state=$(awk '/^State:/ {print $2}' "/proc/$1/status" 2>/dev/null) || return 1
  [[ -n $state && $state != Z ]]
}

# True while `pid` is alive and is the program named `comm`, so that a recycled
# id is never signalled. `comm` "-" accepts any program: for the processes this
# very run has just started, whose name may still be that of the shell.
is_running() {
  local pid=$1 comm=$2 actual
  is_alive "$pid" || return 1
  [[ $comm == - ]] && return 0
  actual=$(<"/proc/$pid/comm") 2>/dev/null || return 1
  [[ $actual == "${comm:0:15}" ]]
}

stop_process() {
  local pid_file=$1 comm=$2 pid tenths
  [[ -f $pid_file ]] || return 0
  pid=$(<"$pid_file")
  if [[ $pid =~ ^[0-9]+$ ]] && is_running "$pid" "$comm"; then
    kill -TERM "$pid" 2>/dev/null || true
    for ((tenths = 0; tenths < stop_timeout_tenths; tenths++)); do
      is_running "$pid" "$comm" || break
      sleep 0.1
    done
    if is_running "$pid" "$comm"; then
      echo "virtual display: process $pid ignored SIGTERM; sending SIGKILL" >&2
      kill -KILL "$pid" 2>/dev/null || true
      for ((tenths = 0; tenths < stop_timeout_tenths; tenths++)); do
        is_running "$pid" "$comm" || break
        sleep 0.1
      done
    fi
  fi
  rm -f "$pid_file"
}

# `trust_ids` "own" when this process started them.
stop_display() {
  local state=$1 trust_ids=${2:-} helper_comm=vantiro_add_modes xvfb_comm=Xvfb
  if [[ $trust_ids == own ]]; then helper_comm=- xvfb_comm=-; fi
  stop_process "$state/helper.pid" "$helper_comm"
  stop_process "$state/xvfb.pid" "$xvfb_comm"
  rm -f "$state/display.env" "$state/hold"
}

fail_start() {
  echo "virtual display: $1" >&2
  local log
  for log in "$state/xvfb.log" "$state/helper.log"; do
    [[ -s $log ]] && sed 's/^/  | /' "$log" >&2
  done
  stop_display "$state" own
  exit 1
}

start_display() {
  state=$1
  local helper=$2 tenths display_number output
  [[ -x $helper ]] || fail_start "no mode-adding helper at $helper"
  command -v Xvfb >/dev/null || fail_start "Xvfb is not installed (Debian package xvfb)"
  mkdir -p "$state"
  stop_display "$state"
  rm -f "$state/displayfd" "$state/helper.out" "$state/xvfb.log" "$state/helper.log"

  # Xvfb picks a free display number itself and writes it once it accepts
  # connections.
  setsid Xvfb -displayfd 5 -nolisten tcp -noreset -screen 0 1920x1200x24 \
    5>"$state/displayfd" </dev/null >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  for ((tenths = 0; tenths < start_timeout_tenths; tenths++)); do
    [[ -s $state/displayfd ]] && break
    is_alive "$(<"$state/xvfb.pid")" || fail_start "Xvfb ended at start"
    sleep 0.1
  done
  display_number=$(tr -dc 0-9 <"$state/displayfd")
  [[ -n $display_number ]] || fail_start "Xvfb did not report its display within 10 s"

  # The helper's input is a FIFO that it holds open for writing itself, so it
  # never sees end of input and stays until SIGTERM.
  rm -f "$state/hold"
  mkfifo -m 600 "$state/hold"
  DISPLAY=":$display_number" setsid "$helper" <>"$state/hold" \
    >"$state/helper.out" 2>"$state/helper.log" &
  echo $! >"$state/helper.pid"
  for ((tenths = 0; tenths < start_timeout_tenths; tenths++)); do
    grep -q '^modes added' "$state/helper.out" 2>/dev/null && break
    is_alive "$(<"$state/helper.pid")" ||
      fail_start "the mode-adding helper ended at start"
    sleep 0.1
  done
  grep -q '^modes added' "$state/helper.out" 2>/dev/null ||
    fail_start "the mode-adding helper was not ready within 10 s"
  output=$(sed -n 's/^modes added to output //p' "$state/helper.out")

  printf 'DISPLAY=:%s\nVANTIRO_DISPLAY_OUTPUT=%s\n' "$display_number" "$output" \
    >"$state/display.env.new"
  mv "$state/display.env.new" "$state/display.env"
  echo "virtual display :$display_number ready (output $output)"
}

(($# >= 2)) || usage
command=$1
state_dir=$2
case $command in
  start)
    (($# == 3)) || usage
    start_display "$state_dir" "$3"
    ;;
  stop)
    (($# == 2)) || usage
    stop_display "$state_dir"
    ;;
  run)
    if (($# < 5)) || [[ $4 != -- ]]; then usage; fi
    start_display "$state_dir" "$3"
    trap 'stop_display "$state_dir" own' EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    shift 4
    set +e
    (
      set -a
      # shellcheck source=/dev/null
      . "$state_dir/display.env"
      exec "$@"
    )
    status=$?
    exit "$status"
    ;;
  *) usage ;;
esac
