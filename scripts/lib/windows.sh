# SPDX-FileCopyrightText: 2026 the Velmora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Waits for the program's windows on the X server in DISPLAY.

# wait_window [--not ID] SEARCH-ARGUMENTS...
# Prints the id of the first visible window that `xdotool search` finds with
# the arguments given, passing over window ID; fails after ten seconds. It
# asks every 50 ms: `xdotool search --sync` asks only every half second and
# cannot pass over a window that is still shown, such as the one a new window
# replaces.
wait_window() {
    local other=none id
    if [ "$1" = --not ]; then
        other=$2
        shift 2
    fi
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible "$@" 2>/dev/null | grep -vx -- "$other" | head -n1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}
