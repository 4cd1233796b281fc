#!/usr/bin/env bash
# The heaviest fight in a real window: 60 enemies of ten types (six of each) spawned around the
# player, who flies on autopilot; 600 frames on the stepped clock (never throttled, so the frame
# rate is what the machine can draw), once per screen size; prints each run's frame statistics.
# Without an X display it starts Xvfb on :77 (with a screen as large as the largest window) when
# Xvfb is installed, else it skips. Give two build folders' runs side by side by calling it once
# per folder, alternating, so both meet the same machine.
#
#   scripts/fight-fps.sh [build-folder] [WxH ...]     (default: build 1280x720 1920x1080 3840x2160)
# Environment: FIGHT_FPS_FRAMES (600), FIGHT_FPS_SEED (5), FPS_MACHINE_SECONDS (5: how long the
# machine's own stalls are counted first; 0 skips that); TOLVEX_RENDERER is passed on to the game.
set -euo pipefail
source "$(dirname "$0")/window-run.sh"

build=${1:-build}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1280x720 1920x1080 3840x2160)
read -r width height < <(window_run_largest 1920x1080 "${sizes[@]}")
window_run_setup "$build" fight-fps "$width" "$height" || exit 0
window_run_machine

# Ten ship types from light fighters to heavy cruisers, six of each.
types=(j_bat js_bee f_acteon j_silverhawk kr_silvereagle j_moskito js_dragonfly t_turtle kr_shark ko_kail)
spawn=""
for _ in 1 2 3 4 5 6; do
  for type in "${types[@]}"; do spawn+="${spawn:+,}$type"; done
done

for size in "${sizes[@]}"; do
  window_run_options "$size"
  TOLVEX_SPAWN="$spawn" SDL_AUDIODRIVER=dummy "$program" --start game --autopilot --frame-ms 16 \
    --frames "${FIGHT_FPS_FRAMES:-600}" --seed "${FIGHT_FPS_SEED:-5}" --stats
done
