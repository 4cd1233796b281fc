#!/usr/bin/env bash
# The .deb on a fresh Debian, as a player meets it: makes the package (make package), unpacks a
# minimal Debian 12 into a folder with debootstrap, installs the package there with apt (which
# fetches the libraries it depends on), then starts the desktop entry's command in it: on SDL's
# dummy drivers in a window, and headless through a game given up at once. Checks that the game
# loads its sounds, plays a shipped song, keeps the player's files under ~/.local/share/tolvex and
# writes nothing below /usr. Needs root and a Debian mirror; not part of make test.
#
#   scripts/deb-check.sh [build-folder] [debian-folder]     (default: build, /tmp/tolvex-debian)
# Environment: DEBIAN_MIRROR (http://deb.debian.org/debian). A Debian folder from an earlier run is
# used again, with the package installed anew.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
root=${2:-/tmp/tolvex-debian}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
[ "$(id -u)" -eq 0 ] || { echo "deb-check.sh needs root (debootstrap, chroot)" >&2; exit 1; }
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap >/dev/null

make --no-print-directory package BUILD="$build" >/dev/null
deb=$(ls -t "$build"/tolvex_*.deb | head -1)
[ -x "$root/usr/bin/apt-get" ] || debootstrap --variant=minbase bookworm "$root" "$mirror" >/dev/null
mount -t proc proc "$root/proc"
trap 'umount "$root/proc"' EXIT

# A command run in the Debian folder as the player, with nothing of this machine's environment.
as_player() { chroot "$root" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/home/player "$@"; }

cp "$deb" "$root/tmp/tolvex.deb"
chroot "$root" apt-get update -qq
chroot "$root" /usr/bin/env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall /tmp/tolvex.deb >/dev/null
echo "installed $(basename "$deb") and its dependencies with apt"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
command=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/io.github.tolvex.Tolvex.desktop")
player=$root/home/player
data=$player/.local/share/tolvex
rm -rf "$player" && mkdir -p "$data"
touch "$root/tmp/before-the-game"
printf 'Version=Tolvex 1.07\nGFX X=320\nGFX Y=240\nGFX Full=0\nSoundEffectVolume=70\nMusicVolume=100\nSongNumber=3\nOnlineHighscore=0\nPlayer=Kim\n' \
  >"$data/Options.ini"

# In a window (SDL's dummy drivers): the sounds load from /usr/share/tolvex and a song plays.
as_player SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy TOLVEX_DEBUG=1 \
  sh -c "cd && $command --frames 30 --frame-ms 16 --seed 3 --dump 30:/tmp/window.json" 2>"$root/tmp/window.err" >/dev/null ||
  fail "the window run"
! grep -q 'Sound not loaded' "$root/tmp/window.err" || fail "sounds missing: $(grep -c 'Sound not loaded' "$root/tmp/window.err")"
tr -d ' \n' <"$root/tmp/window.json" | grep -q '"playing":true' || fail "no song plays"

# Headless, a game given up at once: its highscore list and replay go to the player's folder.
echo "10 key 27 down" >"$root/tmp/give-up.txt"
as_player sh -c "cd && $command --headless --start game --frames 60 --frame-ms 16 --seed 3 --input /tmp/give-up.txt" \
  >/dev/null 2>&1 || fail "the headless run"
[ -f "$data/Highscore.txt" ] || fail "no Highscore.txt in ~/.local/share/tolvex"
[ "$(ls "$data/replays" 2>/dev/null | wc -l)" -eq 1 ] || fail "no replay in ~/.local/share/tolvex/replays"
written=$(find "$root/usr" -newer "$root/tmp/before-the-game" -print | head -5)
[ -z "$written" ] || fail "the game wrote below /usr: $written"

if [ "$failures" -ne 0 ]; then
  echo "$failures checks of the installed package failed" >&2
  exit 1
fi
echo "the package on a fresh Debian: it starts from its desktop entry's command ($command), finds its sounds and songs, and keeps the player's files in ~/.local/share/tolvex: $(cd "$data" && ls | tr '\n' ' ')"
