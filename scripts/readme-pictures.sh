#!/usr/bin/env bash
# Makes the README's pictures (docs/images/) from the desktop host on an X server of its own,
# driven by keyboard as a person would (scripts/lib/desktop-session.sh starts it all):
#   ger99500.png               GER99500 on branch 0001, as ./run.sh --screenshot renders it
#   ger99500-branch-check.png  an unknown branch refused as the edit is left
#   ger99500-pick-list.png     the pick list of "Liberado" on the first row
#   ger99502.png               the issuing-data dialog of type 29, kind "Empresa"
#   ger99501.png               the bulk registration, its state registration lookup with two
#                              rows marked
#   ger99501-dialog.png        the bulk registration once they are chosen
#   ger99500-client.png        the page "Tipo de Operação por Cliente" with a client's types
#   ger99500-client-lookup.png its lookup of operation types for a new row
#
#   scripts/readme-pictures.sh [BIN_DIR]   build/release/bin if it has the programs, else
#                                          build/default/bin
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
bin="${1:-}"
out="$here/docs/images"
readonly kBudgetMs=120000
readonly kPaintPause=0.8 # a window just shown is painted within this

sessionName=readme-pictures
# shellcheck source=lib/desktop-session.sh
source "$here/scripts/lib/desktop-session.sh"
mkdir -p "$out"

# picture NAME: the host's window as it is on the screen now, dialogs over it included.
picture() {
    sleep "$kPaintPause"
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root "$tmp/root.png"
    convert "$tmp/root.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$1"
    log "saved $out/$1"
}

QT_QPA_PLATFORM=offscreen "$bin/ger-host" --database "$database" --WebURL 127.0.0.1 \
    --WebPort "$port" --script "$here/scripts/screenshot.script" \
    --screenshot "$out/ger99500.png" >"$tmp/screenshot.log" 2>&1 ||
    { cat "$tmp/screenshot.log"; fail "the offscreen screenshot failed"; }
log "saved $out/ger99500.png"

log "Ctrl+1 (GER99500), 9999, Tab: the branch is refused"
xdotool key ctrl+1
sleep "$kPaintPause"
xdotool type --delay 30 9999
xdotool key Tab
waitFor 10 "the message box" popupOpen
picture ger99500-branch-check.png
xdotool key Return
waitFor 10 "the message box to close" popupClosed

log "0001, Enter (the grid is loaded), Tab, Right, F2, F4: the pick list of Liberado"
xdotool key ctrl+a
xdotool type --delay 30 0001
xdotool key Return
waitFor 20 "the server call GetTpOperFil" serverCalled 'GetTpOperFil("0001")'
sleep "$kPaintPause"
xdotool key Tab Right F2 F4
waitFor 10 "the pick list" popupOpen
picture ger99500-pick-list.png
xdotool key Escape
waitFor 10 "the pick list to close" popupClosed
xdotool key Escape

typeRow="$(sqlite3 "$database" "SELECT COUNT(*) FROM TIPOOPERFILIAL
                                WHERE CDFILIAL = '0001' AND CDTIPOOPER < '29'")"
log "Down x$typeRow, Right x2, Space: the issuing-data dialog of type 29"
for ((i = 0; i < typeRow; i++)); do xdotool key Down; done
xdotool key Right Right space
waitFor 10 "the dialog" popupOpen
picture ger99502.png
xdotool key Escape
waitFor 10 "the dialog to close" popupClosed

# The toolbar's lightning button, below the confirm button of the screen's toolbar.
readonly kAutomaticButton=(18 117)
log "click on Cadastramento Automático, F3, Down, Space, Down, Space: two state registrations"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + kAutomaticButton[0])) $((Y + kAutomaticButton[1])) click 1
waitFor 10 "the bulk registration" popupOpen
sleep "$kPaintPause"
xdotool key F3
twoPopups() { [ "$(visibleWindows)" -gt 2 ]; }
waitFor 10 "the lookup of state registrations" twoPopups
xdotool key Down space Down Down space
picture ger99501.png
xdotool key Return
waitFor 10 "the lookup to close" test "$(visibleWindows)" -eq 2
picture ger99501-dialog.png
xdotool key Escape
waitFor 10 "the bulk registration to close" popupClosed

# The tab of the client page and the client edit on it, where the screen's form data puts them.
readonly kClientTab=(276 145)
readonly kClientEdit=(158 177)
log "click on the tab Tipo de Operação por Cliente, click in Cliente, 92090028068, Tab"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + kClientTab[0])) $((Y + kClientTab[1])) click 1
sleep "$kPaintPause"
xdotool mousemove $((X + kClientEdit[0])) $((Y + kClientEdit[1])) click 1
xdotool type --delay 30 92090028068
xdotool key Tab
waitFor 20 "the server call GetTipoOperCli" serverCalled 'GetTipoOperCli("0001"'
picture ger99500-client.png

log "F2 (a new row, its code cell in edit), Ctrl+Enter: the lookup of operation types"
xdotool key F2 ctrl+Return
waitFor 10 "the lookup of operation types" popupOpen
picture ger99500-client-lookup.png
xdotool key Escape
waitFor 10 "the lookup to close" popupClosed
xdotool key Escape
hostAlive || hostGone "at the end"
log "done"
