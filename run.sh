#!/usr/bin/env bash
# Sets everything up on Debian 12 and runs the product on its embedded default.
#   ./run.sh                     with a display: the application server and the desktop host;
#                                without one: the demo script's transcript and a screenshot
#                                of the screen as the script leaves it
#   ./run.sh --screenshot FILE   saves a screenshot of screen GER99500 on demo branch 0001 to
#                                FILE and exits
#   ./run.sh --engine firebird   the same on an embedded Firebird database, the host on the
#                                InterBase dialect (combines with --screenshot)
set -euo pipefail
cd "$(dirname "$0")"
usage() { echo "usage: ./run.sh [--engine sqlite|firebird] [--screenshot FILE]" >&2; exit 2; }
screenshot=""
engine=sqlite
while [ $# -gt 0 ]; do
    case "$1" in
        --screenshot) [ -n "${2:-}" ] || usage; screenshot="$(realpath -m "$2")"; shift 2 ;;
        --engine) [ -n "${2:-}" ] || usage; engine="${2,,}"; shift 2 ;;
        *) usage ;;
    esac
done
case "$engine" in
    sqlite) suffix=sqlite; host_database=() ;;
    firebird) suffix=fdb; host_database=(--engine firebird --dialect InterBase) ;;
    *) usage ;;
esac

./scripts/install-deps.sh
# An optimised build of what runs, and nothing else: no tests, benchmarks or header checks.
cmake --preset release >/dev/null
cmake --build --preset release --target ger-host ger-appserver Pkg_ger99500

bin=build/release/bin
# The demo company database, created with the demo seed on first use; it keeps what the
# screens write from one run to the next. Delete the file to start over.
data_dir="${XDG_DATA_HOME:-$HOME/.local/share}/ger99500"
database="$data_dir/demo.$suffix"
if [ ! -f "$database" ]; then
    mkdir -p "$data_dir"
    "$bin/ger-appserver" --init-demo "$database" --engine "$engine"
    echo "Demo database created: $database"
fi

# The application server on a free loopback port; it prints "listening on HOST:PORT" once
# it accepts calls. It is stopped when this script ends, however it ends.
exec 3< <(exec "$bin/ger-appserver" --database "$database" --engine "$engine" --port 0 \
    --print-port)
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true' EXIT
if ! read -r -t 30 listening <&3 || [[ "$listening" != listening\ on\ * ]]; then
    echo "run.sh: the application server did not start" >&2
    exit 1
fi
port="${listening##*:}"
echo "Application server $listening (database $database)"

host=("$bin/ger-host" --database "$database" "${host_database[@]}" --WebURL 127.0.0.1
    --WebPort "$port")

if [ -n "$screenshot" ]; then
    QT_QPA_PLATFORM=offscreen "${host[@]}" --script scripts/screenshot.script \
        --screenshot "$screenshot"
    echo "Screenshot of GER99500 on branch 0001 saved to $screenshot"
elif [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    "${host[@]}"
else
    echo "No display: running scripts/demo.script"
    QT_QPA_PLATFORM=offscreen "${host[@]}" --script scripts/demo.script \
        --screenshot build/ger99500.png
    echo "Screenshot of GER99500 after the demo saved to $(realpath build/ger99500.png)"
fi
