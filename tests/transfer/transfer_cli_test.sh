#!/bin/sh
# Runs `ruvo-slip transfer` on typical pastes and compares its JSON output.
# Usage: transfer_cli_test.sh PATH_TO_RUVO_SLIP
set -u
slip=$1
failures=0
# The postal-code dictionary is compiled into a cache folder of the test's own.
XDG_CACHE_HOME=$(mktemp -d)
export XDG_CACHE_HOME
trap 'rm -rf "$XDG_CACHE_HOME"' EXIT

# check NAME INPUT EXPECTED_JSON; the postal-code check at the end of the
# output is left to tests/cli/zip_cli_test.sh.
check() {
  actual=$(printf '%b' "$2" | "$slip" transfer 2>/dev/null | sed 's/, "zip_check":{[^}]*}}$/}/')
  if [ "$actual" != "$3" ]; then
    printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$3" "$actual"
    failures=$((failures + 1))
  fi
}

check "four labelled lines" \
  '〒105-0011\n東京都港区芝公園1-2-3\n山田太郎 様\nTEL 03-1234-5678\n' \
  '{"zip":"105-0011", "add1":"東京都港区芝公園1-2-3", "add2":"", "name":"山田太郎", "tel":"03-1234-5678", "memo":["105-0011", "東京都港区芝公園1-2-3", "山田太郎", "03-1234-5678", "", "", ""], "message":null, "section":null}'

check "postal code and address on one line, CRLF" \
  '〒105-0011 東京都港区芝公園1-2-3\r\n山田太郎\r\n' \
  '{"zip":"105-0011", "add1":"東京都港区芝公園1-2-3", "add2":"", "name":"山田太郎", "tel":"", "memo":["105-0011", "山田太郎", " 東京都港区芝公園1-2-3", "", "", "", ""], "message":null, "section":null}'

check "prefecture line, CR" \
  '東京都\r港区芝公園1-2-3\r山田\r' \
  '{"zip":"", "add1":"東京都港区芝公園1-2-3", "add2":"", "name":"山田", "tel":"", "memo":["東京都", "港区芝公園1-2-3", "山田", "", "", "", ""], "message":null, "section":null}'

# A bracket makes no plain block: the remark is no part of the number.
check "telephone with a remark" \
  '山田\n03-1234-5678 (携帯)\n' \
  '{"zip":"", "add1":"", "add2":"", "name":"山田", "tel":"03-1234-5678", "memo":["山田", "03-1234-5678", "", "", "", "", ""], "message":null, "section":null}'

check "full-width telephone and mail line" \
  'taro@example.co.jp 03-1111-2222\n山田\n０３－１２３４－５６７８\n' \
  '{"zip":"", "add1":"", "add2":"", "name":"山田", "tel":"03-1234-5678", "memo":["山田", "０３－１２３４－５６７８", "", "", "", "", ""], "message":null, "section":null}'

check "the recipient's section of a gift mail" \
  '■ご注文者情報\n　お名前　：山田 太郎　様\n　郵便番号：〒105-0011\n\n◎お届け先\n\n　お名前　：佐藤 恵　様\n　郵便番号：〒4443505\n　住所　　：愛知県岡崎市本宿町字大木戸1-2ハイツ岡崎101号室\n　電話番号：0564-48-1234\n　FAX番号 ：\n' \
  '{"zip":"444-3505", "add1":"愛知県岡崎市本宿町字大木戸1-2", "add2":"ハイツ岡崎101号室", "name":"佐藤 恵", "tel":"0564-48-1234", "memo":["佐藤 恵", "444-3505", "愛知県岡崎市本宿町字大木戸1-2ハイツ岡崎101号室", "0564-48-1234", "", "", ""], "message":null, "section":"お届け先"}'

check "nothing usable" \
  '\n  \n\t\n' \
  '{"zip":"", "add1":"", "add2":"", "name":"", "tel":"", "memo":[], "message":"転送テキストがありません", "section":null}'

if [ "$failures" -ne 0 ]; then
  echo "$failures case(s) failed"
  exit 1
fi
echo "all transfer cases passed"
