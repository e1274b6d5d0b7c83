#!/usr/bin/env bash
# Builds the Debian package and tries it as a shop's computer gets it:
# lintian finds no error in it, its menu entry is valid, `apt-get install`
# brings what it needs, the installed ruvo-slip takes a pasted address block
# apart and renders a slip to PDF with the installed fonts, the manual pages
# render without a warning, and the menu entry starts the window in ~/ruvo.
# Then the package is purged together with every package its installation
# brought, so the machine is left as it was. Needs root; run
# scripts/install-deps.sh first.
set -euo pipefail
cd "$(dirname "$0")/.."

if dpkg-query -s ruvo >/dev/null 2>&1; then
  echo "package: ruvo is installed on this machine already; the check would replace it" \
    "(remove it with apt-get purge ruvo)" >&2
  exit 1
fi

bash scripts/package.sh
deb=$(ls build/release/ruvo_*.deb)
# Errors fail the check; warnings and notes are shown for the log.
lintian --fail-on error --display-info --pedantic "$deb" 2>&1 |
  { grep -v '^running with root privileges' || true; }
desktop-file-validate build/release/packaging/ruvo.desktop

work=$(mktemp -d)
# Every package dpkg holds in any state but "not installed" (a package whose
# installation failed halfway counts, so that it is purged as well).
installed() {
  dpkg-query -W -f='${db:Status-Status} ${Package}:${Architecture}\n' |
    awk '$1 != "not-installed" { print $2 }' | sort
}
installed >"$work/before"
# The packages that were not there before: ruvo and what it pulled in.
purge_what_came() {
  installed >"$work/after"
  mapfile -t came < <(comm -13 "$work/before" "$work/after")
  if [ ${#came[@]} -gt 0 ]; then
    apt-get -q -o DPkg::Lock::Timeout=600 purge -y "${came[@]}" >/dev/null
    echo "package: purged ${came[*]}"
  fi
  rm -rf "$work"
}
trap purge_what_came EXIT
export DEBIAN_FRONTEND=noninteractive
apt-get -q -o DPkg::Lock::Timeout=600 install -y "./$deb" >/dev/null

fail() {
  echo "package: $*" >&2
  exit 1
}

# The installed programs run as for a user who has never used ruvo. TMPDIR
# keeps the window's single-instance socket apart from any other
# ruvo_Rezovod running on this machine.
export HOME=$work/home TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$TMPDIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# A pasted address block, taken apart by the installed tool.
fields=$(printf '〒105-0011\n東京都港区芝公園4-2-8\n山田 太郎 様\nTEL 03-1234-5678\n' |
  /usr/bin/ruvo-slip transfer)
for expected in '"zip":"105-0011"' '"add1":"東京都港区芝公園4-2-8"' '"name":"山田 太郎"' \
  '"tel":"03-1234-5678"'; do
  [[ $fields == *"$expected"* ]] || fail "ruvo-slip transfer gave $fields, without $expected"
done

# A working folder as the window leaves it (Shift-JIS, CRLF), rendered to PDF.
slipdir=$work/slip
mkdir "$slipdir"
printf '[rv_RezovodPrn]\r\nE_ZIP=105-0011\r\nE_AD1=東京都港区芝公園4-2-8\r\nE_CUS=山田 太郎\r\nE_TEL=03-1234-5678\r\nE_G1=ぶどう\r\nKOSUU=2\r\n' |
  iconv -f UTF-8 -t CP932 >"$slipdir/ruvo_Rezovod.ini"
printf '100-0001\r\n東京都千代田区千代田1-1\r\n\r\nるぼ商店\r\n03-0000-0000\r\n' |
  iconv -f UTF-8 -t CP932 >"$slipdir/my0.txt"
/usr/bin/ruvo-slip render --dir "$slipdir" --dpi 360 --pdf "$work/slip.pdf"
text=$(pdftotext "$work/slip.pdf" -)
for expected in 山田 東京都港区芝公園4-2-8 ぶどう るぼ商店; do
  [[ $text == *"$expected"* ]] || fail "the rendered slip lacks $expected"
done
pdffonts "$work/slip.pdf" | grep -q IPA || fail "the rendered slip holds no IPA font"

# The manual pages as `man` finds them, rendered without a warning.
for page in ruvo-slip ruvo_Rezovod; do
  file=$(man -w "$page")
  [ "$file" = "/usr/share/man/man1/$page.1.gz" ] || fail "man finds $page at '$file'"
  warnings=$(MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page warns: $warnings"
done

# The menu entry's command on a display: the window must come up, and stay
# up, in the new working folder ~/ruvo.
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/ruvo.desktop)
# shellcheck disable=SC2016  # expanded by the inner shell
started=$(xvfb-run -a -s -noreset bash -c '
  "$0" &
  pid=$!
  for _ in $(seq 1 100); do
    [ "$(readlink "/proc/$pid/exe")" = /usr/bin/ruvo_Rezovod ] && break
    sleep 0.1
  done
  sleep 2  # still running after start-up
  readlink "/proc/$pid/cwd" || echo "(ended)"
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  true' "$exec_line" 2>/dev/null)
[ "$started" = "$HOME/ruvo" ] || fail "the menu entry's window runs in '$started', not in $HOME/ruvo"
echo "package: the installed programs work"
