#!/usr/bin/env bash
# Start-up of the program against a minimal Qt window of the same size, under a private Xvfb with
# no window manager: time until the window is mapped and painted, and peak resident memory.
# usage: startup_bench.sh <build-dir> [runs]   (the build dir holds vadoveziz, bench/minimal_window
# and bench/window_probe; a Release build gives meaningful figures)
set -euo pipefail

build=$(readlink -f "$1")
runs=${2:-10}
probe=$build/bench/window_probe
for f in "$build/vadoveziz" "$build/bench/minimal_window" "$probe"; do
  [ -x "$f" ] || { echo "missing $f" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill $xvfb_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

# The program's directory is where its binary is, so each program gets a copy beside its files.
cp "$build/vadoveziz" "$build/bench/minimal_window" "$work/"
printf '[Pos]\r\nLeft=100\r\nTop=100\r\n[combo]\r\ncombo_down=1\r\ndowncount=8\r\n' >"$work/work.ini"
mkdir -m 700 "$work/runtime"

for n in $(seq 70 130); do
  [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] && continue
  Xvfb :$n -noreset -screen 0 1280x1024x24 -nolisten tcp -br >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=:$n
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
  kill -0 $xvfb_pid 2>/dev/null && xdpyinfo >/dev/null 2>&1 && break
  xvfb_pid=""
done
[ -n "$xvfb_pid" ] || { echo "no free display for Xvfb" >&2; exit 2; }

measure() {  # label title program args...
  local label=$1; shift
  env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$work/runtime" "$probe" "$@" >>"$work/$label"
}

# One unmeasured start of each warms the file cache; then the two alternate.
measure warm VadoveZiz "$work/vadoveziz" work.ini
measure warm MinimalWindow "$work/minimal_window"
for _ in $(seq "$runs"); do
  measure ours VadoveZiz "$work/vadoveziz" work.ini
  measure minimal MinimalWindow "$work/minimal_window"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
report() {
  local time rss
  time=$(cut -d' ' -f1 "$work/$1" | median)
  rss=$(cut -d' ' -f2 "$work/$1" | median)
  printf '%-8s %10.1f ms %10d KiB   (min %s ms, max %s ms)\n' "$1" "$time" "$rss" \
    "$(cut -d' ' -f1 "$work/$1" | sort -n | head -1)" "$(cut -d' ' -f1 "$work/$1" | sort -n | tail -1)"
  eval "${1}_time=$time ${1}_rss=$rss"
}
echo "start-up until mapped and painted, $runs runs each, medians; peak resident set size"
report ours
report minimal
awk -v t1="$ours_time" -v t0="$minimal_time" -v r1="$ours_rss" -v r0="$minimal_rss" \
  'BEGIN { printf "ours/minimal: time %.2f, memory %.2f\n", t1 / t0, r1 / r0 }'
