#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing ruvo need.
# Idempotent and quiet when nothing is missing; waits for the package lock
# instead of failing when another apt run holds it.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git ccache
  scdoc man-db                # the manual pages: built, and checked as man shows them
  lintian desktop-file-utils  # the checks of the Debian package
  clang clang-format libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  libcups2-dev cups cups-client cups-bsd printer-driver-cups-pdf
  fonts-ipafont-mincho fonts-ipafont-gothic fonts-dejavu-core
  poppler-utils xvfb xauth
  skkdic-extra  # the postal-code dictionaries of the postal-code check
  libcsv-dev    # the CSV parser of the order files printed as a batch
  libsqlite3-dev  # the shipment journal, ruvo_journal.db (FTS5 with its trigram tokenizer),
                  # and the imported postal codes, ruvo_postal.db
  nettle-dev      # SHA-256 of the imported postal-code files
  acl attr      # the file tests set an ACL and a user attribute as a user would
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages (${missing[*]}); run as root" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt_opts=(-q -o DPkg::Lock::Timeout=600)
echo "install-deps: installing ${missing[*]}" >&2
# DPkg::Lock::Timeout covers the install; the package lists have a lock of
# their own, so the update is retried while another apt run holds it.
for attempt in $(seq 1 60); do
  apt-get "${apt_opts[@]}" update >/dev/null && break
  [ "$attempt" -eq 60 ] && exit 1
  sleep 10
done
apt-get "${apt_opts[@]}" install -y --no-install-recommends "${missing[@]}" >/dev/null
