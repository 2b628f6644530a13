#!/bin/sh
# Creates a Wine prefix that one stream of a test run shares, with a Wine server and an X
# server of its own, or ends both afterwards.
#   prefix.sh setup PREFIX [LOADER [WINEARCH]]    (defaults: /usr/lib/wine/wine, win32)
#   prefix.sh cleanup PREFIX
# The X server's display number is left in PREFIX.display for the tests; its process id in
# PREFIX.xvfb for the cleanup.
set -eu
action=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
loader=${3:-/usr/lib/wine/wine}
export WINEARCH=${4:-win32}

stop_x_server() {
  if [ -f "$WINEPREFIX.xvfb" ]; then
    kill "$(cat "$WINEPREFIX.xvfb")" 2>/dev/null || true
  fi
  rm -f "$WINEPREFIX.xvfb" "$WINEPREFIX.display"
}

case "$action" in
  setup)
    wineserver -k </dev/null >/dev/null 2>&1 || true
    stop_x_server
    rm -rf "$WINEPREFIX"
    # Two streams run side by side: with a display each, one stream's windows never take
    # the focus or the foreground from the other's.
    setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
      3>"$WINEPREFIX.display" </dev/null >/dev/null 2>&1 &
    echo $! >"$WINEPREFIX.xvfb"
    tries=0
    until [ -s "$WINEPREFIX.display" ]; do
      tries=$((tries + 1))
      if [ "$tries" -gt 200 ]; then
        echo "Xvfb gave no display within 20 s" >&2
        exit 1
      fi
      sleep 0.1
    done
    export DISPLAY=":$(cat "$WINEPREFIX.display")"
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
    stop_x_server
    ;;
esac
