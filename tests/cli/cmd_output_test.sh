#!/bin/sh
# ruvo-slip never reports success for output it did not write: every
# command, with standard output on a full device (/dev/full) and closed,
# exits with status 1 and says why; JSON is whole or absent. A PDF named
# as a stream goes into the stream around it; the transfer reads a 64 MiB
# input in bounded memory. (print needs a queue: its case is in the CUPS
# tests.)
# Usage: cmd_output_test.sh PATH_TO_RUVO_SLIP
set -u
slip=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1 # a PDF named "-" by a tool that takes it for a file lands here
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# A working folder with a slip, a dictionary, an order file.
sjis() { iconv -f UTF-8 -t CP932 | sed 's/$/\r/'; }
printf '[rv_RezovodPrn]\nE_CUS=山田太郎\nE_ZIP=105-0011\n' | sjis >"$dir/ruvo_Rezovod.ini"
printf '150-0002\n東京都渋谷区渋谷\n\nルヴォ\n03-1234-5678\n' | sjis >"$dir/my0.txt"
printf '1050011 /東京都港区芝公園/\n' | iconv -f UTF-8 -t EUC-JISX0213 >"$dir/dict"
printf '郵便番号,住所1,氏名\n105-0011,東京都港区芝公園4-2-8,山田太郎\n' >"$dir/orders.csv"
memo='〒105-0011\n東京都港区芝公園4-2-8\n山田太郎\n'

# run INPUT ARGS...: the command with INPUT on stdin, stdout as the
# caller redirects it, stderr into $dir/err.
run() {
  input=$1
  shift
  printf "$input" | "$slip" "$@" 2>"$dir/err"
}

# expect_refused STATUS WHAT REASON: the run exited 1 naming the stream and REASON.
expect_refused() {
  [ "$1" -eq 1 ] || fail "$2: exit status $1"
  grep -q "standard output cannot be written: $3" "$dir/err" || fail "$2: message '$(cat "$dir/err")'"
}

while IFS='|' read -r name input args; do
  # shellcheck disable=SC2086 # ARGS are words
  run "$input" $args >/dev/full
  expect_refused $? "$name on /dev/full" "No space left on device"
  # shellcheck disable=SC2086
  run "$input" $args >&-
  expect_refused $? "$name with stdout closed" "Bad file descriptor"
done <<EOF_CASES
help||--help
halfwidth|ＡＢ\n|halfwidth
numtext|007\n|numtext
classify|105-0011\n|classify
transfer|$memo|transfer --dict $dir/dict
zip||zip 1050011 --dict $dir/dict
drawlist||drawlist --dir $dir --dpi 360
render report||render --dir $dir --dpi 360 --pdf $dir/slip.pdf
batch report||batch $dir/orders.csv --dir $dir --dict $dir/dict --dry-run
journal list||journal list --dir $dir
journal help||journal list --help
journal export||journal export --dir $dir --csv
book list||book list --dir $dir
book export||book export --dir $dir
EOF_CASES

# A long input into a full device ends at the first output that fails.
yes ＡＢ | head -n 5000000 | "$slip" halfwidth >/dev/full 2>"$dir/err"
expect_refused $? "halfwidth of a long input" "No space left on device"

# A dictionary that cannot be read stops the transfer before any of its JSON.
run "$memo" transfer --dict "$dir/none" >"$dir/out"
[ $? -eq 1 ] && [ ! -s "$dir/out" ] || fail "transfer wrote part of its JSON: $(cat "$dir/out")"

# The PDF goes into the stream where it stands: what came before and after
# stays, a log opened for appending keeps its lines, the report is left out.
for name in /dev/stdout - /dev/fd/1; do
  printf 'before\n' >"$dir/log"
  {
    echo header
    "$slip" render --dir "$dir" --dpi 360 --pdf "$name" 2>"$dir/err"
    echo trailer
  } >>"$dir/log"
  head -c 20 "$dir/log" | grep -q '^before$' && sed -n 2p "$dir/log" | grep -q '^header$' &&
    sed -n 3p "$dir/log" | grep -q '^%PDF-' && tail -n 2 "$dir/log" | grep -q '^%%EOF$' &&
    tail -n 1 "$dir/log" | grep -q '^trailer$' || fail "render --pdf $name into a redirected stream"
  grep -q '"pdf"' "$dir/log" && fail "render --pdf $name: the report ran into the PDF"
done
"$slip" batch "$dir/orders.csv" --dir "$dir" --dict "$dir/dict" --dpi 360 --pdf - >"$dir/out" 2>"$dir/err"
head -c 5 "$dir/out" | grep -q '%PDF-' && ! grep -q '"rows"' "$dir/out" ||
  fail "batch --pdf - into standard output: $(cat "$dir/err")"
# Another descriptor: the PDF there, the report on standard output.
"$slip" render --dir "$dir" --dpi 360 --pdf /dev/fd/3 3>"$dir/fd3.pdf" >"$dir/out" 2>"$dir/err"
head -c 5 "$dir/fd3.pdf" | grep -q '%PDF-' && grep -q '"pdf": "/dev/fd/3"' "$dir/out" ||
  fail "render --pdf /dev/fd/3: $(cat "$dir/err")"
"$slip" render --dir "$dir" --dpi 360 --pdf /dev/fd/7 >/dev/null 2>"$dir/err"
[ $? -eq 1 ] && grep -q "/dev/fd/7 に書き込めません: Bad file descriptor" "$dir/err" ||
  fail "render --pdf to a descriptor that is not open: $(cat "$dir/err")"

# 64 MiB of CR (64 Mi empty lines): the transfer reads the lines it uses
# and no more. The limit leaves room for the program and its libraries,
# far less than the input; AddressSanitizer reserves terabytes of address
# space, so under it the command runs without the limit.
limit='ulimit -v 196608;'
ldd "$slip" | grep -q libasan && limit=''
head -c 64M /dev/zero | tr '\0' '\r' | sh -c "$limit exec \"\$0\" transfer" "$slip" >"$dir/out" 2>"$dir/err"
grep -q '"message":"転送テキストがありません"' "$dir/out" ||
  fail "transfer of 64 MiB of CR: $(cat "$dir/err")"

[ "$failures" -eq 0 ] || { echo "$failures case(s) failed"; exit 1; }
echo "all output cases passed"
