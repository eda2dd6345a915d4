#!/usr/bin/env bash
# The Windows half of the main job: builds build/win64/vantiro.exe (with the
# launcher and the probe of the Wine suite beside it), starts the virtual
# display (Xvfb with a set of RandR modes), then runs vantiro.exe under Wine:
# lists the monitors and the modes, switches the mode, and runs a program in a
# switched mode, printing the report texts and the display mode before, during
# and after. A notice box is photographed into docs/images/notice.png.
# Everything it starts is stopped again, also when a step fails.
#
# vantiro.exe gets its command lines from the launcher (vantiro_launcher.exe),
# exactly as typed below; the launcher also reads each notice box's text for
# printing here and presses its OK button.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-dependencies.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64
cmake --preset linux >/dev/null
cmake --build --preset linux --target vantiro_add_modes

windows_dir=$PWD/build/win64
state=$windows_dir/demo
mkdir -p "$state"
export WINEPREFIX=$state/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

stop_everything() {
  if [[ -d $WINEPREFIX ]]; then
    # Ends this prefix's Wine processes and its server.
    timeout 30 wineserver -k 2>/dev/null || true
  fi
  bash tests/display/virtual_display.sh stop "$state/display"
}
bash tests/display/virtual_display.sh start "$state/display" \
  build/linux/tests/display/vantiro_add_modes
trap stop_everything EXIT
set -a
# shellcheck source=/dev/null
. "$state/display/display.env"
set +a

windows_path() {
  local path=${1//\//\\}
  printf 'Z:%s' "$path"
}

# "WIDTHxHEIGHT at RATE Hz", as the X server has it now.
current_mode() {
  xrandr --current | awk -v output="$VANTIRO_DISPLAY_OUTPUT" '
    /^[^ \t]/ { inside = ($1 == output); next }
    inside && /\*/ {
      split($1, size, /[x_]/)
      for (i = 2; i <= NF; i++) if ($i ~ /\*/) { rate = $i; sub(/[*+]+$/, "", rate) }
      printf "%sx%s at %.0f Hz\n", size[1], size[2], rate
    }'
}

step() {
  printf '\n=== %s\n' "$1"
}

# Runs vantiro.exe with the raw command line "vantiro.exe ARGUMENTS" and
# prints its notices and exit status.
run() {
  printf '> vantiro.exe %s\n' "$1"
  printf 'vantiro.exe %s' "$1" >"$state/command"
  rm -f "$state/result"
  timeout 120 wine "$windows_dir/vantiro_launcher.exe" "$(windows_path "$state/command")" \
    "$(windows_path "$state/result")" 60 2>"$state/wine.log" || true
  python3 - "$state/result" <<'EOF'
import sys
data = open(sys.argv[1], "rb").read()
position = 0
while position < len(data):
    end = data.index(b"\n", position)
    header = data[position:end].decode()
    position = end + 1
    if header.startswith("notice "):
        caption_size, text_size = map(int, header.split()[1:3])
        caption = data[position:position + caption_size].decode("cp1252")
        text = data[position + caption_size:position + caption_size + text_size].decode("cp1252")
        position += caption_size + text_size + 1
        print(f"[notice \"{caption}\"]")
        for line in text.replace("\r\n", "\n").rstrip("\n").split("\n"):
            print("  " + line)
    elif header.startswith("exit "):
        print(f"(exit status {header.split()[1]})")
    elif header.startswith("broadcasts "):
        pass
    else:
        print(f"(the launcher: {header})")
EOF
}

# Xvfb's own first mode has no timings, so Wine reads its rate as the default
# rate, and Vantiro then keeps rate 0 for every request; a real monitor's
# modes all have timings. Start from the added 1920 x 1200 at 60 Hz.
xrandr --output "$VANTIRO_DISPLAY_OUTPUT" --mode 1920x1200_60

if [[ ! -f $WINEPREFIX/system.reg ]]; then
  step "A Wine prefix for the demo (once, about 20 s): $WINEPREFIX"
  timeout 300 wineboot --init 2>"$state/wineboot.log"
  # Wine draws the boxes' captions itself when no window manager does.
  timeout 120 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
fi

step "The virtual display $DISPLAY, output $VANTIRO_DISPLAY_OUTPUT"
echo "Mode before: $(current_mode)"

step "Monitors"
run "-listmonitors"

step "Modes of the primary display"
run "-listmodes"

step "What a switch to 1024 x 768 at the highest rate would do"
run "-test -width=1024 -height=768 -refresh=max"

step "A switch that stays (stored in Wine's registry): 1024 x 768 at 75 Hz"
run "-width=1024 -height=768 -refresh=75"
echo "Mode after: $(current_mode)"

step "A switch for the life of a program: 800 x 600 at 60 Hz"
echo "Mode before: $(current_mode)"
rm -f "$state/probe"
# The program: the suite's probe, which records the mode it runs in.
run "-width=800 -height=600 -refresh=60 vantiro_probe.exe $(windows_path "$state/probe") 0"
read -r _ width height bits rate < <(grep '^mode ' "$state/probe")
echo "Mode during, as the program saw it: ${width}x$height at $rate Hz, $bits bits per pixel"
echo "Mode after: $(current_mode)"

step "A mode that the display does not offer, even with -force"
run "-width=1000 -height=700 -force"
echo "Mode after: $(current_mode)"

step "A notice on the screen: the mode list, photographed into docs/images/notice.png"
wine "$windows_dir/vantiro.exe" -listmodes 2>>"$state/wine.log" &
vantiro_pid=$!
box=
for _ in $(seq 300); do
  box=$(xdotool search --name '^Vantiro 3\.12 from Orvane \(' 2>/dev/null | head -n 1) || true
  [[ -n $box ]] && break
  sleep 0.1
done
if [[ -n $box ]]; then
  sleep 0.5 # let Wine finish painting the box
  mkdir -p docs/images
  import -window "$box" docs/images/notice.png
  xdotool windowfocus --sync "$box" key Return
  echo "Saved docs/images/notice.png"
else
  echo "No notice box appeared within 30 s" >&2
fi
for _ in $(seq 300); do
  kill -0 "$vantiro_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$vantiro_pid" 2>/dev/null; then kill "$vantiro_pid"; fi
wait "$vantiro_pid" || true
[[ -n $box ]]
