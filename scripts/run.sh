#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and starts it in the
# user's working folder, where it keeps its settings and sender files:
# ~/ruvo, or the folder RUVO_WORKDIR names (created when missing).
#
# A machine without any print queue gets the virtual PDF printer (cups-pdf,
# output in ~/PDF) as its default, so the first F11 gives a slip to look at;
# a machine that has a queue is left as it is. Without a display the slip of
# the working folder is rendered to a PDF instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
# Only the two programs: the tests and benchmarks are the test command's.
cmake --build --preset release --target ruvo_Rezovod ruvo-slip
bin=$PWD/build/release/src

workdir=${RUVO_WORKDIR:-$HOME/ruvo}
mkdir -p "$workdir"
echo "run: working folder $workdir (set RUVO_WORKDIR for another)"

# The print service: started when it is not running (systemd, the init
# script, or cupsd on its own where neither is there).
start_cups() {
  lpstat -r >/dev/null 2>&1 && return 0
  if [ -d /run/systemd/system ]; then
    systemctl start cups || true
  else
    service cups start >/dev/null 2>&1 || /usr/sbin/cupsd || true
  fi
  for _ in $(seq 1 50); do
    lpstat -r >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  echo "run: the print service (cupsd) does not start; printing will fail" >&2
}

# A scheduler that has just started may refuse a moment longer.
add_pdf_printer() {
  lpstat -r >/dev/null 2>&1 || return 0
  lpstat -v 2>/dev/null | grep -q . && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "run: there is no printer; run as root to add the virtual PDF printer" >&2
    return 0
  fi
  for _ in $(seq 1 10); do
    if lpadmin -p PDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null &&
      lpadmin -d PDF 2>/dev/null; then
      echo "run: there was no printer; added the virtual printer PDF as the default (slips land in ~/PDF)"
      return 0
    fi
    sleep 1
  done
  echo "run: could not add the virtual PDF printer" >&2
}

start_cups
add_pdf_printer

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  pdf=$workdir/slip.pdf
  echo "run: no display (neither DISPLAY nor WAYLAND_DISPLAY); rendering the slip to $pdf instead"
  exec "$bin/cli/ruvo-slip" render --dir "$workdir" --dpi 360 --pdf "$pdf"
fi
cd "$workdir"
exec "$bin/app/ruvo_Rezovod"
