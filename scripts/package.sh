#!/usr/bin/env bash
# Builds the Debian package of ruvo from the release build:
# build/release/ruvo_<version>_<architecture>.deb. Its path is the last line
# printed. Run scripts/install-deps.sh first on a fresh machine.
set -euo pipefail
cd "$(dirname "$0")/.."
# The package installs under /usr (the release preset), which the launcher and
# the menu entry name.
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
rm -f build/release/ruvo_*.deb
(cd build/release && cpack -G DEB >/dev/null)
ls build/release/ruvo_*.deb
