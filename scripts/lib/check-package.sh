#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a user gets it: scripts/package builds it and runs
# lintian; here its contents are listed and checked, and the program is run
# from the unpacked tree on the X server :N given, until the welcome window
# and then the board window show; Ctrl+W must end it with status 0.
#   scripts/lib/check-package.sh :N
set -euo pipefail
cd "$(dirname "$0")/../.."
export DISPLAY=${1:?usage: check-package.sh :N}
export LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR

scripts/package
package=$(ls build-package/velmora_*_amd64.deb)
work=$(mktemp -d)
velmora_pid=
finish() {
    [ -n "$velmora_pid" ] && kill "$velmora_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT
fail() {
    echo "FAIL: package: $*" >&2
    [ -f "$work/velmora.log" ] && sed 's/^/  velmora: /' "$work/velmora.log" >&2
    exit 1
}

dpkg-deb --contents "$package" | awk '{ print $1, $6 }' >"$work/contents"
echo "contents of $package ($(grep -c '^-' "$work/contents") files):"
grep '^-' "$work/contents" | sed 's/^/  /'
for path in ./usr/games/velmora ./usr/share/applications/org.velmora.Velmora.desktop \
    ./usr/share/metainfo/org.velmora.Velmora.metainfo.xml ./usr/share/man/man6/velmora.6.gz \
    ./usr/share/doc/velmora/copyright ./usr/share/icons/hicolor/scalable/apps/org.velmora.Velmora.svg \
    ./usr/share/icons/hicolor/48x48/apps/org.velmora.Velmora.png; do
    grep -qx -- "-[rwx-]* $path" "$work/contents" || fail "$path is missing"
done

dpkg-deb --extract "$package" "$work/root"
mkdir -p "$work/home"
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config "$work/root/usr/games/velmora" >"$work/velmora.log" 2>&1 &
velmora_pid=$!
# Polls for a visible window for at most ten seconds; prints its id.
wait_window() {
    local id
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$velmora_pid" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}
welcome=$(wait_window --classname '^velmora$') || fail "the unpacked program showed no window"
# A key on the welcome window hands over to the board.
xdotool windowfocus --sync "$welcome" key space || fail "cannot type on the welcome window"
board=$(wait_window --name '^Velmora$') || fail "the board window did not follow the welcome window"
xdotool windowfocus --sync "$board" key ctrl+w || fail "cannot type on the board window"
for _ in $(seq 200); do
    kill -0 "$velmora_pid" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$velmora_pid" 2>/dev/null && fail "Ctrl+W on the board window did not end the program"
status=0
wait "$velmora_pid" || status=$?
velmora_pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "package: the unpacked program showed its windows and ended with status 0"
