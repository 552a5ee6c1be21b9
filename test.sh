#!/usr/bin/env bash
# Sets everything up on Debian 12 and runs the whole test suite.
#   ./test.sh          the default build
#   ./test.sh asan     the same suite under AddressSanitizer and UBSan
# The default run then fuzzes each decoder a network peer reaches for 30 s (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")"
preset="${1:-default}"
./scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
QT_QPA_PLATFORM=offscreen ctest --preset "$preset"
if [ "$preset" = default ]; then
    ./scripts/fuzz.sh 30
fi
