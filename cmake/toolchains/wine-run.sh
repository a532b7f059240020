#!/bin/sh
# Runs a Windows program under Wine, in a Wine prefix beside the build (made on first use), quietly.
# JUKEWRIGHT_WINEPREFIX chooses another prefix.
set -e
here=$(pwd)
while [ "$here" != / ] && [ ! -f "$here/CMakeCache.txt" ]; do
    here=$(dirname "$here")
done
[ "$here" = / ] && here=$(pwd)
export WINEPREFIX="${JUKEWRIGHT_WINEPREFIX:-$here/wine-prefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    # Two tests starting at once must not both make the prefix.
    (
        flock 9
        [ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1 && wineserver -w; }
    ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
