#!/bin/sh
# Runs a window test against a real X server (Xvfb), whose keyboard xdotool works; skipped where one
# of the tools is missing.
for tool in Xvfb xvfb-run xdotool xset; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed (apt-get install xvfb xauth xdotool x11-xserver-utils)"
        exit 77
    fi
done
exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb "$@"
