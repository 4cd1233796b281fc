#!/usr/bin/env bash
# Draws the README's pictures (and the AppStream metadata's screenshots) with seeded headless runs
# of the built game: a fight with the HUD, and the main menu over its battle, at 1280 x 720.
# Usage: scripts/screenshots.sh [build folder] [output folder]   (make screenshots: build, docs)
# The runs happen in an empty folder of their own, with none of the TOLVEX_ variables that change
# a picture, so a player's settings, highscores or screenshots never show: the same build draws
# the same pictures.
set -euo pipefail
build=${1:-build}
out=${2:-docs}
program=$(realpath "$build/game/tolvex")
mkdir -p "$out"
out=$(realpath "$out")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
for variable in $(compgen -e | grep '^TOLVEX_' || true); do unset "$variable"; done

# The computer plays; by this frame of this seed it fights in the second stage, a ship bursting
# beside it and a rocket coming in. (Chosen for the game as it plays now: a change to how it plays
# may want another frame.)
fight_seed=7 fight_frame=7000
# The main menu with the pointer resting on Start, so its label glows.
menu_seed=3 menu_frame=420
printf '100 mouse 600 500\n300 mouse 640 300\n' >menu-pointer.txt

"$program" --headless --size 1280x720 --frame-ms 16 --seed $fight_seed --start game --autopilot \
  --frames $fight_frame --screenshot "$fight_frame:$out/fight.png" >/dev/null
"$program" --headless --size 1280x720 --frame-ms 16 --seed $menu_seed --start menu --input menu-pointer.txt \
  --frames $menu_frame --screenshot "$menu_frame:$out/menu.png" >/dev/null
echo "wrote $out/fight.png and $out/menu.png"
