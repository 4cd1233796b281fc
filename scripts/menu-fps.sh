#!/usr/bin/env bash
# The main menu in a real window, 240 frames on the stepped clock (which is never throttled, so
# the frame rate is what the machine can draw), once per screen size; prints each run's frame
# statistics. Without an X display it starts Xvfb on :77 when Xvfb is installed, else it skips.
#
#   scripts/menu-fps.sh [build-folder] [WxH ...]     (default: build 1280x720 1920x1080)
# Environment: MENU_FPS_FRAMES (240); TOLVEX_RENDERER is passed on to the game.
set -euo pipefail

build=${1:-build}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1280x720 1920x1080)
program=$(cd "$build/game" && pwd)/tolvex
[ -x "$program" ] || { echo "menu-fps: no program at $program (build first)" >&2; exit 1; }

work=$(mktemp -d /tmp/tolvex-menu-fps.XXXXXX)
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
if [ -z "${DISPLAY:-}" ]; then
  command -v Xvfb >/dev/null || { echo "menu-fps: skipped, no X display and no Xvfb"; exit 0; }
  Xvfb :77 -screen 0 1920x1080x24 >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=:77
  sleep 2
fi

cd "$work"
for size in "${sizes[@]}"; do
  # A settings file, so the first-run window does not open; sound and music off.
  printf 'Version=Tolvex 1.07\nGFX X=%s\nGFX Y=%s\nGFX Full=0\nGFX Camera Delay=0\nSoundEffectVolume=0\n' \
    "${size%x*}" "${size#*x}" >Options.ini
  printf 'MusicVolume=0\nSongNumber=0\nOnlineHighscore=0\nPlayer=Bench\n' >>Options.ini
  SDL_AUDIODRIVER=dummy "$program" --start menu --frame-ms 16 --frames "${MENU_FPS_FRAMES:-240}" --seed 3 --stats
done
