#!/bin/sh
# Creates the Wine prefix that one test run shares, or ends its Wine server afterwards.
#   prefix.sh setup PREFIX [LOADER [WINEARCH]]    (defaults: /usr/lib/wine/wine, win32)
#   prefix.sh cleanup PREFIX
set -eu
action=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
loader=${3:-/usr/lib/wine/wine}
export WINEARCH=${4:-win32}
case "$action" in
  setup)
    wineserver -k </dev/null >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
    # A prefix keeps the architecture it was made with: a 32-bit one has no 64-bit layer
    # and no registry redirection, as on Windows 98 or 2000.
    "$loader" wineboot --init >/dev/null 2>&1
    wineserver -w </dev/null >/dev/null 2>&1
    # Keep one server alive for the whole run: each test then starts in well under a second.
    wineserver -p </dev/null >/dev/null 2>&1
    test -f "$WINEPREFIX/system.reg"
    ;;
  cleanup)
    wineserver -k </dev/null >/dev/null 2>&1 || true
    ;;
esac
