# Shared by the frame-rate scripts (menu-fps.sh, fight-fps.sh): sourced, not run.
# window_run_setup BUILD PREFIX WIDTH HEIGHT: finds the program in BUILD, makes a scratch folder
# (removed at exit) and, without an X display, starts Xvfb on :77 with a screen of WIDTH x HEIGHT,
# so windows up to that size fit. Sets `program`, `probe` and `work`; returns 1 when there is no
# display and no Xvfb to start (the caller skips).
# window_run_machine: says how often the machine itself held a busy thread up long enough to
# miss a frame (the floor under the runs' p99), where the build has its probe.
# window_run_options SIZE: writes an Options.ini for a window of SIZE (WxH) with sound and music off,
# so the first-run settings window does not open.

window_run_setup() {
  local build=$1 prefix=$2 width=$3 height=$4
  program=$(cd "$build/game" && pwd)/tolvex
  probe=$(cd "$build" && pwd)/bench/machine/tolvex_bench_machine
  [ -x "$program" ] || { echo "$prefix: no program at $program (build first)" >&2; exit 1; }
  work=$(mktemp -d "/tmp/tolvex-$prefix.XXXXXX")
  xvfb=""
  # The server is waited for, so a run that follows at once finds the display free: a second Xvfb
  # started while the first still exits fails, and the game would meet a server on its way out.
  trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
  if [ -z "${DISPLAY:-}" ]; then
    command -v Xvfb >/dev/null || { echo "$prefix: skipped, no X display and no Xvfb"; return 1; }
    Xvfb :77 -screen 0 "${width}x${height}x24" >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=:77
    sleep 2
  fi
  cd "$work"
}

window_run_machine() {
  local seconds=${FPS_MACHINE_SECONDS:-5}
  [ -x "$probe" ] && [ "$seconds" != 0 ] && "$probe" "$seconds"
  return 0
}

window_run_options() {
  local size=$1
  printf 'Version=Tolvex 1.07\nGFX X=%s\nGFX Y=%s\nGFX Full=0\nGFX Camera Delay=0\nSoundEffectVolume=0\n' \
    "${size%x*}" "${size#*x}" >Options.ini
  printf 'MusicVolume=0\nSongNumber=0\nOnlineHighscore=0\nPlayer=Bench\n' >>Options.ini
}

# The largest width and the largest height among the sizes given (WxH ...), as "W H".
window_run_largest() {
  local width=0 height=0 size
  for size in "$@"; do
    [ "${size%x*}" -gt "$width" ] && width=${size%x*}
    [ "${size#*x}" -gt "$height" ] && height=${size#*x}
  done
  echo "$width $height"
}
