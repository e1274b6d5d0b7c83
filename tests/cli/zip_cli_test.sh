#!/bin/sh
# Runs `ruvo-slip zip` and the postal-code check of `ruvo-slip transfer` on a
# small dictionary written here: codes as arguments and on stdin, --help,
# the import of Japan Post's files; then `ruvo-slip zip` on Debian's
# dictionary when skkdic-extra is installed, compiled once into a cache
# folder of its own.
# Usage: zip_cli_test.sh PATH_TO_RUVO_SLIP
set -u
slip=$1
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1  # no settings file here, so no "ZipDict" setting
unset RUVO_ZIP_DICT
export XDG_CACHE_HOME="$work/cache"

dict=$work/SKK-JISYO.zipcode
printf ';; test dictionary\n1050011 /東京都港区芝公園/\n1050014 /東京都港区芝/\n1080023 /東京都港区芝浦/\n6495301 /和歌山県東牟婁郡那智勝浦町那智山/\n' |
  iconv -f UTF-8 -t EUC-JISX0213 >"$dict"

# check NAME EXPECTED_OUTPUT EXPECTED_STATUS COMMAND...
check() {
  name=$1
  expected=$2
  status=$3
  shift 3
  actual=$("$@" 2>/dev/null)
  rc=$?
  if [ "$actual" != "$expected" ] || [ "$rc" -ne "$status" ]; then
    printf 'FAIL %s\n  expected (%s): %s\n  actual   (%s): %s\n' "$name" "$status" "$expected" \
      "$rc" "$actual"
    failures=$((failures + 1))
  fi
}

check "known code" '{"zip":"1050011", "addresses":["東京都港区芝公園"]}' 0 \
  "$slip" zip 1050011 --dict "$dict"
check "full-width code, address without prefecture" \
  '{"zip":"1050011", "addresses":["東京都港区芝公園"], "verdict":"match"}' 0 \
  "$slip" zip １０５－００１１ --address '港区 芝公園４－２' --dict "$dict"
check "mismatch: 芝浦 is no part of 芝" '{"zip":"1050014", "addresses":["東京都港区芝"], "verdict":"mismatch"}' 0 \
  "$slip" zip 105-0014 --address=東京都港区芝浦1 --dict="$dict"
check "unknown verdict" '{"zip":"9999999", "addresses":[], "verdict":"unknown"}' 0 \
  "$slip" zip 9999999 --address 東京都港区芝公園 --dict "$dict"
check "dictionary from the environment" '{"zip":"1050011", "addresses":["東京都港区芝公園"]}' 0 \
  env RUVO_ZIP_DICT="$dict" "$slip" zip 1050011
check "no postal code" '' 2 "$slip" zip 105001 --dict "$dict"
check "named dictionary missing" '' 1 "$slip" zip 1050011 --dict "$work/missing"
check "default dictionary missing: empty answer" '{"zip":"1050011", "addresses":[]}' 0 \
  env RUVO_ZIP_DICT="$work/missing" "$slip" zip 1050011

check "codes as arguments, one answer each" \
  '{"zip":"1050011", "addresses":["東京都港区芝公園"]}
{"zip":"1050014", "addresses":["東京都港区芝"]}' 0 "$slip" zip 1050011 105-0014 --dict "$dict"
check "codes and addresses on stdin" \
  '{"zip":"1050011", "addresses":["東京都港区芝公園"]}
{"zip":"1050014", "addresses":["東京都港区芝"], "verdict":"mismatch"}
{"zip":"1050011", "addresses":["東京都港区芝公園"], "verdict":"match"}' 0 \
  sh -c "printf '1050011\n105-0014\t東京都港区芝浦1\r\n１０５－００１１　港区芝公園4-2\n' | '$slip' zip --dict '$dict'"
check "a line without code" \
  '{"zip":"105-001", "addresses":[], "error":"no postal code"}
{"zip":"1080023", "addresses":["東京都港区芝浦"]}' 1 \
  sh -c "printf '105-001 港区\n1080023\n' | '$slip' zip --dict '$dict'"
check "--address with two codes" '' 2 "$slip" zip 1050011 1050014 --address 港区芝 --dict "$dict"
check "help" 'usage: ruvo-slip [--cp932] zip [CODE...] [--address TEXT] [--dict PATH] [--dir DIR] [--import FILE] [--forget-import]' 0 \
  sh -c "'$slip' zip --help | head -1"
check "help of another command" 'usage: ruvo-slip [--cp932] halfwidth ' 0 \
  sh -c "'$slip' halfwidth -h | head -1"

# Japan Post's areas file: Minato's codes of today, 芝公園 and a new one.
mkdir -p "$work/shop"
printf '[rv_RezovodPrn]\r\nZipDict=../SKK-JISYO.zipcode\r\n' >"$work/shop/ruvo_Rezovod.ini"
printf '%s\r\n' \
  '13103,"105  ","1050011","ﾄｳｷｮｳﾄ","ﾐﾅﾄｸ","ｼﾊﾞｺｳｴﾝ","東京都","港区","芝公園",0,0,1,0,0,0' \
  '13103,"105  ","1050022","ﾄｳｷｮｳﾄ","ﾐﾅﾄｸ","ｶｲｶﾞﾝ(1ﾁｮｳﾒ)","東京都","港区","海岸（１丁目）",1,0,1,0,0,0' |
  iconv -f UTF-8 -t CP932 >"$work/KEN_ALL.CSV"
check "import" \
  "{\"imported\":\"KEN_ALL.CSV\", \"kind\":\"areas\", \"entries\":2, \"prefectures\":1, \"index\":\"$work/shop/ruvo_postal.db\"}
{\"zip\":\"1050022\", \"addresses\":[\"東京都港区海岸\"]}" 0 \
  env RUVO_ZIP_DICT="$dict" "$slip" zip 1050022 --dir "$work/shop" --import "$work/KEN_ALL.CSV"
check "the imported index comes before the folder's dictionary" \
  '{"zip":"1050022", "addresses":["東京都港区海岸"], "verdict":"match"}' 0 \
  "$slip" zip 1050022 --address 港区海岸1-2 --dir "$work/shop"
check "a file that is none of Japan Post's: the data before stays" \
  '{"imported":"SKK-JISYO.zipcode", "error":"SKK-JISYO.zipcode: 日本郵便の郵便番号データ（KEN_ALL.CSV または JIGYOSYO.CSV）ではありません。"}
{"zip":"1050022", "addresses":["東京都港区海岸"]}' 1 \
  sh -c "'$slip' zip --dir '$work/shop' --import '$dict'; rc=\$?; '$slip' zip 1050022 --dir '$work/shop'; exit \$rc"
mkdir -p "$work/locked/ruvo_postal.db"  # a folder where the database would be
check "a database that cannot be written" \
  "{\"imported\":\"KEN_ALL.CSV\", \"error\":\"$work/locked/ruvo_postal.db: 郵便番号データのファイルを開けないか、書き込みが許されていません。\"}" 1 \
  "$slip" zip --dir "$work/locked" --import "$work/KEN_ALL.CSV"
check "forgetting the import reads the dictionary again" \
  '{"forgotten":["KEN_ALL.CSV"], "database":"'"$work/shop/ruvo_postal.db"'"}
{"zip":"1050022", "addresses":[]}' 0 \
  sh -c "'$slip' zip --forget-import --dir '$work/shop' && '$slip' zip 1050022 --dir '$work/shop'"

transfer() {
  printf '%b' "$1" | "$slip" transfer --dict "$2" | sed 's/.*"zip_check"://'
}
check "transfer: code and address agree" \
  '{"verdict":"match", "addresses":["東京都港区芝公園"]}}' 0 \
  transfer '〒105-0011\n東京都港区芝公園1-2-3\n山田太郎\n' "$dict"
check "transfer: they disagree" '{"verdict":"mismatch", "addresses":["東京都港区芝"]}}' 0 \
  transfer '〒105-0014\n東京都港区芝浦1-2-3\n山田太郎\n' "$dict"
# Too long for line 1 and without a building, the address breaks after 町:
# the code leads to the address as a whole.
check "transfer: the address broken inside its place name" \
  '{"verdict":"match", "addresses":["和歌山県東牟婁郡那智勝浦町那智山"]}}' 0 \
  transfer '〒649-5301\n和歌山県東牟婁郡那智勝浦町那智山1234番地の5\n山田太郎\n' "$dict"
check "transfer: no code reads no dictionary" '{"verdict":"unknown", "addresses":[]}}' 0 \
  transfer '東京都港区芝公園1-2-3\n山田太郎\n' "$work/missing"

if [ -r /usr/share/skk/SKK-JISYO.zipcode ]; then
  check "Debian's dictionary" '{"zip":"1050011", "addresses":["東京都港区芝公園"]}' 0 \
    "$slip" zip 1050011
  check "compiled once into the cache folder" '1' 0 sh -c "ls '$XDG_CACHE_HOME/ruvo' | grep -c '^zipcode-'"
  check "Debian's dictionary from its compiled index" \
    '{"zip":"1006012", "addresses":["東京都千代田区霞が関霞が関ビル１２階"], "verdict":"match"}' 0 \
    "$slip" zip 100-6012 --address '千代田区霞が関3-2-5 霞が関ビル12F'
else
  echo "skkdic-extra is not installed: Debian's dictionary not tried"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures case(s) failed"
  exit 1
fi
echo "all zip cases passed"
