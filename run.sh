#!/usr/bin/env bash
# Sets everything up on Debian 12 and runs the product on its embedded default.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
if [ ! -x build/default/bin/ger-host ]; then
    echo "run.sh: the host (ger-host) and screen GER99500 are not built yet;" \
         "the build above holds the platform layers and their tests (./test.sh runs them)."
    exit 1
fi
