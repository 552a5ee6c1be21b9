#!/usr/bin/env bash
# A bounded load on the real application server, on loopback and a fresh demo database:
# 1000 idle sessions held open and 50 busy clients, each reading and writing in a loop, for
# 60 s. Prints what ger-load saw (sessions refused, errors, latencies) and exits non-zero when a
# session was refused or a call failed.
#
#   scripts/load-test.sh                     # 1000 idle, 50 busy, 60 s, release build
#   scripts/load-test.sh --idle 100 --busy 10 --seconds 5
#   scripts/load-test.sh --mix --servers 3   # the mixed load (ger-load --mix) on three servers
#   scripts/load-test.sh --mix --servers 3 --engine firebird --database 127.0.0.1:/srv/ger.fdb
#   BUILD=build/default scripts/load-test.sh # another build directory
#
# Options of the script; every other one goes to ger-load (--mix, --idle, --busy, --seconds):
#   --servers N        N ger-appserver processes on the one database, the clients spread
#                      round-robin over them (default 1)
#   --database DB      the database the servers share, used as it is (not created, not
#                      removed); without it a fresh demo database in a temporary directory
#   --engine NAME      passed to every server with --database (sqlite, firebird); for a
#                      Firebird server database, DB is HOST:PATH (scripts/firebird-server.sh)
#
# The mixed load also exits non-zero when a write was lost or a bulk write split.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD:-build/release}"

servers=1
database=""
engine=""
load_args=()
while [ $# -gt 0 ]; do
    case "$1" in
    --servers | --database | --engine)
        [ $# -ge 2 ] || { echo "load-test: $1 sem valor" >&2; exit 2; }
        case "$1" in
        --servers) servers="$2" ;;
        --database) database="$2" ;;
        --engine) engine="$2" ;;
        esac
        shift 2
        ;;
    *)
        load_args+=("$1")
        shift
        ;;
    esac
done
[[ "$servers" =~ ^[1-9][0-9]*$ ]] || { echo "load-test: --servers $servers: um número de 1 em diante" >&2; exit 2; }

if [ -z "${BUILD:-}" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release --target ger-appserver ger-load >/dev/null
fi
bin="$build/bin"

# One descriptor per session on each side, plus the server's database files.
ulimit -n 8192

work="$(mktemp -d)"
server_pids=()
cleanup() {
    for pid in "${server_pids[@]}"; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

if [ -z "$database" ]; then
    if [ -n "$engine" ] && [ "${engine,,}" != sqlite ]; then
        echo "load-test: --engine $engine pede --database (HOST:CAMINHO num servidor de banco)" >&2
        exit 2
    fi
    database="$work/demo.sqlite"
    "$bin/ger-appserver" --init-demo "$database" 2>/dev/null
fi
server_args=(--database "$database")
[ -n "$engine" ] && server_args+=(--engine "$engine")

# Starts one server on a free port and prints that port.
start_server() {
    local n="$1"
    "$bin/ger-appserver" "${server_args[@]}" --port 0 --print-port \
        >"$work/port.$n" 2>"$work/server.$n.log" &
    server_pids+=($!)
}

for n in $(seq "$servers"); do
    start_server "$n"
done
ports=()
for n in $(seq "$servers"); do
    for _ in $(seq 100); do
        grep -q '^listening on' "$work/port.$n" 2>/dev/null && break
        sleep 0.1
    done
    port="$(sed -n 's/^listening on .*:\([0-9]*\)$/\1/p' "$work/port.$n")"
    [ -n "$port" ] || { cat "$work/server.$n.log" >&2; exit 1; }
    ports+=("$port")
done

"$bin/ger-load" --ports "$(IFS=,; echo "${ports[*]}")" --idle 1000 --busy 50 --seconds 60 \
    "${load_args[@]}"
