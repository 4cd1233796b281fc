#!/usr/bin/env bash
# Soak run: the autopilot plays headless games for an hour of game time at 16-ms frames.
# The pilot rarely dies, so a scripted Escape gives the game up every SOAK_GAME_MINUTES of game
# time (as a player may); the autopilot starts the next game 3 s later. Every ten minutes of game time the game writes a state dump; at that moment this script
# reads the process's peak memory (VmHWM) and current memory (VmRSS) from /proc.
# Memory should stay flat once the first games have been played: the script prints how much
# the peak grew after minute 10 and fails when that is more than SOAK_LIMIT_KB (2048).
#
#   scripts/soak.sh [build-folder]     (default: build)
# Environment: SOAK_MINUTES (60), SOAK_STEP_MINUTES (10), SOAK_GAME_MINUTES (7), SOAK_SEED (1),
# SOAK_SIZE (640x480), SOAK_LIMIT_KB (2048).
set -euo pipefail

build=${1:-build}
program=$(cd "$build/game" && pwd)/tolvex
minutes=${SOAK_MINUTES:-60}
step=${SOAK_STEP_MINUTES:-10}
seed=${SOAK_SEED:-1}
game_minutes=${SOAK_GAME_MINUTES:-7}
size=${SOAK_SIZE:-640x480}
limit_kb=${SOAK_LIMIT_KB:-2048}
frame_ms=16
frames_per_step=$((step * 60 * 1000 / frame_ms))
checkpoints=$((minutes / step))
total_frames=$((frames_per_step * checkpoints))
# A minute more, so the last checkpoint is read while the game still runs.
run_frames=$((total_frames + 60 * 1000 / frame_ms))

[ -x "$program" ] || { echo "soak: no program at $program (build first)" >&2; exit 1; }
work=$(mktemp -d /tmp/tolvex-soak.XXXXXX)
trap 'rm -rf "$work"' EXIT

dumps=()
for ((i = 1; i <= checkpoints; i++)); do dumps+=(--dump "$((i * frames_per_step)):dump$i.json"); done

cd "$work"
frames_per_game=$((game_minutes * 60 * 1000 / frame_ms))
for ((f = frames_per_game; f < total_frames; f += frames_per_game)); do
  printf '%d key 27 down\n%d key 27 up\n' "$f" "$((f + 1))"
done >giveup.txt
start=$(date +%s)
"$program" --headless --autopilot --start game --size "$size" --frame-ms "$frame_ms" --seed "$seed" \
  --frames "$run_frames" --input giveup.txt "${dumps[@]}" >out.txt 2>err.txt &
pid=$!

memory() { awk -v key="$1:" '$1 == key { print $2 }' "/proc/$pid/status" 2>/dev/null || echo "?"; }
# A field of a dump, read with python's json module (the dump is plain JSON).
field() {
  python3 -c 'import json,sys; d=json.load(open(sys.argv[1])); p=d.get("player") or {}; \
l=d.get("level") or {}; print(d.get("stage"), "|", "age", l.get("age"), "| state", d.get("state"), \
"| kills", p.get("Kills"), "| points", p.get("Points"), "| objects", len(d.get("objects", [])), \
"| particles", d.get("particles"))' "$1" 2>/dev/null || echo "(dump unreadable)"
}

echo "soak: $minutes min of game time at $frame_ms-ms frames, seed $seed, size $size; a new game every $game_minutes min"
printf '%-10s %-12s %-12s %-10s %s\n' "game-time" "peak-kB" "now-kB" "wall-s" "state"
seen=0
peak_at_10="" at_10=0 peak_last=""
while kill -0 "$pid" 2>/dev/null; do
  next=$((seen + 1))
  if [ "$next" -le "$checkpoints" ] && [ -s "dump$next.json" ]; then
    sleep 0.2  # let the writer finish the file
    peak=$(memory VmHWM)
    printf '%-10s %-12s %-12s %-10s %s\n' "$((next * step)) min" "$peak" "$(memory VmRSS)" \
      "$(($(date +%s) - start))" "$(field "dump$next.json")"
    [ -z "$peak_at_10" ] && [ $((next * step)) -ge 10 ] && peak_at_10=$peak at_10=$next
    peak_last=$peak
    seen=$next
  fi
  sleep 0.5
done
wait "$pid" && status=0 || status=$?
for ((i = seen + 1; i <= checkpoints; i++)); do
  [ -s "dump$i.json" ] && printf '%-10s %-12s %-12s %-10s %s\n' "$((i * step)) min" "(exited)" "-" "-" "$(field "dump$i.json")"
done
echo "exit status $status after $(($(date +%s) - start)) s of wall time"
[ -s err.txt ] && { echo "--- stderr:"; tail -20 err.txt; }
[ "$status" -eq 0 ] || exit "$status"
if [ -z "$peak_at_10" ] || [ "$seen" -le "$at_10" ]; then
  echo "soak: too short to measure growth after minute 10"
  exit 0
fi
growth=$((peak_last - peak_at_10))
echo "peak memory grew by $growth kB after minute 10 (limit $limit_kb kB)"
[ "$growth" -le "$limit_kb" ] || { echo "soak: memory is not flat" >&2; exit 1; }
