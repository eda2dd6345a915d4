#!/usr/bin/env bash
# The native Linux half of the main job: builds build/linux/vantiro, starts
# the virtual display (Xvfb with a set of RandR modes), then lists the
# monitors and the modes, switches the mode, and runs a program in a switched
# mode, printing the display mode before, during and after each step.
# Everything it starts is stopped again, also when a step fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-dependencies.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target vantiro vantiro_add_modes

vantiro=build/linux/vantiro
state=build/linux/demo-x11-display
bash tests/display/virtual_display.sh start "$state" build/linux/tests/display/vantiro_add_modes
trap 'bash tests/display/virtual_display.sh stop "$state"' EXIT
set -a
# shellcheck source=/dev/null
. "$state/display.env"
set +a

# "WIDTHxHEIGHT at RATE Hz (screen W x H)", as the X server has it now.
current_mode() {
  xrandr --verbose | awk -v output="$VANTIRO_DISPLAY_OUTPUT" '
    /^Screen 0:/ { match($0, /current [0-9]+ x [0-9]+/); screen = substr($0, RSTART + 8, RLENGTH - 8) }
    /^[^ \t]/ { inside = ($1 == output) }
    inside && /^  [^ ]+ \(0x[0-9a-f]+\)/ { current = /\*current/ }
    inside && current && /^ +v: height/ {
      height = $3; rate = $NF; sub(/Hz$/, "", rate)
    }
    inside && current && /^ +h: width/ { width = $3 }
    END { printf "%sx%s at %.0f Hz (screen %s)\n", width, height, rate, screen }'
}

step() {
  printf '\n=== %s\n' "$1"
}

run() {
  printf '$ vantiro %s\n' "$*"
  local status=0
  "$vantiro" "$@" || status=$?
  printf '(exit status %d)\n' "$status"
}

step "The virtual display $DISPLAY, output $VANTIRO_DISPLAY_OUTPUT"
echo "Mode before: $(current_mode)"

step "Monitors"
run -listmonitors

step "Modes of the primary display"
run -listmodes

# Xvfb's own first mode has no timings, so its rate reads 0 and every request
# would keep rate 0; a real monitor's modes all have timings. Start from the
# added 1920 x 1200 mode at 60 Hz instead.
mode_id=$(xrandr --verbose | awk -v output="$VANTIRO_DISPLAY_OUTPUT" '
  /^[^ \t]/ { inside = ($1 == output) }
  inside && /^  [^ ]+ \(0x[0-9a-f]+\)/ { id = substr($2, 2, length($2) - 2) }
  inside && /^ +h: width +1920 / { wide = 1; next }
  inside && wide && /^ +v: height +1200 .*clock +60\./ { print id; exit }
  { wide = 0 }')
xrandr --output "$VANTIRO_DISPLAY_OUTPUT" --mode "$mode_id"
step "Starting from 1920 x 1200 at 60 Hz"
echo "Mode now: $(current_mode)"

step "What a switch to 1024 x 768 at the highest rate would do"
run -test -width=1024 -height=768 -refresh=max

step "A switch that stays: 1024 x 768 at 75 Hz"
run -width=1024 -height=768 -refresh=75
echo "Mode after: $(current_mode)"

step "A switch for the life of a program: 800 x 600 at 60 Hz"
echo "Mode before: $(current_mode)"
# The program: a small script that reports the mode it runs in.
{
  declare -f current_mode
  echo 'echo "Mode during, as the program sees it: $(current_mode)"'
} >"$state/show-mode.sh"
run -width=800 -height=600 -refresh=60 bash "$state/show-mode.sh"
echo "Mode after: $(current_mode)"

step "A mode that the display does not offer, even with -force"
run -width=1000 -height=700 -force
echo "Mode after: $(current_mode)"
