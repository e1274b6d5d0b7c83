#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the warnings-as-
# errors build, the sanitizer build, the fuzzers and the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export RUVO_WERROR=ON
jobs=$(nproc)

step() { printf '\n== %s ==\n' "$*"; }

step "formatting"
bash scripts/check-format.sh

for preset in dev asan; do
  step "$preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  step "$preset tests"
  ctest --preset "$preset" -j "$jobs" --label-exclude serial
  ctest --preset "$preset" --label-regex serial --no-tests=ignore
done

step "fuzzers"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz -j "$jobs" --label-regex fuzz

step "benchmarks"
cmake --preset release >/dev/null
cmake --build --preset release -j "$jobs"
bash scripts/bench.sh
