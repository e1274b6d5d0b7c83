#!/usr/bin/env bash
# A private CUPS server for the printing tests, with its own configuration,
# spool and log folders and a local socket, so that it neither needs nor
# touches the machine's own cupsd (which the package install does not start).
#
#   scripts/cups-test-server.sh start DIR   start cupsd in DIR and add the queues
#   scripts/cups-test-server.sh stop DIR    stop it and remove the queues' traces
#   scripts/cups-test-server.sh env DIR     print the variables a client needs
#   scripts/cups-test-server.sh pause DIR   stop cupsd but keep its queues, as a
#                                           restarting print service looks
#   scripts/cups-test-server.sh resume DIR  start cupsd again on the kept queues
#
# DIR defaults to $RUVO_CUPS_DIR, else /tmp/ruvo-cups-test. Clients reach the
# server with CUPS_SERVER=DIR/cups.sock (libcups and Qt both honour it). DIR
# must lie where user lp can reach it, as under /tmp: cupsd runs its filters as
# lp, and they read the jobs from DIR/spool and the queues' PPDs from DIR/etc.
# A folder in a checkout is no place for it, since a checkout may lie in a
# folder only its owner can enter. start fails at once, saying why, when the
# server cannot print a test page; stop removes DIR.
#
# Queues (all accept jobs after start unless said otherwise):
#   ruvo_pass360  passes the PDF through unchanged, DefaultResolution 360dpi;
#                 every job overwrites DIR/out/ruvo_pass360.pdf (text readable
#                 with pdftotext). The server's default printer.
#   ruvo_pass600  the same at 600dpi; output DIR/out/ruvo_pass600.pdf
#   ruvo_pass300  the same at 300dpi; output DIR/out/ruvo_pass300.pdf
#   ruvo_pass360x180  the same at 360x180dpi (fewer dots down than across, as
#                 on dot-matrix printers); output DIR/out/ruvo_pass360x180.pdf
#   ruvo_pass180x360  the same at 180x360dpi (fewer dots across than down);
#                 output DIR/out/ruvo_pass180x360.pdf
#   ruvo_margin360  like ruvo_pass360, but on A4 the printer cannot print the
#                 outer 18pt left and right and 36pt top and bottom (90 and 180
#                 dots): the drawing origin moves there; output
#                 DIR/out/ruvo_margin360.pdf
#   ruvo_stock    the stock cups-pdf driver (PostScript through Ghostscript),
#                 DefaultResolution 300dpi; output PDFs land in DIR/out/stock/
#   ruvo_reject   like ruvo_pass360 but rejects jobs (cupsreject); it would
#                 write DIR/out/ruvo_reject.pdf, which must therefore never appear
#
# Paper sources: the passthrough queues offer the InputSlot choices "Upper"
# (default) and "Manual"; the stock queue offers none.
#
# Needs root (cupsd runs its filters as user lp). Exit status 0 on success.
set -euo pipefail

cmd=${1:-}
dir=${2:-${RUVO_CUPS_DIR:-/tmp/ruvo-cups-test}}
dir=$(realpath -ms "$dir") # cupsd takes absolute paths only; -s keeps a link a link
stock_ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
test_page=/usr/share/cups/data/default-testpage.pdf

die() {
  echo "cups-test-server: $*" >&2
  exit 1
}

# cups-pdf reads its settings from /etc/cups/cups-pdf-NAME.conf for a device
# URI cups-pdf:/NAME; the name is derived from DIR so instances do not clash.
cups_pdf_name() { echo "ruvotest$(printf '%s' "$dir" | cksum | cut -d' ' -f1)"; }

write_cups_files_conf() {
  cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
FileDevice Yes
User lp
Group lp
SystemGroup root
Sandboxing Relaxed
EOF
}

write_cupsd_conf() {
  cat >"$dir/etc/cupsd.conf" <<EOF
Listen $dir/cups.sock
LogLevel info
WebInterface No
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
MaxJobs 100
PreserveJobFiles No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
EOF
}

# The stock PPD with a filter that hands the PDF on untouched, the given
# default resolution and two paper sources.
write_passthrough_ppd() { # file dpi ("360" or "360x180")
  sed -e '/^\*DefaultResolution:/d' -e '/^\*Resolution /d' \
    -e '/^\*OpenUI \*Resolution/,/^\*CloseUI: \*Resolution/d' "$stock_ppd" >"$1.tmp"
  {
    sed -n '1,/^\*TTRasterizer/p' "$1.tmp"
    echo '*cupsFilter: "application/vnd.cups-pdf 0 -"'
    echo '*OpenUI *Resolution/Output Resolution: PickOne'
    echo '*OrderDependency: 100 AnySetup *Resolution'
    echo "*DefaultResolution: ${2}dpi"
    echo "*Resolution ${2}dpi/${2} DPI: \"<</HWResolution[${2%x*} ${2#*x}]>>setpagedevice\""
    echo '*CloseUI: *Resolution'
    echo '*OpenUI *InputSlot/Paper Source: PickOne'
    echo '*OrderDependency: 100 AnySetup *InputSlot'
    echo '*DefaultInputSlot: Upper'
    echo '*InputSlot Upper/Upper Tray: ""'
    echo '*InputSlot Manual/Manual Feed: ""'
    echo '*CloseUI: *InputSlot'
    sed -n '/^\*TTRasterizer/,$p' "$1.tmp" | sed 1d
  } >"$1"
  rm -f "$1.tmp"
}

write_cups_pdf_conf() {
  cat >"/etc/cups/cups-pdf-$(cups_pdf_name).conf" <<EOF
Out $dir/out/stock
AnonDirName $dir/out/stock
Spool $dir/spool/cups-pdf
Log $dir/log
EOF
}

wait_for_socket() {
  for _ in $(seq 1 100); do
    kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null ||
      die "cupsd ended at start-up: $(tail -3 "$dir/log/cupsd.out" 2>/dev/null)"
    lpstat -r 2>/dev/null | grep -q 'is running' && return 0
    sleep 0.1
  done
  die "cupsd did not answer on $dir/cups.sock (see $dir/log/error_log)"
}

# lpadmin warns on every PPD that drivers are deprecated; the queues need one.
lpadmin_quiet() { lpadmin "$@" 2> >(grep -v 'drivers are deprecated' >&2); }

add_queues() {
  write_passthrough_ppd "$dir/ppd-pass360.ppd" 360
  write_passthrough_ppd "$dir/ppd-pass600.ppd" 600
  write_passthrough_ppd "$dir/ppd-pass300.ppd" 300
  write_passthrough_ppd "$dir/ppd-pass360x180.ppd" 360x180
  write_passthrough_ppd "$dir/ppd-pass180x360.ppd" 180x360
  write_passthrough_ppd "$dir/ppd-margin360.ppd" 360
  sed -i -e 's|^\*HWMargins:.*|*HWMargins: 18 36 18 36|' \
    -e 's|^\*ImageableArea A4/A4:.*|*ImageableArea A4/A4: "18 36 577 806"|' "$dir/ppd-margin360.ppd"
  lpadmin_quiet -p ruvo_pass360 -E -v "file:$dir/out/ruvo_pass360.pdf" -P "$dir/ppd-pass360.ppd"
  lpadmin_quiet -p ruvo_pass600 -E -v "file:$dir/out/ruvo_pass600.pdf" -P "$dir/ppd-pass600.ppd"
  lpadmin_quiet -p ruvo_pass300 -E -v "file:$dir/out/ruvo_pass300.pdf" -P "$dir/ppd-pass300.ppd"
  lpadmin_quiet -p ruvo_pass360x180 -E -v "file:$dir/out/ruvo_pass360x180.pdf" \
    -P "$dir/ppd-pass360x180.ppd"
  lpadmin_quiet -p ruvo_pass180x360 -E -v "file:$dir/out/ruvo_pass180x360.pdf" \
    -P "$dir/ppd-pass180x360.ppd"
  lpadmin_quiet -p ruvo_margin360 -E -v "file:$dir/out/ruvo_margin360.pdf" \
    -P "$dir/ppd-margin360.ppd"
  lpadmin_quiet -p ruvo_stock -E -v "cups-pdf:/$(cups_pdf_name)" -P "$stock_ppd"
  lpadmin_quiet -p ruvo_reject -E -v "file:$dir/out/ruvo_reject.pdf" -P "$dir/ppd-pass360.ppd"
  cupsreject -r "ruvo test: rejects every job" ruvo_reject
  lpadmin -d ruvo_pass360
}

# A job's errors and its filters' exit statuses from the server's log, on one
# line; empty while the job has none.
job_errors() { # job id
  awk -v job="[Job $1] " 'index($0, job) && (/^E / || /stopped with status|crashed on signal/) {
      text = substr($0, index($0, job) + length(job))
      sub(/; please consult .*/, "", text)
      printf "%s%s", sep, text
      sep = "; "
    }
    END { if (sep != "") print "" }' "$dir/log/error_log"
}

# A server whose filters cannot run still takes every job and then stops it,
# so each test would wait for its PDF in vain. One page through the
# passthrough queue shows that printing works before any test starts.
check_printing() {
  local pdf=$dir/out/ruvo_pass360.pdf request job errors
  [ -r "$test_page" ] || die "cannot print: no test page $test_page (scripts/install-deps.sh)"
  request=$(lp -d ruvo_pass360 -t ruvo-test-page "$test_page" 2>&1) || die "cannot print: $request"
  job=${request#request id is ruvo_pass360-}
  job=${job%% *}
  for _ in $(seq 1 300); do
    errors=$(job_errors "$job")
    [ -z "$errors" ] || die "cannot print a test page on ruvo_pass360: $errors"
    if [ -z "$(lpstat -W not-completed -o ruvo_pass360)" ]; then
      pdfinfo "$pdf" >/dev/null 2>&1 || die "cannot print: the test page's job ended without a PDF"
      rm -f "$pdf"
      return 0
    fi
    sleep 0.1
  done
  die "cannot print: the test page's job has not ended after 30 s"
}

# True for a folder that this user's start set up (a link or another user's
# folder is not: a name under /tmp is anyone's to take).
server_folder() { [ ! -L "$dir" ] && [ -O "$dir" ] && [ -f "$dir/etc/cupsd.conf" ]; }

run_cupsd() {
  setsid cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
    </dev/null >>"$dir/log/cupsd.out" 2>&1 &
  echo $! >"$dir/cupsd.pid"
  export CUPS_SERVER="$dir/cups.sock"
  wait_for_socket
}

start() {
  [ "$(id -u)" -eq 0 ] || die "must run as root"
  command -v cupsd >/dev/null || die "cupsd not installed (scripts/install-deps.sh)"
  local socket=$dir/cups.sock
  [ "$(printf %s "$socket" | wc -c)" -le 107 ] ||
    die "$socket is longer than a unix socket's 107 bytes; give a shorter folder"
  # start empties DIR, so it must be new, empty or a former server's folder.
  if [ -L "$dir" ] || { [ -e "$dir" ] && ! server_folder && [ -n "$(ls -A "$dir")" ]; }; then
    die "$dir is a link or holds other files; give a new folder"
  fi
  stop_quietly
  rm -rf "$dir"
  umask 022 # lp must read the folders even where root's umask is stricter
  mkdir -p "$(dirname "$dir")"
  mkdir "$dir" # fails if someone took the name since
  if ! runuser -u lp -- test -x "$dir"; then
    rmdir "$dir"
    die "user lp, which runs the print filters, cannot enter $dir; give a folder it can reach, as under /tmp"
  fi
  mkdir -p "$dir"/{etc/ppd,etc/ssl,spool/tmp,spool/cups-pdf,cache,state,log,out/stock}
  chgrp lp "$dir/spool" "$dir/spool/tmp" "$dir/cache" "$dir/state"
  chmod 0770 "$dir/spool/tmp"
  chmod 1777 "$dir/out/stock" "$dir/spool/cups-pdf"
  write_cups_files_conf
  write_cupsd_conf
  write_cups_pdf_conf
  run_cupsd
  add_queues
  check_printing
  echo "cups-test-server: running in $dir (CUPS_SERVER=$CUPS_SERVER)"
}

stop_quietly() {
  if server_folder && [ -f "$dir/cupsd.pid" ]; then
    local pid
    pid=$(cat "$dir/cupsd.pid")
    if kill -0 "$pid" 2>/dev/null; then
      kill -TERM "$pid"
      for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
      done
      kill -0 "$pid" 2>/dev/null && kill -KILL "$pid"
    fi
    rm -f "$dir/cupsd.pid"
  fi
  rm -f "/etc/cups/cups-pdf-$(cups_pdf_name).conf"
}

case "$cmd" in
start) start ;;
stop)
  stop_quietly
  if server_folder; then rm -rf "$dir"; fi
  echo "cups-test-server: stopped ($dir)"
  ;;
env) echo "CUPS_SERVER=$dir/cups.sock" ;;
pause)
  [ -f "$dir/etc/cupsd.conf" ] || die "no server in $dir"
  stop_quietly
  echo "cups-test-server: paused ($dir)"
  ;;
resume)
  [ -f "$dir/etc/printers.conf" ] || die "no saved queues in $dir"
  [ -f "$dir/cupsd.pid" ] && kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null && die "already running"
  write_cups_pdf_conf
  run_cupsd
  echo "cups-test-server: resumed in $dir"
  ;;
*) die "usage: $0 start|stop|env|pause|resume [DIR]" ;;
esac
