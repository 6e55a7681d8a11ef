#!/usr/bin/env bash
# Runs every fuzz target for a set time (seconds, default 600 each) on a copy of its corpus.
# Needs the clang build: bash scripts/fuzz.sh [seconds] [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
build=${2:-build-sanitize}
for target in "$build"/tests/fuzz/fuzz_*; do
  name=$(basename "$target"); short=${name#fuzz_}
  work=$(mktemp -d)
  cp -r "tests/fuzz/corpus/$short/." "$work/"
  echo "== $name for ${seconds}s"
  QT_QPA_PLATFORM=offscreen "$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=4096 "$work" 2>&1 | tail -n 3
  rm -rf "$work"
done
