#!/bin/sh
# Runs a command under openbox on the X display that xvfb-run made, so that
# windows get a real window manager's frame. Waits at most thirty seconds
# for openbox to take over the display.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
    tries=$((tries + 1))
    if [ "$tries" -gt 300 ]; then
        echo "openbox did not start" >&2
        kill "$wm" 2>/dev/null
        exit 1
    fi
    sleep 0.1
done
"$@"
status=$?
kill "$wm" 2>/dev/null
exit "$status"
