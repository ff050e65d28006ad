#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as a Qt client of a private Wayland compositor: a headless
# weston on a socket and runtime folder of its own, ended by its PID. Exit
# status 77 (skipped) only when weston cannot start at all.
#   scripts/lib/with-weston.sh command [arguments...]
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: with-weston.sh command [arguments...]" >&2; exit 2; }
command -v weston >/dev/null || { echo "SKIP: weston is not installed (Debian package weston)"; exit 77; }

runtime=$(mktemp -d) # mktemp makes it 0700, as Wayland requires
socket=velmora-test-$$
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --no-config \
    >"$runtime/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null || true; wait "$weston_pid" 2>/dev/null || true; rm -rf "$runtime"' EXIT

for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
done
if ! [ -S "$runtime/$socket" ] || ! kill -0 "$weston_pid" 2>/dev/null; then
    echo "SKIP: weston could not start; its last words:"
    tail -n 5 "$runtime/weston.log"
    exit 77
fi

status=0
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    timeout --kill-after=5 120 "$@" || status=$?
if ! kill -0 "$weston_pid" 2>/dev/null; then
    echo "FAIL: weston ended during the run; its last words:"
    tail -n 5 "$runtime/weston.log"
    exit 1
fi
exit "$status"
