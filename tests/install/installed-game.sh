#!/usr/bin/env bash
# Installs the build folder ($1) into a fresh prefix under $2 and checks the installed game: its
# files where a desktop looks for them, the validators' verdict on the desktop entry, the AppStream
# metadata and the manual page (where the validators are installed), and the program run from the
# prefix: it finds its sounds and songs there, keeps the player's files in $XDG_DATA_HOME/tolvex
# (or ~/.local/share/tolvex) and writes nothing into the prefix.
set -euo pipefail
build=$(realpath "$1")
work=$2
rm -rf "$work"
mkdir -p "$work"
work=$(realpath "$work")
prefix=$work/prefix
app=io.github.tolvex.Tolvex
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
check() {  # check <what> <command>...: the command must succeed
  local what=$1
  shift
  "$@" >"$work/check.out" 2>&1 || { fail "$what"; cat "$work/check.out" >&2; }
}
# A PNG's width and height from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }

cmake --install "$build" --prefix "$prefix" >/dev/null

# The files.
[ -x "$prefix/bin/tolvex" ] || fail "bin/tolvex"
[ "$(ls "$prefix/share/tolvex/sfx" | wc -l)" -eq 23 ] || fail "23 sound effects in share/tolvex/sfx"
[ "$(ls "$prefix/share/tolvex/music"/*.ogg | wc -l)" -eq 3 ] || fail "3 songs in share/tolvex/music"
for size in 48 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/tolvex.png
  if [ -f "$icon" ]; then
    [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon")"
  else
    fail "$icon"
  fi
done
desktop=$prefix/share/applications/$app.desktop
metainfo=$prefix/share/metainfo/$app.metainfo.xml
manual=$prefix/share/man/man6/tolvex.6
for file in "$desktop" "$metainfo" "$manual"; do [ -f "$file" ] || fail "$file"; done
grep -qx 'Exec=tolvex' "$desktop" || fail "the desktop entry starts tolvex"
grep -qx 'Icon=tolvex' "$desktop" || fail "the desktop entry names the icon"

# The validators, where installed (scripts/install-deps.sh installs them).
if command -v desktop-file-validate >/dev/null; then check "desktop-file-validate" desktop-file-validate "$desktop"; fi
if command -v appstreamcli >/dev/null; then check "appstreamcli validate" appstreamcli validate --no-net "$metainfo"; fi
if command -v groff >/dev/null; then
  groff -ww -z -man "$manual" 2>"$work/manual.err" || fail "groff reads the manual page"
  [ ! -s "$work/manual.err" ] || { fail "the manual page has warnings"; cat "$work/manual.err" >&2; }
fi
# Every option the program knows is in the manual page.
for option in $("$prefix/bin/tolvex" --help | grep -o -- '--[a-z-]*' | sort -u) --help; do
  grep -q -- "${option//-/\\\\-}" "$manual" || fail "the manual page lacks $option"
done

# The program run from the prefix, from a working folder of its own. A headless game given up at
# once: its highscore list and replay are saved when it ends.
cwd=$work/cwd
echo "10 key 27 down" >"$work/give-up.txt"
run_game() {  # run_game <environment>...: a headless game, then a window on SDL's dummy drivers
  rm -rf "$cwd" && mkdir -p "$cwd"
  (cd "$cwd" && env "$@" "$prefix/bin/tolvex" --headless --start game --frames 60 --frame-ms 16 --seed 3 \
    --input "$work/give-up.txt" --dump 60:headless.json >/dev/null 2>"$work/headless.err") ||
    fail "the headless run ($*)"
}
run_window() {  # run_window <player folder> <environment>...
  local player=$1
  shift
  printf 'Version=Tolvex 1.07\nGFX X=320\nGFX Y=240\nGFX Full=0\nSoundEffectVolume=70\nMusicVolume=100\nSongNumber=3\nOnlineHighscore=0\nPlayer=Kim\n' \
    >"$player/Options.ini"
  (cd "$cwd" && env "$@" TOLVEX_DEBUG=1 "$prefix/bin/tolvex" --frames 30 --frame-ms 16 --seed 3 \
    --dump 30:window.json >/dev/null 2>"$work/window.err") || fail "the window run ($*)"
}
expect_player_files() {  # expect_player_files <player folder> <what>
  local player=$1 what=$2
  for name in screenshots replays music; do [ -d "$player/$name" ] || fail "$what: $player/$name"; done
  [ -f "$player/Highscore.txt" ] || fail "$what: $player/Highscore.txt"
  [ "$(ls "$player/replays" | wc -l)" -eq 1 ] || fail "$what: one replay in $player/replays"
  [ "$(ls -A "$cwd")" = "headless.json" ] || fail "$what: the working folder holds $(ls -A "$cwd" | tr '\n' ' ')"
}

find "$prefix" -printf '%p %s %T@\n' | sort >"$work/prefix.before"

home=$work/home
run_game HOME="$home" XDG_DATA_HOME="$work/data"
expect_player_files "$work/data/tolvex" "XDG_DATA_HOME set"
run_game HOME="$home" XDG_DATA_HOME=
expect_player_files "$home/.local/share/tolvex" "XDG_DATA_HOME empty"
rm -rf "$home"
run_game -u XDG_DATA_HOME HOME="$home"
expect_player_files "$home/.local/share/tolvex" "XDG_DATA_HOME unset"
# The dump's JSON, one line without the blanks around its punctuation.
squashed() { tr -d '\n' <"$1" | sed -E 's/ *([][{}:,]) */\1/g'; }
songs=$(squashed "$cwd/headless.json" | grep -o '"songs":\[[^]]*\]' || true)
[ "$songs" = '"songs":["Hyperspace Drift","Nebula Run","Red Giant"]' ] || fail "the shipped songs, not $songs"

# In a window (SDL's dummy drivers) the sounds load from the prefix and a song plays from there.
run_window "$home/.local/share/tolvex" -u XDG_DATA_HOME HOME="$home"
! grep -q 'Sound not loaded' "$work/window.err" || { fail "sounds missing"; grep 'Sound not loaded' "$work/window.err" >&2; }
squashed "$cwd/window.json" | grep -q '"playing":true' || fail "no song plays in the window"

find "$prefix" -printf '%p %s %T@\n' | sort >"$work/prefix.after"
cmp -s "$work/prefix.before" "$work/prefix.after" || { fail "the game wrote into its prefix"; diff "$work/prefix.before" "$work/prefix.after" >&2; }

if [ "$failures" -ne 0 ]; then
  echo "$failures checks of the installed game failed" >&2
  exit 1
fi
echo "the installed game: files, validators and runs from $prefix all good"
