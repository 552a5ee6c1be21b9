#!/usr/bin/env bash
# The desktop host on a real X server (Xvfb), driven with xdotool as a person would:
#   1. keyboard only: Alt and Down open the menu "Telas" and Escape closes it; F10 opens it
#      again and Enter opens screen GER99500; branch 0001 is typed and left with Enter (which
#      loads its grid), Tab enters the grid, Right goes to "Liberado" of the first row, F2
#      opens its editor, F4 its pick list, Down and Enter choose "Não", Down leaves the row,
#      which writes it to the server;
#   2. the mouse: two clicks open the editor of "Liberado" on another row, then two clicks into
#      the editor's text (such a click used to crash the host), then Escape closes the editor;
#   3. Ctrl+Tab leaves the grid for the branch edit, and Enter there loads the grid again.
# It checks that the flag was stored, that the host is still running and answering, and that
# a screenshot of the screen is not blank. Exit code 0 only when every check passed.
#
#   scripts/desktop-smoke.sh [BIN_DIR]   the binaries: build/release/bin if it has them, else
#                                        build/default/bin
#   GER_SMOKE_SCREENSHOT=FILE            where the screenshot goes (build/desktop-smoke.png)
#
# Where the grid's cells are is read from the screen: the current cell is the only area in
# the platform's selection colour, and with the editor open only the editor's button keeps a
# border in it. Every wait polls for a condition, with a timeout, within one budget for the
# whole run; a wait ends early when the host has ended.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
bin="${1:-}"
if [ -z "$bin" ]; then
    bin="$here/build/release/bin"
    [ -x "$bin/ger-host" ] && [ -x "$bin/ger-appserver" ] || bin="$here/build/default/bin"
fi
bin="$(realpath -m "$bin")"
screenshot="$(realpath -m "${GER_SMOKE_SCREENSHOT:-$here/build/desktop-smoke.png}")"

readonly kBudgetMs=110000          # the whole run, every wait included
readonly kSelection='#0A246A'      # clHighlight: the grid's current cell
readonly kMinColours=500           # the host window without a screen shows about 80
readonly kClickPause=0.6           # longer than Qt's double-click interval (400 ms)

log() { printf 'desktop-smoke: %s\n' "$*"; }
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
for program in ger-host ger-appserver; do
    [ -x "$bin/$program" ] || fail "$bin/$program does not exist; build it first"
done

tmp="$(mktemp -d "${TMPDIR:-/tmp}/desktop-smoke.XXXXXX")"
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
database="$tmp/demo.sqlite"
"$bin/ger-appserver" --init-demo "$database" >"$tmp/init.log" 2>&1 ||
    { cat "$tmp/init.log"; fail "the demo database could not be created"; }
firstType="SELECT CDTIPOOPER FROM TIPOOPERFILIAL WHERE CDFILIAL = '0001' ORDER BY CDTIPOOPER LIMIT 1"
storedFlag() {
    sqlite3 "$database" "SELECT IDLIBERADO FROM TIPOOPERFILIAL
                         WHERE CDFILIAL = '0001' AND CDTIPOOPER = ($firstType)"
}
type01="$(sqlite3 "$database" "$firstType")"
flagBefore="$(storedFlag)"
log "demo database $database: branch 0001, type $type01, IDLIBERADO = $flagBefore"
[ "$flagBefore" = "S" ] || fail "the demo's first type of branch 0001 is not released; nothing to change"

"$bin/ger-appserver" --database "$database" --port 0 --print-port --verbose \
    >"$tmp/server.out" 2>"$tmp/server.log" &
serverPid=$!
serverUp() { grep -q '^listening on ' "$tmp/server.out" || ! isRunning "$serverPid"; }
waitFor 30 "the application server" serverUp
grep -q '^listening on ' "$tmp/server.out" || fail "the application server did not start"
listening="$(grep -m1 '^listening on ' "$tmp/server.out")"
port="${listening##*:}"
log "application server $listening (pid $serverPid)"
serverCalled() { grep -q "$1" "$tmp/server.log"; }

# --- the host -----------------------------------------------------------------------------
mkdir -m 700 "$tmp/runtime"
env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$tmp/runtime" \
    "$bin/ger-host" --database "$database" --WebURL 127.0.0.1 --WebPort "$port" \
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

# --- 1. by keyboard -----------------------------------------------------------------------
log "keyboard: Alt, Down (menu Telas), Escape"
xdotool key alt
xdotool key Down
waitFor 10 "the menu Telas to open" popupOpen
xdotool key Escape
waitFor 10 "the menu to close" popupClosed
xdotool key Escape
log "keyboard: F10 (menu Telas)"
xdotool key F10
waitFor 10 "the menu Telas to open with F10" popupOpen
log "keyboard: Return (GER99500 - Tipo de Operação por Filial)"
xdotool key Return
waitFor 10 "the menu to close" popupClosed
screenShown() {
    import -window root "$shot"
    [ "$(identify -format '%k' "$shot")" -ge "$kMinColours" ]
}
waitFor 20 "screen GER99500 to be drawn" screenShown

log "keyboard: type 0001, Return (leaves the branch panel: the grid is loaded)"
xdotool type --delay 30 0001
xdotool key Return
waitFor 20 "the server call GetTpOperFil" serverCalled 'GetTpOperFil("0001")'
hasSelection() { box && [ "$boxW" -gt 0 ]; }
waitFor 10 "the grid's current cell to be drawn" hasSelection
firstColumnX=$boxX
firstColumnW=$boxW
log "keyboard: Tab (into the grid), Right (column Liberado)"
xdotool key Tab
xdotool key Right
onNextColumn() { box && [ "$boxX" -gt "$firstColumnX" ] && [ "$boxW" -lt "$firstColumnW" ]; }
waitFor 10 "the current cell to move to column Liberado" onNextColumn
read -r cellW cellH cellX cellY <<<"$boxW $boxH $boxX $boxY"
log "cell Liberado of row 1 at ${cellW}x${cellH}+${cellX}+${cellY}"

# With the editor open, only its button is drawn with a border in the selection colour.
editorOpenAt() {
    box && [ "$boxW" -gt 0 ] && [ "$boxW" -lt "$cellW" ] && [ "$boxY" = "$1" ] &&
        [ $((boxX + boxW)) = $((cellX + cellW)) ]
}
log "keyboard: F2 (editor), F4 (pick list)"
xdotool key F2
waitFor 10 "the editor of Liberado on row 1" editorOpenAt "$cellY"
xdotool key F4
waitFor 10 "the pick list" popupOpen
log "keyboard: Down, Return (Não), Down (leaves the row: the server writes it)"
xdotool key Down
xdotool key Return
waitFor 10 "the pick list to close" popupClosed
xdotool key Down
waitFor 20 "the server call SetTpOperFil" serverCalled "SetTpOperFil(\"$type01\", \"0001\", \"N\""
flagWritten() { [ "$(storedFlag)" = "N" ]; }
waitFor 10 "IDLIBERADO = N in the database" flagWritten
onRow2() { box && [ "$boxX" = "$cellX" ] && [ "$boxW" = "$cellW" ] && [ "$boxY" -gt "$cellY" ]; }
waitFor 10 "the current cell to move to row 2" onRow2
rowPitch=$((boxY - cellY))
hostAlive || hostGone "after the write"

# --- 2. with the mouse --------------------------------------------------------------------
targetY=$((cellY + 3 * rowPitch))
clickY=$((targetY + cellH / 2))
log "mouse: two clicks on Liberado of row 4 ($((cellX + cellW / 2)),$clickY)"
xdotool mousemove $((cellX + cellW / 2)) "$clickY" click 1
waitFor 10 "the current cell to move to row 4" boxIs "$cellW" - "$cellX" "$targetY"
sleep "$kClickPause"
xdotool click 1
waitFor 10 "the editor of Liberado on row 4" editorOpenAt "$targetY"
buttonW=$boxW

# Near the text's start, and in the middle of the editor (the cell without its button).
for x in $((cellX + 3)) $((cellX + (cellW - buttonW) / 2)); do
    log "mouse: click into the editor's text ($x,$clickY)"
    xdotool mousemove "$x" "$clickY" click 1
    sleep "$kClickPause"
    hostAlive || hostGone "after a click into the editor's text"
done
editorOpenAt "$targetY" || fail "the editor of row 4 closed after the clicks into its text"

log "keyboard: Escape (closes the editor: the host still answers)"
xdotool key Escape
waitFor 10 "the editor to close" boxIs "$cellW" - "$cellX" "$targetY"

# --- 3. out of the grid -------------------------------------------------------------------
loads() { grep -c 'GetTpOperFil("0001")' "$tmp/server.log" || true; }
log "keyboard: Ctrl+Tab (leaves the grid for the branch edit), Return (loads the grid again)"
xdotool key ctrl+Tab
sleep "$kClickPause"
xdotool key Return
loadedTwice() { [ "$(loads)" -ge 2 ]; }
waitFor 20 "the second server call GetTpOperFil" loadedTwice
waitFor 10 "the grid's current cell to be drawn again" hasSelection

# --- checks -------------------------------------------------------------------------------
mkdir -p "$(dirname "$screenshot")"
import -window root "$screenshot"
colours="$(identify -format '%k' "$screenshot")"
log "screenshot saved to $screenshot ($colours colours)"
[ "$colours" -ge "$kMinColours" ] || fail "the screenshot is blank ($colours colours)"

flagAfter="$(storedFlag)"
[ "$flagAfter" = "N" ] || fail "IDLIBERADO of 0001/$type01 is $flagAfter, expected N"
log "check: IDLIBERADO of 0001/$type01 went from $flagBefore to $flagAfter"
hostAlive || hostGone "at the end"
xdotool search --onlyvisible --name '^GER - ' >/dev/null || fail "the host window is gone"
log "check: ger-host (pid $hostPid) is still running, its window shown"
log "PASS in $((($(nowMs) - startMs) / 1000)) s"
