#!/usr/bin/env bash
# The main menu in a real window, 240 frames on the stepped clock (which is never throttled, so
# the frame rate is what the machine can draw), once per screen size; prints each run's frame
# statistics. Without an X display it starts Xvfb on :77 when Xvfb is installed, else it skips.
#
#   scripts/menu-fps.sh [build-folder] [WxH ...]     (default: build 1280x720 1920x1080)
# Environment: MENU_FPS_FRAMES (240), FPS_MACHINE_SECONDS (5: how long the machine's own stalls
# are counted first; 0 skips that); TOLVEX_RENDERER is passed on to the game.
set -euo pipefail
source "$(dirname "$0")/window-run.sh"

build=${1:-build}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1280x720 1920x1080)
read -r width height < <(window_run_largest 1920x1080 "${sizes[@]}")
window_run_setup "$build" menu-fps "$width" "$height" || exit 0
window_run_machine

for size in "${sizes[@]}"; do
  window_run_options "$size"
  SDL_AUDIODRIVER=dummy "$program" --start menu --frame-ms 16 --frames "${MENU_FPS_FRAMES:-240}" --seed 3 --stats
done
