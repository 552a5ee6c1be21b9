#!/usr/bin/env bash
# A bounded load on the real application server, on loopback and a fresh demo database:
# 1000 idle sessions held open and 50 busy clients, each reading and writing in a loop, for
# 60 s. Prints what ger-load saw (sessions refused, errors, latencies) and exits non-zero when a
# session was refused or a call failed.
#
#   scripts/load-test.sh                     # 1000 idle, 50 busy, 60 s, release build
#   scripts/load-test.sh --idle 100 --busy 10 --seconds 5
#   BUILD=build/default scripts/load-test.sh # another build directory
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD:-build/release}"
if [ -z "${BUILD:-}" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release --target ger-appserver ger-load >/dev/null
fi
bin="$build/bin"

# One descriptor per session on each side, plus the server's database files.
ulimit -n 8192

work="$(mktemp -d)"
server_pid=""
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

"$bin/ger-appserver" --init-demo "$work/demo.sqlite" 2>/dev/null
"$bin/ger-appserver" --database "$work/demo.sqlite" --port 0 --print-port \
    >"$work/port" 2>"$work/server.log" &
server_pid=$!
for _ in $(seq 100); do
    grep -q '^listening on' "$work/port" 2>/dev/null && break
    sleep 0.1
done
port="$(sed -n 's/^listening on .*:\([0-9]*\)$/\1/p' "$work/port")"
[ -n "$port" ] || { cat "$work/server.log" >&2; exit 1; }

"$bin/ger-load" --port "$port" --idle 1000 --busy 50 --seconds 60 "$@"
