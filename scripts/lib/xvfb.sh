# SPDX-FileCopyrightText: 2026 the Velmora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash disable=SC2034
# A private X server for the tests and the benchmarks.

XVFB_DISPLAY=
XVFB_PID=

# Starts Xvfb on the first free display number from :90 up and waits until it
# answers. Sets XVFB_DISPLAY (":N") and XVFB_PID; stop it with
# stop_private_xvfb, typically from an EXIT trap.
start_private_xvfb() {
    local number
    for number in $(seq 90 189); do
        if [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ]; then
            continue
        fi
        # -noreset: by default the server resets whenever its last client
        # leaves and drops the connections that arrive meanwhile.
        Xvfb ":$number" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset >/dev/null 2>&1 &
        XVFB_PID=$!
        for _ in $(seq 100); do
            # Another server may have taken the number meanwhile: ours must
            # still be running when the display answers.
            if ! kill -0 "$XVFB_PID" 2>/dev/null; then
                break
            fi
            if xdpyinfo -display ":$number" >/dev/null 2>&1 && kill -0 "$XVFB_PID" 2>/dev/null; then
                XVFB_DISPLAY=":$number"
                return 0
            fi
            sleep 0.1
        done
        stop_private_xvfb
    done
    echo "could not start Xvfb on any display from :90 to :189" >&2
    return 1
}

stop_private_xvfb() {
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    XVFB_PID=
    XVFB_DISPLAY=
}
