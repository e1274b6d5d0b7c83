#!/bin/sh
# Starts ruvo_Rezovod on a private X server in an empty working folder: its
# window appears with a 682 x 663 client area, and a second start ends at
# once without making a second window.
#   program_x11_test.sh PROGRAM
set -eu
# The tests run offscreen; this one wants the X server.
unset QT_QPA_PLATFORM
program=$(realpath "$1")
work=$(mktemp -d)
first=
cleanup() {
  [ -n "$first" ] && kill "$first" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
cd "$work"
# The postal-code dictionary is compiled into the cache folder: this one.
export XDG_CACHE_HOME="$work/cache"

# Windows of the program's class with the main window's size; the error box
# of a machine without printers shares the class but not the size.
main_windows() {
  xwininfo -root -tree | grep '"ruvo_Rezovod" "ruvo_Rezovod")' | grep -c ' 682x663+' || true
}

wait_for() {  # wait_for COUNT: until that many main windows exist (10 s)
  for _ in $(seq 1 100); do
    [ "$(main_windows)" -eq "$1" ] && return 0
    if ! kill -0 "$first" 2>/dev/null; then
      status=0
      wait "$first" || status=$?
      echo "the program ended with status $status before its window showed" >&2
      return 1
    fi
    sleep 0.1
  done
  echo "expected $1 main window(s), found $(main_windows)" >&2
  xwininfo -root -tree >&2
  return 1
}

"$program" &
first=$!
wait_for 1

start=$(date +%s)
timeout 10 "$program"
[ $(($(date +%s) - start)) -le 5 ] || { echo "the second start did not end at once" >&2; exit 1; }
sleep 1
wait_for 1
kill -0 "$first" || { echo "the first instance ended" >&2; exit 1; }
echo "one window of 682x663; the second start ended"
