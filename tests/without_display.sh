#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# No display, a dead one or a window system that does not exist: one line and
# status 1, never Qt's abort. A display named on the command line is honoured.
binary=${1:?usage: without_display.sh path/to/velmora}
export XDG_RUNTIME_DIR=$(mktemp -d) XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
ulimit -c 0
run() { # expected status, then the environment and the arguments
    local expected=$1 out status; shift
    out=$(env "$@" 2>&1); status=$?
    [ "$status" = "$expected" ] || { echo "FAIL: $* gave status $status: $out"; exit 1; }
    [ "$expected" = 124 ] || [ "$(printf '%s\n' "$out" | wc -l)$(grep -c 'no display' <<<"$out")" = 11 ] ||
        { echo "FAIL: $* said: $out"; exit 1; }
}
run 1 "$binary"
dead=500
while [ -e "/tmp/.X11-unix/X$dead" ] || [ -e "/tmp/.X$dead-lock" ]; do dead=$((dead + 1)); done
run 1 DISPLAY=:$dead "$binary"
run 1 WAYLAND_DISPLAY=dead QT_QPA_PLATFORM=wayland "$binary"
run 1 "$binary" -platform bogus
run 124 timeout 3 "$binary" -platform offscreen
[ -z "${VELMORA_TEST_DISPLAY:-}" ] || run 124 timeout 3 "$binary" -display "$VELMORA_TEST_DISPLAY"
echo "PASS"
