#!/usr/bin/env bash
# Runs every benchmark of the release build once, briefly, and prints the figures.
set -euo pipefail
cd "$(dirname "$0")/.."
shopt -s nullglob
for bench in build/release/bench/ruvo_*_bench; do
  echo "-- ${bench##*/}"
  QT_QPA_PLATFORM=offscreen "$bench" --benchmark_min_time=0.05
done
