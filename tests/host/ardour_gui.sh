#!/usr/bin/env bash
# The editor in the host's own GUI: a session made by script with the plug-in
# on a track, opened by the host on a virtual X server over a JACK server
# with its dummy driver (no sound card); the host's audio setup is passed
# with the keyboard and pointer, the plug-in's window opened from the mixer
# strip. Writes the screen and the plug-in window as PNG files into OUT_DIR,
# at the scale in TARVELLE_SCALE (1 by default; the files of scale 2 end in
# _2x), and checks that the editor sits in the host's window at its size.
# ardour_gui.sh PLUGIN SHOT_TOOL OUT_DIR
set -euo pipefail
plugin=$1 shot=$2 out=$3 here=$(cd "$(dirname "$0")" && pwd)
scale=${TARVELLE_SCALE:-1}
suffix=$([ "$scale" = 2 ] && echo _2x || true)
scratch=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]+"${pids[@]}"}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$scratch/vst" "$out"
cp "$plugin" "$scratch/vst/"
touch -d '2020-01-01 00:00:00' "$scratch/vst/$(basename "$plugin")"
unset XDG_CONFIG_HOME
export HOME=$scratch XDG_CACHE_HOME=$scratch/cache LXVST_PATH=$scratch/vst TARVELLE_SESSION=$scratch/session
export TARVELLE_SCALE=$scale
# The host's first-run welcome is for people, not for this script.
mkdir -p "$HOME/.config/ardour7" && touch "$HOME/.config/ardour7/.a7"
LD_LIBRARY_PATH=/usr/lib/ardour7 /usr/lib/ardour7/ardour-vst-scanner -f "$scratch/vst/$(basename "$plugin")" >/dev/null 2>&1
ardour7-lua "$here/ardour_create.lua" >/dev/null 2>&1 || fail "session not built"

fd_file=$scratch/display
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$fd_file" 2>/dev/null &
pids+=($!)
while [ ! -s "$fd_file" ]; do sleep 0.1; done
export DISPLAY=":$(cat "$fd_file")"
export JACK_DEFAULT_SERVER=tarvelle_$$
jackd -n "$JACK_DEFAULT_SERVER" -d dummy -r 48000 -p 1024 >"$scratch/jack.log" 2>&1 &
pids+=($!)
sleep 1
ardour -n -a "$TARVELLE_SESSION/tarvelle.ardour" >"$scratch/ardour.log" 2>&1 &
pids+=($!)

# Answers the host's dialogs until the plug-in's window shows.
find_win() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true; }
plug_win='' engine_done=0 mixer_done=0
for _ in $(seq 1 ${TARVELLE_GUI_TRIES:-240}); do
  sleep 0.5
  plug_win=$(find_win 'Tarvelle \(by') && [ -n "$plug_win" ] && break
  setup=$(find_win '^Audio/MIDI Setup$')
  if [ -n "$setup" ] && [ "$engine_done" = 0 ]; then
    # The audio system menu: JACK, which is running; then connect to it.
    xdotool mousemove --window "$setup" 285 49 click 1; sleep 1
    xdotool mousemove --window "$setup" 238 71 click 1; sleep 1.5
    # "Connect to JACK", at the bottom right of the widened dialog.
    eval "$(xdotool getwindowgeometry --shell "$setup")"
    xdotool mousemove --window "$setup" $((WIDTH - 69)) $((HEIGHT - 32)) click 1
    engine_done=1
    continue
  fi
  main=$(find_win ' - Ardour$')
  if [ -z "$main" ] && [ -z "$setup" ]; then
    # A notice before the audio setup (the session's audio device changed).
    # Dialogs open in the middle of the screen, where the pointer gives the
    # keyboard focus (no window manager here).
    xdotool mousemove 800 600 key Return
    continue
  fi
  if [ -n "$main" ] && [ "$engine_done" = 1 ]; then
    # A notice about the changed audio device, if any, then the mixer and a
    # double click on the plug-in in the track's strip.
    xdotool key Return; sleep 1
    if [ "$mixer_done" = 0 ]; then
      xdotool windowactivate --sync "$main" 2>/dev/null || true
      xdotool key --window "$main" alt+m; sleep 2
      mixer_done=1
    fi
    xdotool mousemove --window "$main" 328 207 click --repeat 2 --delay 80 1
    sleep 2
  fi
done
if [ -z "$plug_win" ]; then
  "$shot" "$out/ardour_failed$suffix.png" || true
  tail -20 "$scratch/ardour.log"
  fail "the plug-in's window did not open: see $out/ardour_failed$suffix.png"
fi
sleep 2
"$shot" "$out/ardour_screen$suffix.png" || fail "no screenshot"
"$shot" "$out/ardour_editor$suffix.png" "$plug_win" || fail "no screenshot of the plug-in window"
want="$((601 * scale))x$((563 * scale))"
line=$(xwininfo -tree -id "$plug_win" | grep " $want+" | head -1)
[ -n "$line" ] || { xwininfo -tree -id "$plug_win"; fail "no $want editor inside"; }
# The setup menu, opened with the editor's setup button: the screen again.
abs=$(awk '{print $NF}' <<<"$line")
ex=$(cut -d+ -f2 <<<"$abs") ey=$(cut -d+ -f3 <<<"$abs")
xdotool mousemove --sync $((ex + 578 * scale)) $((ey + 552 * scale)) click 1
sleep 1
"$shot" "$out/ardour_menu$suffix.png" || fail "no screenshot of the setup menu"
xdotool key Escape
echo "the editor is in the host's window: $out/ardour_editor$suffix.png"
