# The desktop host on an X server of its own, for the scripts that drive it as a person would
# (desktop-smoke.sh, readme-pictures.sh). Sourcing this file starts, in order: Xvfb on the first
# free display from :91, a fresh demo database, the application server on a free loopback port
# and ger-host on that display, and waits until the host's window has the keyboard focus; the
# script's exit stops them all, by PID, and removes their files.
#
# The sourcing script sets first:
#   sessionName   the name its log lines start with
#   here          the project's directory
#   bin           the directory of ger-host, ger-appserver and ger-call; empty:
#                 build/release/bin if it has them, else build/default/bin
#   kBudgetMs     the whole run's time budget, every wait included
# and may set GER_SESSION_ENGINE=firebird in the environment: the demo database then is an
# embedded Firebird one, and the host reads it on the InterBase dialect (default: SQLite).
# and then has: log, fail, waitFor, isRunning, hostAlive, hostGone, serverCalled, $tmp,
# $database, $port, $window, the popup checks and the selection-colour checks (selectionBox,
# boxIs, box), and markServerLog, after which serverCalled looks only at later calls.

readonly kSelection='#0A246A' # clHighlight: the grid's current cell, a lookup's chosen row

if [ -z "$bin" ]; then
    bin="$here/build/release/bin"
    [ -x "$bin/ger-host" ] && [ -x "$bin/ger-appserver" ] && [ -x "$bin/ger-call" ] ||
        bin="$here/build/default/bin"
fi
bin="$(realpath -m "$bin")"

log() { printf '%s: %s\n' "$sessionName" "$*"; }
fail() {
    log "FAIL: $*"
    exit 1
}

# A child that has ended stays a zombie until it is waited for: not running.
isRunning() {
    local state
    state="$(ps -o stat= -p "$1" 2>/dev/null)" || return 1
    [[ "$state" != Z* ]]
}

nowMs() { echo $((${EPOCHREALTIME/./} / 1000)); }
startMs=$(nowMs)

# waitFor SECONDS WHAT COMMAND...: runs COMMAND every 100 ms until it succeeds; fails the run
# when SECONDS or the run's budget are over first.
waitFor() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$(($(nowMs) + seconds * 1000))
    local budgetEnd=$((startMs + kBudgetMs))
    [ "$deadline" -lt "$budgetEnd" ] || deadline=$budgetEnd
    until "$@"; do
        if [ -n "$hostPid" ] && ! isRunning "$hostPid"; then
            hostGone "while waiting for $what"
        fi
        [ "$(nowMs)" -lt "$deadline" ] || fail "timed out waiting for $what"
        sleep 0.1
    done
}

for tool in Xvfb xdotool import convert identify sqlite3; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done
for program in ger-host ger-appserver ger-call; do
    [ -x "$bin/$program" ] || fail "$bin/$program does not exist; build it first"
done

tmp="$(mktemp -d "${TMPDIR:-/tmp}/$sessionName.XXXXXX")"
xvfbPid=""
serverPid=""
hostPid=""
stop() {
    local pid
    for pid in "$hostPid" "$serverPid" "$xvfbPid"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$tmp"
}
trap stop EXIT

# --- the X server -------------------------------------------------------------------------
# The first display from :91 with no lock file. The display is ours once the lock file holds
# our server's pid; if another server takes the number first, ours ends and the next is tried.
display=""
ownsDisplay() { [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock")" = "$xvfbPid" ]; }
serverReady() { { ownsDisplay && [ -S "/tmp/.X11-unix/X$n" ]; } || ! isRunning "$xvfbPid"; }
for n in $(seq 91 120); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$tmp/xvfb.log" 2>&1 &
    xvfbPid=$!
    waitFor 10 "Xvfb on :$n" serverReady
    if isRunning "$xvfbPid" && ownsDisplay &&
        DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1; then
        display=":$n"
        break
    fi
    wait "$xvfbPid" 2>/dev/null || true
    xvfbPid=""
done
[ -n "$display" ] || fail "no free display among :91..:120"
export DISPLAY="$display"
unset WAYLAND_DISPLAY
log "Xvfb on $DISPLAY (pid $xvfbPid)"

# --- the database and the application server ----------------------------------------------
engine="${GER_SESSION_ENGINE:-sqlite}"
case "${engine,,}" in
sqlite) database="$tmp/demo.sqlite" hostEngine=() ;;
firebird) database="$tmp/demo.fdb" hostEngine=(--engine firebird --dialect InterBase) ;;
*) fail "GER_SESSION_ENGINE=$engine: sqlite or firebird" ;;
esac
"$bin/ger-appserver" --init-demo "$database" --engine "$engine" >"$tmp/init.log" 2>&1 ||
    { cat "$tmp/init.log"; fail "the demo database could not be created"; }
log "demo database $database"

"$bin/ger-appserver" --database "$database" --engine "$engine" --port 0 --print-port --verbose \
    >"$tmp/server.out" 2>"$tmp/server.log" &
serverPid=$!
serverUp() { grep -q '^listening on ' "$tmp/server.out" || ! isRunning "$serverPid"; }
waitFor 30 "the application server" serverUp
grep -q '^listening on ' "$tmp/server.out" || fail "the application server did not start"
listening="$(grep -m1 '^listening on ' "$tmp/server.out")"
port="${listening##*:}"
log "application server $listening (pid $serverPid)"
serverMark=0
markServerLog() { serverMark="$(wc -l <"$tmp/server.log")"; }
serverCalled() { tail -n "+$((serverMark + 1))" "$tmp/server.log" | grep -q "$1"; }

# --- the host -----------------------------------------------------------------------------
mkdir -m 700 "$tmp/runtime"
env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$tmp/runtime" \
    "$bin/ger-host" --database "$database" "${hostEngine[@]}" --WebURL 127.0.0.1 --WebPort "$port" \
    >"$tmp/host.log" 2>&1 &
hostPid=$!
log "ger-host started (pid $hostPid)"

hostAlive() { isRunning "$hostPid"; }
hostGone() {
    local status=0
    wait "$hostPid" 2>/dev/null || status=$?
    hostPid=""
    log "host output:"
    sed 's/^/  | /' "$tmp/host.log"
    [ "$status" -gt 128 ] && status="$status (signal $((status - 128)))"
    fail "ger-host ended with status $status $1"
}

window="$(timeout 30 xdotool search --sync --onlyvisible --name '^GER - ' 2>/dev/null | head -n1)" ||
    true
[ -n "$window" ] || { hostAlive || hostGone "before its window showed"; fail "no host window"; }
log "host window $window: $(xdotool getwindowname "$window")"
xdotool windowfocus --sync "$window"
focused() { [ "$(xdotool getwindowfocus)" = "$window" ]; }
waitFor 10 "the keyboard focus on the host window" focused

# Popup windows of the host (menus, pick lists) are X windows of its own.
visibleWindows() { xdotool search --onlyvisible --pid "$hostPid" 2>/dev/null | wc -l; }
popupOpen() { [ "$(visibleWindows)" -gt 1 ]; }
popupClosed() { [ "$(visibleWindows)" -eq 1 ]; }

# selectionBox: "W H X Y" of the area drawn in the selection colour; W is 0 when there is none.
shot="$tmp/shot.png"
selectionBox() {
    import -window root "$shot"
    convert "$shot" -fill black +opaque "$kSelection" -fill white -opaque "$kSelection" \
        -format '%@' info: 2>/dev/null | sed 's/[x+]/ /g'
}
# boxIs W H X Y (a word may be "-" for any value): whether the selection is drawn there now.
boxIs() {
    local -a want=("$@") got
    read -r -a got <<<"$(selectionBox)"
    local i
    for i in 0 1 2 3; do
        [ "${want[$i]}" = "-" ] || [ "${want[$i]}" = "${got[$i]}" ] || return 1
    done
}
box() { read -r boxW boxH boxX boxY <<<"$(selectionBox)"; }

