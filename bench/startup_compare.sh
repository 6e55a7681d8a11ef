#!/usr/bin/env bash
# Start-up of several builds beside a bare Qt window, interleaved round by round on one Xvfb
# display, so builds measured in one run compare even on a busy machine. Each BUILD_DIR holds
# Raadkwartet and its Data. Uses the shared start-up script's own window waiter and bare window.
# Usage: bash bench/startup_compare.sh ROUNDS BUILD_DIR...
# On a shared machine, run it as root under `chrt -f 10` to keep other work off the cores.
set -eu
rounds=$1; shift
shared=$(dirname "$(readlink -f "$0")")/../../shared/bench
work=$(mktemp -d -t startup-compare-XXXX)
gcc -O2 "$shared/waitmap.c" -o "$work/waitmap" -lX11
g++ -O2 -fPIC "$shared/bare_window.cpp" -o "$work/bare" $(pkg-config --cflags --libs Qt6Widgets)
n=0
for build in "$@"; do
  n=$((n + 1)); mkdir -p "$work/build$n"
  cp "$build/Raadkwartet" "$work/build$n/"; cp -r "$build/Data" "$work/build$n/"
done
display=":$((500 + $$ % 40))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null & xvfb=$!
sleep 1
export XDG_RUNTIME_DIR=$work DISPLAY=$display
for round in $(seq "$rounds"); do
  for i in $(seq "$n"); do (cd "$work/build$i" && echo -n "$("$work/waitmap" ./Raadkwartet 2>/dev/null) "); done
  "$work/waitmap" "$work/bare" 2>/dev/null
done > "$work/times.txt"
kill "$xvfb"
python3 - "$work/times.txt" "$@" <<'PY'
import statistics, sys
rows = [list(map(float, line.split())) for line in open(sys.argv[1]) if line.strip()]
names = sys.argv[2:] + ["bare QWidget"]
bare = statistics.median(row[-1] for row in rows)
for j, name in enumerate(names):
    median = statistics.median(row[j] for row in rows)
    print(f"{name:40s} median {median:6.1f} ms  ratio to bare {median / bare:4.2f}  ({len(rows)} rounds)")
PY
rm -rf "$work"
