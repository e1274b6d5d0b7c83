#!/bin/sh
# Checks the manual page of ruvo-slip against the tool as built: every command
# and option that `ruvo-slip --help` lists and every JSON key the commands
# write is named in the page, every command the page describes exists, and
# the built page renders without a warning from man.
# Usage: ruvo_slip_man_test.sh PATH_TO_RUVO_SLIP PAGE_SOURCE BUILT_PAGE
set -u
slip=$1
source=$2
page=$3
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  printf 'FAIL %s\n' "$*"
  failures=$((failures + 1))
}

# NAME must stand in the page as a bold term: *NAME*.
expect_term() {
  grep -qF -- "*$1*" "$source" || fail "the page does not name $2 $1"
}

"$slip" --help >"$work/help"
commands=$(sed -n 's/^  \([a-z][a-z0-9-]*\).*/\1/p' "$work/help")
[ -n "$commands" ] || fail "no command in ruvo-slip --help"
for command in $commands; do
  grep -q "^\*$command\*" "$source" || fail "the page does not describe the command $command"
done
grep -o -- '--[a-z0-9-]*' "$work/help" | sort -u >"$work/options"
while read -r option; do
  expect_term "$option" option
done <"$work/options"

# A command the page describes (a bold term at the start of a line, its text
# indented below it, in the two command sections) that the tool lacks.
documented=$(awk '
  /^# / { inside = ($0 ~ /COMMANDS$/) }
  /^## / { inside = 0 }
  inside && previous ~ /^\*[a-z]+\*/ && /^\t/ {
    sub(/^\*/, "", previous); sub(/\*.*/, "", previous); print previous
  }
  { previous = $0 }' "$source")
for command in $documented; do
  printf '%s\n' "$commands" | grep -qx "$command" || fail "the page describes $command, which ruvo-slip lacks"
done

# The JSON keys of every command that needs no printer, each in a case that
# writes all of its keys. `print` needs a print queue; its keys go unchecked.
cd "$work" || exit 1 # no settings file here, so no dictionary setting
unset RUVO_ZIP_DICT
export XDG_CACHE_HOME="$work/cache"
printf '1050011 /東京都港区芝公園/\n' | iconv -f UTF-8 -t EUC-JISX0213 >dict
printf '〒105-0011\n東京都港区芝公園4-2-8\n山田太郎\n03-1234-5678\n' |
  "$slip" transfer --dict dict >json || fail "transfer failed"
printf '105-0011\n' | "$slip" classify >>json || fail "classify failed"
"$slip" zip 1050011 --address 東京都港区芝公園 --dict dict >>json || fail "zip failed"
printf '1050011\nno code\n' | "$slip" zip --dict dict >>json
[ $? -eq 1 ] || fail "zip did not report the line without a code"
printf '13103,"105  ","1050011","ﾄｳｷｮｳﾄ","ﾐﾅﾄｸ","ｼﾊﾞｺｳｴﾝ","東京都","港区","芝公園",0,0,1,0,0,0\r\n' |
  iconv -f UTF-8 -t CP932 >KEN_ALL.CSV
"$slip" zip --dict dict --import KEN_ALL.CSV >>json || fail "zip --import failed"
"$slip" drawlist --dir . --dpi 360 >>json 2>/dev/null || fail "drawlist failed"
"$slip" render --dir . --dpi 360 --pdf slip.pdf >>json 2>/dev/null || fail "render failed"
"$slip" calibrate --dir . --dpi 360 --pdf sheet.pdf >>json 2>/dev/null || fail "calibrate failed"
# A name wider than its box, so that the overflow's keys are written.
printf '[rv_RezovodPrn]\r\nE_CUS=%s\r\n' 山田太郎山田太郎山田太郎山田太郎山田太郎 |
  iconv -f UTF-8 -t CP932 >ruvo_Rezovod.ini
"$slip" drawlist --dir . --dpi 360 >>json 2>/dev/null || fail "drawlist with a long name failed"
rm ruvo_Rezovod.ini
# One good row and one with a problem, so that the report has every key.
printf '郵便番号,住所1,氏名,個数\n1050011,東京都港区芝公園4-2-8,山田太郎,1\n1050011,東京都港区芝公園4-2-8,,0\n' >orders.csv
"$slip" batch orders.csv --dir . --dict dict --dry-run >>json 2>/dev/null
[ $? -eq 1 ] || fail "batch --dry-run did not report the bad row"
# The journal's and the book's keys, on the journal the book starts (the
# slips' own keys need a printed slip: cmd_journal_test checks them).
"$slip" book add --dir . --name 山田太郎 --zip 1050011 >>json || fail "book add failed"
"$slip" book list --dir . >>json || fail "book list failed"
printf '氏名,郵便番号\n佐藤花子,5300001\n,1\n' >book.csv
"$slip" book import book.csv --dir . >>json 2>/dev/null
[ $? -eq 1 ] || fail "book import did not report the row without a name"
"$slip" book export book2.csv --dir . >>json || fail "book export failed"
"$slip" book delete 1 --dir . >>json || fail "book delete failed"
"$slip" journal number --dir . --set 123456789013 >>json || fail "journal number failed"
"$slip" journal duplicates --dir . --hours 48 >>json || fail "journal duplicates failed"
"$slip" journal list --dir . >>json || fail "journal list failed"
"$slip" journal export slips.json --dir . >>json || fail "journal export failed"
"$slip" journal backup copy.db --dir . >>json || fail "journal backup failed"
keys=$(grep -o '"[A-Za-z_][A-Za-z0-9_]*" *:' json | tr -d '": ' | sort -u)
[ "$(printf '%s\n' "$keys" | wc -l)" -ge 20 ] || fail "too few JSON keys found: $keys"
for key in $keys; do
  expect_term "$key" "JSON key"
done

warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man warns: $warnings"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "the manual page covers $(echo "$commands" | wc -w) commands and $(echo "$keys" | wc -w) JSON keys"
