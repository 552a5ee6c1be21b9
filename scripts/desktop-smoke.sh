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
#   GER_SESSION_ENGINE=firebird          the same on an embedded Firebird database
#
# Where the grid's cells are is read from the screen: the current cell is the only area in
# the platform's selection colour, and with the editor open only the editor's button keeps a
# border in it. Every wait polls for a condition, with a timeout, within one budget for the
# whole run; a wait ends early when the host has ended.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
bin="${1:-}"
screenshot="$(realpath -m "${GER_SMOKE_SCREENSHOT:-$here/build/desktop-smoke.png}")"

readonly kBudgetMs=110000          # the whole run, every wait included
readonly kMinColours=500           # the host window without a screen shows about 80
readonly kClickPause=0.6           # longer than Qt's double-click interval (400 ms)

sessionName=desktop-smoke
# shellcheck source=lib/desktop-session.sh
source "$here/scripts/lib/desktop-session.sh"

# The first row of branch 0001 as the server lists it, whatever the engine: "TYPE FLAG", the
# flag being IDLIBERADO (ger-call prints a table: OPERACAO | IDLIBERADO | ... | CDTIPOOPER).
firstRow() {
    "$bin/ger-call" --port "$port" GetTpOperFil v:0001 |
        awk -F'|' 'NR == 2 { gsub(/ /, "", $2); gsub(/ /, "", $5); print $5, $2 }'
}
storedFlag() { firstRow | cut -d' ' -f2; }
type01="$(firstRow | cut -d' ' -f1)"
flagBefore="$(storedFlag)"
markServerLog
log "demo database $database: branch 0001, type $type01, IDLIBERADO = $flagBefore"
[ "$flagBefore" = "S" ] || fail "the demo's first type of branch 0001 is not released; nothing to change"

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
