#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the warnings-as-
# errors build, the sanitizer build, the fuzzers, the benchmarks and the
# Debian package (built, installed, used and purged again).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export RUVO_WERROR=ON
jobs=$(nproc)

step() { printf '\n== %s ==\n' "$*"; }

# Runs ctest with the given arguments and adds its counts to the totals that
# the last line of the run reports.
passed=0
failed=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT
run_ctest() {
  local rc=0
  ctest "$@" 2>&1 | tee "$log" || rc=$?
  local total bad
  total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n 1)
  bad=$(sed -n 's/.*, \([0-9]*\) tests failed out of.*/\1/p' "$log" | tail -n 1)
  passed=$((passed + ${total:-0} - ${bad:-0}))
  failed=$((failed + ${bad:-0}))
  return "$rc"
}

step "formatting"
bash scripts/check-format.sh

for preset in dev asan; do
  step "$preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  step "$preset tests"
  run_ctest --preset "$preset" -j "$jobs" --label-exclude serial
  run_ctest --preset "$preset" --label-regex serial
done

step "fuzzers"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
run_ctest --preset fuzz -j "$jobs" --label-regex fuzz

step "benchmarks"
cmake --preset release >/dev/null
cmake --build --preset release -j "$jobs"
bash scripts/bench.sh

step "package"
bash scripts/check-package.sh

echo
echo "ctest: $passed passed, $failed failed"
