#!/bin/sh
# Runs a Windows program under Wine, in a Wine prefix beside the build (made on first use), quietly.
# JUKEWRIGHT_WINEPREFIX chooses another prefix; JUKEWRIGHT_WINE_DPI runs the program on a screen of that
# density (Wine's LogPixels), in a prefix of its own; JUKEWRIGHT_WINE_SCREEN gives the virtual screen's
# size (WIDTHxHEIGHT). Without a display (a build machine, a terminal session)
# the run gets a virtual one of its own, which ends with it.
set -e
here=$(pwd)
while [ "$here" != / ] && [ ! -f "$here/CMakeCache.txt" ]; do
    here=$(dirname "$here")
done
[ "$here" = / ] && here=$(pwd)
export WINEPREFIX="${JUKEWRIGHT_WINEPREFIX:-$here/wine-prefix}"
dpi="${JUKEWRIGHT_WINE_DPI:-}"
[ -n "$dpi" ] && WINEPREFIX="$WINEPREFIX-dpi$dpi"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ] && command -v Xvfb >/dev/null 2>&1; then
    # Xvfb picks a free display number itself and writes it out once it takes connections.
    number=$(mktemp)
    # A denser screen has room for the window scaled up.
    size=1280x1024
    [ -n "$dpi" ] && size=2560x1600
    size="${JUKEWRIGHT_WINE_SCREEN:-$size}"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$number" >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill "$xvfb" 2>/dev/null; rm -f "$number"' EXIT
    trap 'exit 130' INT TERM
    tries=0
    while [ ! -s "$number" ] && kill -0 "$xvfb" 2>/dev/null && [ "$tries" -lt 100 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    [ -s "$number" ] && export DISPLAY=":$(cat "$number")"
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    # Two tests starting at once must not both make the prefix.
    (
        flock 9
        [ -f "$WINEPREFIX/system.reg" ] || {
            wineboot -i >/dev/null 2>&1 && wineserver -w
            if [ -n "$dpi" ]; then
                wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
                wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
                    /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
                wineserver -w
            fi
        }
    ) 9>"$WINEPREFIX.lock"
fi
if [ -n "$xvfb" ]; then
    # Not exec: the virtual display is closed when the program has ended.
    status=0
    wine "$@" || status=$?
    exit "$status"
fi
exec wine "$@"
