#!/usr/bin/env bash
# The main job on a virtual display: sets up what is missing, builds, starts
# Xvfb with a set of display modes, then runs vantiro.exe under Wine and the
# native Linux vantiro through a listing, a switch and a program run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-dependencies.sh
bash scripts/demo-wine.sh
bash scripts/demo-x11.sh
