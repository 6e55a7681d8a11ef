#!/usr/bin/env bash
# Start-up of several builds beside a bare Qt window, interleaved round by round on one Xvfb
# display, so builds measured in one run compare even on a busy machine. Each BUILD_DIR holds
# Raadkwartet and its Data. Two times for each: to the first mapped full-size window, as the
# shared start-up script measures it, and to that window's first drawn content, which is when
# the player sees it (bench/waitpaint.c). The bare window is the shared script's own; beside
# it the same window with one label, and with a label and a line edit (bench/bare_with_text.cpp),
# show what the toolkit alone takes before a window with text maps.
# Usage: bash bench/startup_compare.sh ROUNDS BUILD_DIR...
# On a shared machine, run it as root under `chrt -f 10` to keep other work off the cores.
set -eu
rounds=$1; shift
shared=$(dirname "$(readlink -f "$0")")/../../shared/bench
work=$(mktemp -d -t startup-compare-XXXX)
gcc -O2 "$(dirname "$(readlink -f "$0")")/waitpaint.c" -o "$work/waitpaint" -lX11
g++ -O2 -fPIC "$shared/bare_window.cpp" -o "$work/bare" $(pkg-config --cflags --libs Qt6Widgets)
g++ -O2 -fPIC "$(dirname "$(readlink -f "$0")")/bare_with_text.cpp" -o "$work/bare_text" \
  $(pkg-config --cflags --libs Qt6Widgets)
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
  # A start that never draws (it gives up after 10 s) leaves its round out.
  for i in $(seq "$n"); do (cd "$work/build$i" && echo -n "$("$work/waitpaint" ./Raadkwartet 2>/dev/null || echo - -) "); done
  echo -n "$("$work/waitpaint" "$work/bare_text" 2>/dev/null || echo - -) "
  echo -n "$("$work/waitpaint" "$work/bare_text" edit 2>/dev/null || echo - -) "
  "$work/waitpaint" "$work/bare" 2>/dev/null || echo - -
done > "$work/times.txt"
kill "$xvfb"
python3 - "$work/times.txt" "$@" <<'PY'
import statistics, sys
rows = [list(map(float, line.split())) for line in open(sys.argv[1]) if line.strip() and "-" not in line.split()]
names = sys.argv[2:] + ["bare QWidget + label", "bare QWidget + label + line edit", "bare QWidget"]
bare_map = statistics.median(row[-2] for row in rows)
bare_paint = statistics.median(row[-1] for row in rows)
for j, name in enumerate(names):
    mapped = statistics.median(row[2 * j] for row in rows)
    painted = statistics.median(row[2 * j + 1] for row in rows)
    print(f"{name:32s} map {mapped:5.1f} ms ({mapped / bare_map:4.2f})  first paint {painted:5.1f} ms"
          f" ({painted / bare_paint:4.2f})  ({len(rows)} rounds)")
PY
rm -rf "$work"
