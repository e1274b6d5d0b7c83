#!/usr/bin/env bash
# Runs every benchmark of the release build once, briefly, and prints the
# figures. The window's print benchmark compares F11 with lp on a private
# CUPS test server, started here when root may (and stopped afterwards).
set -euo pipefail
cd "$(dirname "$0")/.."
shopt -s nullglob
export QT_QPA_PLATFORM=offscreen

server=
cleanup() { [ -n "$server" ] && bash scripts/cups-test-server.sh stop "$server" >/dev/null 2>&1; }
trap cleanup EXIT
if [ "$(id -u)" -eq 0 ] && command -v cupsd >/dev/null; then
  server=$(mktemp -d /tmp/ruvo-cups-bench-XXXXXX)
  chmod 0755 "$server"
  if bash scripts/cups-test-server.sh start "$server" >/dev/null; then
    export CUPS_SERVER=$server/cups.sock
  else
    echo "bench: no CUPS test server; F11 against lp is skipped" >&2
  fi
fi

for bench in build/release/bench/ruvo_*_bench; do
  echo "-- ${bench##*/}"
  case $bench in
  *startup_bench | *exit_bench) "$bench" ;;
  *) "$bench" --benchmark_min_time=0.05 ;;
  esac
done
