#!/usr/bin/env bash
# A Firebird 3 server on this machine, for running several application servers on one
# database by hand (scripts/load-test.sh --engine firebird). Not needed for building or for the
# test suite, which use Firebird embedded; nothing else installs these packages.
#
#   scripts/firebird-server.sh install   Debian's firebird3.0-server and firebird3.0-utils,
#                                        user SYSDBA, password masterkey; leaves it stopped
#   scripts/firebird-server.sh start     listens on 127.0.0.1:3050
#   scripts/firebird-server.sh stop      stops it and gives embedded use its lock directory back
#   scripts/firebird-server.sh status    says whether it listens; exit 0 when it does
#
# Every subcommand may be run again: install installs only what is missing, start does
# nothing when the server listens, stop nothing when it does not. No systemd: the server runs
# from its init script, as user firebird.
#
# Afterwards, e.g.:
#   echo "CREATE DATABASE '127.0.0.1:/tmp/x.fdb' USER 'SYSDBA' PASSWORD 'masterkey';" | isql-fb -q
#
# Embedded use and the server share Firebird's lock directory (/tmp/firebird), where engines
# on one machine meet. Embedded use as root makes it root's (root:root, mode 770), and the
# server, which runs as user firebird, then ends at its start with "operating system directive
# access failed, Permission denied, /tmp/firebird/" in /var/log/firebird/firebird3.0.log.
# `start` opens the directory to group firebird (setgid, group read and write on its files);
# `stop` gives it back to root as embedded use made it.
set -euo pipefail

readonly kConf=/etc/firebird/3.0/firebird.conf
readonly kInit=/etc/init.d/firebird3.0
readonly kLockDir=/tmp/firebird
readonly kAddress=127.0.0.1
readonly kPort=3050
readonly kPassword=masterkey

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

is_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# Whether anything listens on the server's address and port (ss from iproute2, else bash's
# own /dev/tcp).
listens() {
    if command -v ss >/dev/null; then
        ss -Hltn "sport = :$kPort" 2>/dev/null | grep -q "$kAddress:$kPort"
    else
        (exec 3<>"/dev/tcp/$kAddress/$kPort") 2>/dev/null
    fi
}

# RemoteBindAddress set to the loopback address, once: Debian ships "localhost", which a
# resolver may give as ::1 or as any address it likes.
bind_loopback() {
    if grep -Eq "^[[:space:]]*RemoteBindAddress[[:space:]]*=[[:space:]]*$kAddress[[:space:]]*$" \
        "$kConf"; then
        return
    fi
    if grep -Eq '^[[:space:]]*RemoteBindAddress[[:space:]]*=' "$kConf"; then
        $sudo sed -i -E "s/^[[:space:]]*RemoteBindAddress[[:space:]]*=.*/RemoteBindAddress = $kAddress/" \
            "$kConf"
    else
        echo "RemoteBindAddress = $kAddress" | $sudo tee -a "$kConf" >/dev/null
    fi
}

do_install() {
    local missing=()
    for p in firebird3.0-server firebird3.0-utils; do
        is_installed "$p" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "firebird3.0-server shared/firebird/sysdba_password/first_install password $kPassword" |
            $sudo debconf-set-selections
        echo "Installing: ${missing[*]}"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
            "${missing[@]}"
        # The package may have started the server; it starts when asked to.
        do_stop >/dev/null
    fi
    bind_loopback
    echo "firebird: installed (SYSDBA / $kPassword), $kConf binds $kAddress"
}

require_installed() {
    is_installed firebird3.0-server && [ -x "$kInit" ] ||
        { echo "firebird: not installed; run $0 install" >&2; exit 1; }
}

# The lock directory shared with the server: group firebird, and new files stay in it.
share_lock_dir() {
    $sudo mkdir -p "$kLockDir"
    $sudo chgrp -R firebird "$kLockDir"
    $sudo chmod 2770 "$kLockDir"
    $sudo find "$kLockDir" -type f -exec chmod g+rw {} +
}

# The lock directory as embedded use made it.
restore_lock_dir() {
    [ -d "$kLockDir" ] || return 0
    $sudo chown -R root:root "$kLockDir"
    # A numeric mode keeps a directory's setgid bit; it is cleared by name.
    $sudo chmod u=rwx,g=rwx,o=,g-s "$kLockDir"
}

do_start() {
    require_installed
    if listens; then
        echo "firebird: listening on $kAddress:$kPort already"
        return
    fi
    bind_loopback
    share_lock_dir
    $sudo "$kInit" start >/dev/null
    for _ in $(seq 50); do
        listens && { echo "firebird: listening on $kAddress:$kPort"; return; }
        sleep 0.1
    done
    echo "firebird: started, but nothing listens on $kAddress:$kPort;" \
        "see /var/log/firebird/firebird3.0.log" >&2
    exit 1
}


do_stop() {
    if [ -x "$kInit" ]; then
        $sudo "$kInit" stop >/dev/null 2>&1 || true
    fi
    for _ in $(seq 50); do
        listens || break
        sleep 0.1
    done
    if listens; then
        echo "firebird: still listening on $kAddress:$kPort" >&2
        exit 1
    fi
    restore_lock_dir
    echo "firebird: stopped"
}

do_status() {
    if listens; then
        echo "firebird: listening on $kAddress:$kPort"
    else
        echo "firebird: not listening on $kAddress:$kPort"
        return 1
    fi
}

case "${1:-}" in
install) do_install ;;
start) do_start ;;
stop) do_stop ;;
status) do_status ;;
*)
    echo "uso: $0 install|start|stop|status" >&2
    exit 2
    ;;
esac
