#!/usr/bin/env bash
# Runs every fuzz target for a set time (seconds, default 600 each) on a copy of its corpus.
# Needs the clang build: bash scripts/fuzz.sh [seconds] [build-dir]
# A target that finds a fault does not stop the others; the script then ends with status 1
# and names them.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
build=${2:-build-sanitize}

targets=()
for target in "$build"/tests/fuzz/fuzz_*; do
  # The folder also holds the fuzz_*_autogen folders of the build: only programs run.
  if [ -f "$target" ] && [ -x "$target" ]; then
    targets+=("$target")
  fi
done
if [ ${#targets[@]} -eq 0 ]; then
  echo "No fuzz targets in $build/tests/fuzz: build them first (bash scripts/setup.sh test)." >&2
  exit 1
fi

work=
log=
trap 'rm -rf "$work" "$log"' EXIT
failed=()
for target in "${targets[@]}"; do
  name=$(basename "$target"); short=${name#fuzz_}
  work=$(mktemp -d)
  log=$(mktemp)
  corpus=tests/fuzz/corpus/$short
  echo "== $name for ${seconds}s"
  if [ -d "$corpus" ]; then
    cp -r "$corpus/." "$work/"
  else
    echo "(no seed corpus in $corpus: starting from an empty one)"
  fi
  if QT_QPA_PLATFORM=offscreen "$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
      -rss_limit_mb=4096 "$work" >"$log" 2>&1; then
    tail -n 3 "$log"
  else
    tail -n 30 "$log"
    failed+=("$name")
  fi
  rm -rf "$work" "$log"
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Found faults: ${failed[*]} (the input that failed is saved in $PWD)" >&2
  exit 1
fi
echo "All ${#targets[@]} fuzz targets ran ${seconds}s each with nothing found."
