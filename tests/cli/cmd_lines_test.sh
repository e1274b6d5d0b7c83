#!/bin/sh
# ruvo-slip's per-line commands answer each line before the next one comes,
# as a script that keeps one running needs, and input beyond the limits ends
# with exit status 1 and a message instead of filling the memory.
# Usage: cmd_lines_test.sh PATH_TO_RUVO_SLIP
set -u
slip=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# converse COMMAND LINE ANSWER: sends LINE, waits up to ten seconds for its
# answer, sends it again.
converse() {
  mkfifo "$dir/in"
  : >"$dir/out"
  "$slip" "$1" <"$dir/in" >"$dir/out" &
  exec 3>"$dir/in"
  for round in 1 2; do
    printf "$2" >&3
    tries=0
    while [ "$(wc -l <"$dir/out")" -lt "$round" ] && [ "$tries" -lt 100 ]; do
      sleep 0.1
      tries=$((tries + 1))
    done
  done
  exec 3>&-
  wait
  [ "$(cat "$dir/out")" = "$(printf '%s\n%s' "$3" "$3")" ] || fail "$1 answers line by line"
  rm "$dir/in"
}
converse halfwidth '\357\274\241\357\274\242\n' AB # ＡＢ
converse numtext '007\r' 7                         # a line ended by CR alone

# 65 MiB without a line break (a sparse file); the answer before it stands.
printf '1\n' >"$dir/big"
truncate -s 65M "$dir/big"
"$slip" halfwidth <"$dir/big" >"$dir/out" 2>"$dir/err"
[ $? -eq 1 ] && [ "$(cat "$dir/out" "$dir/err")" = "1
ruvo-slip halfwidth: input line 2 is longer than 1048576 bytes" ] || fail "halfwidth line limit"
"$slip" transfer <"$dir/big" >/dev/null 2>"$dir/err"
[ $? -eq 1 ] && [ "$(cat "$dir/err")" = "ruvo-slip transfer: input line 2 is longer than 67108864 bytes" ] ||
  fail "transfer line limit"

[ "$failures" -eq 0 ] || { echo "$failures case(s) failed"; exit 1; }
