#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
if [ -x build/release/src/app/ruvo ]; then
  exec build/release/src/app/ruvo "$@"
fi
exec build/release/src/cli/ruvo-slip --help
