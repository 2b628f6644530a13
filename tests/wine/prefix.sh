#!/bin/sh
# Creates the Wine prefix that one test run shares, or ends its Wine server afterwards.
set -eu
action=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
case "$action" in
  setup)
    wineserver -k </dev/null >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
    /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
    wineserver -w </dev/null >/dev/null 2>&1
    # Keep one server alive for the whole run: each test then starts in well under a second.
    wineserver -p </dev/null >/dev/null 2>&1
    test -f "$WINEPREFIX/system.reg"
    ;;
  cleanup)
    wineserver -k </dev/null >/dev/null 2>&1 || true
    ;;
esac
