#!/bin/sh
# Starts ruvo_Rezovod on private X servers in empty working folders: its
# window appears with a 682 x 663 client area; a second start on the same
# display ends at once without making a second window; a start on another
# display (another login session) opens its own window there.
#   program_x11_test.sh PROGRAM
# The display it runs on is the caller's (xvfb-run); the second one it starts
# itself. It keeps its instances' sockets in temporary and runtime folders of
# its own, and first starts another instance as the user's own program would
# run beside it, with folders of that one's own, which must not stop it.
set -eu
# The tests run offscreen; this one wants the X servers.
unset QT_QPA_PLATFORM
program=$(realpath "$1")
work=$(mktemp -d)
pids=
cleanup() {
  for pid in $pids; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/tmp" "$work/run" "$work/user-tmp" "$work/user-run"
mkdir "$work/folder" "$work/folder2" "$work/user-folder"
# The postal-code dictionary is compiled into the cache folder: this one.
export XDG_CACHE_HOME="$work/cache"

# Windows of the program's class with the main window's size on display $1;
# the error box of a machine without printers shares the class but not the
# size.
main_windows() {
  xwininfo -display "$1" -root -tree | grep '"ruvo_Rezovod" "ruvo_Rezovod")' |
    grep -c ' 682x663+' || true
}

wait_for() { # wait_for DISPLAY COUNT PID: until that many main windows exist (20 s)
  for _ in $(seq 1 200); do
    [ "$(main_windows "$1")" -eq "$2" ] && return 0
    if ! kill -0 "$3" 2>/dev/null; then
      status=0
      wait "$3" || status=$?
      echo "the program ended with status $status before its window showed on $1" >&2
      return 1
    fi
    sleep 0.1
  done
  echo "expected $2 main window(s) on $1, found $(main_windows "$1")" >&2
  xwininfo -display "$1" -root -tree >&2
  return 1
}

# start DISPLAY FOLDER TMP RUNTIME: the program in the background
start() {
  (cd "$2" && DISPLAY=$1 TMPDIR=$3 XDG_RUNTIME_DIR=$4 exec "$program") &
  last=$!
  pids="$pids $last"
}

here=$DISPLAY
start "$here" "$work/user-folder" "$work/user-tmp" "$work/user-run"
wait_for "$here" 1 "$last"
start "$here" "$work/folder" "$work/tmp" "$work/run"
first=$last
wait_for "$here" 2 "$first"

begun=$(date +%s)
(cd "$work/folder" && TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/run timeout 10 "$program")
[ $(($(date +%s) - begun)) -le 5 ] || { echo "the second start did not end at once" >&2; exit 1; }
sleep 1
wait_for "$here" 2 "$first"

# Another login session's display: a window of its own there.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp >/dev/null 2>&1 &
pids="$pids $!"
exec 3>&-
for _ in $(seq 1 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
other=:$(cat "$work/display")
start "$other" "$work/folder2" "$work/tmp" "$work/run"
wait_for "$other" 1 "$last"
wait_for "$here" 2 "$first"
kill -0 "$first" || { echo "the first instance ended" >&2; exit 1; }
echo "one window of 682x663 on each display; the second start on one display ended"
