#!/usr/bin/env bash
# Whole games under the sanitizers: N seeded headless games, each from the main menu (the autopilot
# clicks Start) through the pilot's death and the highscore screen, played by the sanitizer build
# (AddressSanitizer with its leak check, UndefinedBehaviorSanitizer). The pilot rarely dies on its
# own, so it gives up (Escape) after a third, two thirds or all of GAME_MINUTES of game time (by
# seed), so that games end in early and in late stages. Reports each game's stage, points and kills
# and every crash or sanitizer report; exits 1 if any game had one.
#
#   scripts/games.sh N [first-seed]      (default seed 1; game i uses seed first-seed + i - 1)
# Environment: GAME_MINUTES (4.5), GAMES_JOBS (games at once, 1), GAMES_SIZE (640x480),
#              GAMES_BUILD (build-sanitize), GAMES_OUT (<build>/games: logs and replays of failed games).
set -euo pipefail

count=${1:?usage: scripts/games.sh N [first-seed]}
first_seed=${2:-1}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${GAMES_BUILD:-build-sanitize}
minutes=${GAME_MINUTES:-4.5}
jobs=${GAMES_JOBS:-1}
size=${GAMES_SIZE:-640x480}
frame_ms=16

cd "$root"
make --no-print-directory sanitize-configure SANITIZE_BUILD="$build"
cmake --build "$build" --target tolvex -j"$(nproc)" >/dev/null
out=$(mkdir -p "${GAMES_OUT:-$build/games}" && cd "${GAMES_OUT:-$build/games}" && pwd)
rm -rf "$out"/* && mkdir -p "$out/results"
# A copy of the program and its sounds, so a rebuild during a long run changes nothing.
cp "$build/game/tolvex" "$out/tolvex"
cp -r "$build/game/sfx" "$out/sfx"
program=$out/tolvex
sfx=$out/sfx

# The menu takes about 200 frames before the pilot starts a game; it gives up after that plus its
# game time, and the run stops 3 s after the game has ended (--games 1), or at the cap.
game_frames=$(awk -v m="$minutes" -v f="$frame_ms" 'BEGIN { printf "%d", m * 60000 / f }')
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:print_summary=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Plays one game in a folder of its own and writes one result line:
# seed|status|reports|frames|points|kills|end|stage|seconds
play() {
  local seed=$1 work
  local give_up=$((200 + game_frames * (1 + seed % 3) / 3))
  local cap=$((give_up + 1000))
  work=$(mktemp -d "/tmp/tolvex-game-$seed.XXXXXX")
  ln -s "$sfx" "$work/sfx"
  printf '%d key 27 down\n%d key 27 up\n' "$give_up" "$((give_up + 1))" >"$work/giveup.txt"
  local start status=0
  start=$(date +%s)
  (cd "$work" && "$program" --headless --autopilot --seed "$seed" --frame-ms "$frame_ms" --size "$size" \
    --games 1 --frames "$cap" --input giveup.txt >out.txt 2>err.txt) || status=$?
  local seconds=$(($(date +%s) - start))
  local reports
  reports=$(grep -cE 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:' "$work/err.txt" || true)
  local line frames="-" points="-" kills="-" stage="-" end="-"
  line=$(grep -m1 '^game 1:' "$work/out.txt" || true)
  if [ -n "$line" ]; then
    frames=$(sed -E 's/.*frames ([0-9]+-[0-9]+),.*/\1/' <<<"$line")
    points=$(sed -E 's/.*points (-?[0-9]+),.*/\1/' <<<"$line")
    kills=$(sed -E 's/.*kills (-?[0-9]+),.*/\1/' <<<"$line")
    stage=$(sed -E 's/.*, stage (.*)$/\1/' <<<"$line")
    if [ "${frames#*-}" -ge "$give_up" ]; then end="gave up"; else end="shot down"; fi
  fi
  if [ "$status" -ne 0 ] || [ "$reports" -ne 0 ] || [ -z "$line" ]; then
    mkdir -p "$out/failed-$seed"
    cp -r "$work"/out.txt "$work"/err.txt "$out/failed-$seed/"
    [ -d "$work/replays" ] && cp -r "$work/replays" "$out/failed-$seed/"
  fi
  rm -rf "$work"
  echo "$seed|$status|$reports|$frames|$points|$kills|$end|$stage|$seconds" >"$out/results/$seed"
}

echo "games: $count games from seed $first_seed, $jobs at a time, $size, giving up after at most $minutes min of game time"
for ((i = 0; i < count; i++)); do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  play $((first_seed + i)) &
done
wait

printf '%-6s %-7s %-8s %-12s %-7s %-6s %-10s %-6s %s\n' seed exit reports frames points kills end wall-s stage
failed=0
for ((i = 0; i < count; i++)); do
  IFS='|' read -r seed status reports frames points kills end stage seconds <"$out/results/$((first_seed + i))"
  printf '%-6s %-7s %-8s %-12s %-7s %-6s %-10s %-6s %s\n' "$seed" "$status" "$reports" "$frames" "$points" "$kills" \
    "$end" "$seconds" "$stage"
  if [ "$status" -ne 0 ] || [ "$reports" -ne 0 ] || [ "$frames" = "-" ]; then failed=$((failed + 1)); fi
done
echo "--- stages reached:"
cut -d'|' -f8 "$out"/results/* | sort | uniq -c | sort -rn
echo "--- points: $(cut -d'|' -f5 "$out"/results/* | grep -v -- - | sort -n | awk '
  { v[NR] = $1; s += $1 } END { if (NR) printf "min %d, median %d, mean %.0f, max %d", v[1], v[int((NR + 1) / 2)], s / NR, v[NR] }')"
echo "--- endings: $(cut -d'|' -f7 "$out"/results/* | sort | uniq -c | tr '\n' ' ')"
if [ "$failed" -eq 0 ]; then
  echo "games: all $count games ended on the highscore screen with no crash and no sanitizer report"
else
  echo "games: $failed of $count games crashed, reported or did not finish; see $out/failed-*"
fi
[ "$failed" -eq 0 ]
