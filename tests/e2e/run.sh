#!/usr/bin/env bash
# End-to-end scenarios: the built program in its own X server, driven by xdotool like a user.
# usage: run.sh <vadoveziz> <screenshot-dir> [scenario...]   (no scenario: all of them, with a summary)
# A scenario is a function scenario_<name>; it fails by calling fail. Exit 77 means "tools missing".
set -uo pipefail

program=$(readlink -f "$1")
shots=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
fixtures=$here/fixtures
title=VadoveZiz      # the dialog's caption
app_title=vadoveziz  # the application title, used by the error box
step=15              # seconds any single wait may take (the test build runs under ASan)

for tool in Xvfb xdotool xclip xprop xwininfo xdpyinfo import openbox cmp; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (run tools/setup)"; exit 77; }
done

work=$(mktemp -d)
xvfb_pid="" wm_pid="" app_pid=""
cleanup() {
  for pid in $app_pid $wm_pid $xvfb_pid; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
# Each scenario runs in a subshell that ends its own program and window manager.
end_scenario() {
  for pid in $app_pid $wm_pid; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
}

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "  $*"; }

xdo() { timeout $step xdotool "$@"; }

# Poll a command until it succeeds or the step's time runs out.
until_true() {
  local deadline=$((SECONDS + step))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.05
  done
}

# Xvfb picks a free display itself and tells which, so parallel runs never share one.
start_x() {
  # -noreset: by default the server resets when its last client leaves, refusing whoever
  # connects next (the window manager, the program) for a moment.
  Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  until_true test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=:$(head -n 1 "$work/display")
  until_true xdpyinfo >/dev/null 2>&1 || fail "Xvfb on $DISPLAY does not answer"
}

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
start_wm() {
  openbox --sm-disable >"$work/wm.log" 2>&1 &
  wm_pid=$!
  until_true wm_running || fail "openbox did not start: $(cat "$work/wm.log")"
}

# A fresh copy of the program beside its settings file; it is started from another directory, which
# holds a decoy work.ini that must never be touched.
prepare() {
  dir=$work/app
  rm -rf "$dir" "$work/cwd"
  mkdir -p "$dir" "$work/cwd" "$work/runtime"
  chmod 700 "$work/runtime"
  cp "$program" "$dir/vadoveziz"
  cp "$fixtures/work.ini" "$dir/work.ini"
  cp "$fixtures/work.ini" "$work/cwd/work.ini"
}

launch() {
  (cd "$work/cwd" && exec env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$work/runtime" \
      ASAN_OPTIONS=detect_leaks=0 "$dir/vadoveziz" "$@" >"$work/stdout" 2>"$work/stderr") &
  app_pid=$!
}

# The id of the program's visible window whose title is exactly $1 (xdotool's match ignores case).
find_window() {
  local id
  for id in $(xdo search --onlyvisible --pid "$app_pid" --name "^$1\$" 2>/dev/null); do
    [ "$(xdo getwindowname "$id" 2>/dev/null)" = "$1" ] && { echo "$id"; return 0; }
  done
  return 1
}
wait_window() {
  local id deadline=$((SECONDS + step))
  until id=$(find_window "$1"); do
    [ $SECONDS -lt $deadline ] || fail "no window titled '$1' appeared; stderr: $(cat "$work/stderr")"
    alive || { reap; fail "the program ended (code $code) before a window titled '$1' appeared; stderr: $(cat "$work/stderr")"; }
    sleep 0.05
  done
  echo "$id"
}
gone() { ! find_window "$1" >/dev/null; }

focus() {
  if [ -n "$wm_pid" ]; then xdo windowactivate --sync "$1"; else xdo windowfocus --sync "$1"; fi || fail "cannot focus $1"
}
keys() { xdo key --delay 40 "$@"; }
typed() { xdo type --delay 40 "$1"; }
click_at() { xdo mousemove --window "$1" "$2" "$3" click 1; }  # client coordinates
# Centres of the buttons and fields the scenarios use, from the dialog's layout.
ok_button="85 420" cancel_button="237 420" width_field="136 74"

# A process that has ended stays a zombie until reaped, and kill -0 still reaches it.
alive() { local state; state=$(ps -o stat= -p "$app_pid" 2>/dev/null) && [ "${state:0:1}" != Z ]; }
ended() { ! alive; }
reap() { wait "$app_pid"; code=$?; app_pid=""; }
expect_exit() {
  until_true ended || fail "the program is still running"
  reap
  [ "$code" = "$1" ] || fail "exit code $code, expected $1; stderr: $(cat "$work/stderr")"
}
expect_running() { alive || { reap; fail "the program ended (code $code) but should still run"; }; }

expect_file() {
  cmp "$1" "$2" >/dev/null && return
  echo "--- expected"; od -c "$2" | head -40; echo "--- got"; od -c "$1" | head -40
  fail "$1 differs from $(basename "$2")"
}
expect_untouched() {
  expect_file "$dir/work.ini" "$fixtures/work.ini"
  expect_file "$work/cwd/work.ini" "$fixtures/work.ini"
}

# Copy the focused field's selection and wait until the clipboard holds $1. Every key before it has
# then been handled, which also makes this the barrier after keys that should have had no effect.
clip() { timeout 5 xclip -selection clipboard -o 2>/dev/null; }
clip_holds_wanted() { [ "$(clip)" = "$wanted" ]; }
expect_selection() {
  printf '<nothing copied>' | timeout 5 xclip -selection clipboard -i >/dev/null 2>&1
  keys ctrl+c
  wanted=$1
  until_true clip_holds_wanted || fail "the focused field's selection is '$(clip)', expected '$1'"
}
expect_field() { keys ctrl+a; expect_selection "$1"; }

shot() { import -window root "$shots/e2e-$1.png" || fail "screenshot $1"; }

# Sets X Y (the client area's top-left corner on the screen), WIDTH and HEIGHT. xdotool's own
# geometry is relative to the frame once a window manager has reparented the window.
geometry() {
  local info; info=$(xwininfo -id "$1") || fail "no geometry for $1"
  X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
  HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
}

# The window manager frames and places a window a moment after it maps; wait until its
# geometry and frame read the same twice in a row (bounded), so a click lands where it aims.
settled_geometry() {
  local last="" now i
  for i in $(seq 1 50); do
    geometry "$1"
    frame_extents "$1"
    now="$X $Y $WIDTH $HEIGHT ${extents[*]}"
    [ "$now" = "$last" ] && [ ${#extents[@]} -eq 4 ] && return
    last=$now
    sleep 0.1
  done
}

# Start with work.ini as the argument and wait for the dialog; leaves its id in $win.
open_dialog() {
  prepare
  launch work.ini
  win=$(wait_window "$title")
  focus "$win"
}

# The typical road: the dialog at the stored place, the focus in Edit1, 12 typed over the row count 8.
scenario_road() {
  open_dialog
  geometry "$win"
  note "dialog at $X,$Y size ${WIDTH}x$HEIGHT"
  [ "$X" = 200 ] && [ "$Y" = 100 ] || fail "dialog at $X,$Y, expected Left 200, Top 100 from the file"
  expect_selection work.ini          # Edit1 has the focus, its whole text selected
  keys shift+Tab                     # Edit8 is last in the tab order
  expect_selection 8
  typed 12
  expect_field 12
  shot road
  click_at "$win" $ok_button
  expect_exit 0
  expect_file "$dir/work.ini" "$fixtures/work.expected.ini"
  expect_file "$work/cwd/work.ini" "$fixtures/work.ini"
}

# Enter in an edit box or on a check box and Escape anywhere do nothing; Enter on OK saves.
scenario_enter() {
  open_dialog
  keys Return Escape
  expect_selection work.ini
  keys shift+Tab
  typed 12
  keys Return Escape
  expect_field 12
  expect_running
  keys shift+Tab Return Escape Tab   # on CheckBox4 and back to Edit8
  expect_field 12
  expect_running
  expect_untouched
  keys shift+Tab shift+Tab shift+Tab # CheckBox4, cancel, OK
  shot enter
  keys Return
  expect_exit 0
  expect_file "$dir/work.ini" "$fixtures/work.expected.ini"
}

# A width that is no number: the error box, nothing written, the dialog still there as it was.
scenario_bad_number() {
  open_dialog
  click_at "$win" $width_field
  keys ctrl+a
  typed abc
  expect_field abc
  click_at "$win" $ok_button
  local box; box=$(wait_window "$app_title")
  shot bad_number
  expect_running
  expect_untouched
  focus "$box"
  keys Return
  until_true gone "$app_title" || fail "the error box did not close"
  [ "$(find_window "$title")" = "$win" ] || fail "the dialog is gone after the error box"
  focus "$win"
  click_at "$win" $width_field
  expect_field abc
  click_at "$win" $cancel_button
  expect_exit 0
  expect_untouched
}

# Ending the dialog after an edit without OK: cancel, the close box, Alt+F4. Nothing is written.
edit_row_count() {
  keys shift+Tab
  typed 12
  expect_field 12
}
scenario_cancel() {
  open_dialog
  edit_row_count
  click_at "$win" $cancel_button
  expect_exit 0
  expect_untouched
}
# Sets extents to the frame's left, right, top and bottom widths.
frame_extents() {
  extents=($(xprop -id "$1" _NET_FRAME_EXTENTS | tr -dc '0-9 '))
  [ ${#extents[@]} = 4 ] || fail "the window manager gave no frame extents"
}
scenario_close_box() {
  start_wm
  open_dialog
  edit_row_count
  settled_geometry "$win"
  # The close box is the last button at the right end of the title bar.
  xdo mousemove $((X + WIDTH + extents[1] - 4 - extents[2] / 2)) $((Y - extents[2] / 2)) click 1
  expect_exit 0
  expect_untouched
}
scenario_alt_f4() {
  start_wm
  open_dialog
  edit_row_count
  keys alt+F4
  expect_exit 0
  expect_untouched
}

# In a window manager's frame: the outer size is the dialog's, and the stored Left 200, Top 100 place
# the frame's outer corner or the client's (the toolkit's gravity decides which).
scenario_framed() {
  start_wm
  open_dialog
  settled_geometry "$win"
  note "client at $X,$Y size ${WIDTH}x$HEIGHT, frame ${extents[*]}"
  shot framed
  [ $((WIDTH + extents[0] + extents[1])) = 336 ] && [ $((HEIGHT + extents[2] + extents[3])) = 473 ] \
    || fail "outer size $((WIDTH + extents[0] + extents[1]))x$((HEIGHT + extents[2] + extents[3])), expected 336x473"
  [ $((X - extents[0])) -le 200 ] && [ 200 -le $X ] && [ $((Y - extents[2])) -le 100 ] && [ 100 -le $Y ] \
    || fail "dialog at $X,$Y within a frame of ${extents[*]}, expected it at Left 200, Top 100"
  click_at "$win" $cancel_button
  expect_exit 0
}

# Without any display the program says so in one line and fails.
scenario_no_display() {
  prepare
  (cd "$work/cwd" && exec env -u DISPLAY -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY ASAN_OPTIONS=detect_leaks=0 \
      timeout $step "$dir/vadoveziz" work.ini >"$work/stdout" 2>"$work/stderr")
  local code=$?
  [ $code = 1 ] || fail "exit code $code, expected 1; stderr: $(cat "$work/stderr")"
  [ ! -s "$work/stdout" ] || fail "it printed to stdout: $(cat "$work/stdout")"
  [ "$(wc -l <"$work/stderr")" = 1 ] && grep -qi display "$work/stderr" \
    || fail "expected one line about the display, got: $(cat "$work/stderr")"
  note "$(cat "$work/stderr")"
  expect_untouched
}

all=$(declare -F | sed -n 's/^declare -f scenario_//p')
[ $# -gt 0 ] || set -- $all
start_x
failed=()
for name in "$@"; do
  declare -F "scenario_$name" >/dev/null || { echo "unknown scenario $name (known: $all)"; exit 2; }
  echo "== $name"
  if ( trap end_scenario EXIT; scenario_"$name" ); then echo "PASS $name"; else echo "FAIL $name"; failed+=("$name"); fi
done
[ $# -gt 1 ] && echo "summary: $(($# - ${#failed[@]})) of $# passed${failed:+; failed: ${failed[*]}}"
[ ${#failed[@]} = 0 ]
