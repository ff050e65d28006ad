#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on the private X server named by VELMORA_TEST_DISPLAY,
# driven from outside as a person drives it: a two-player win by keys and
# clicks, digits after menus closed with Escape, the box answered, English,
# Easy by F5, the computer's replies to a click and to Space seen on a
# screenshot, Ctrl+W; then the settings file's bytes and the exit status.
# Skipped (77) without the display, unless VELMORA_REQUIRE_TEST_DISPLAY=1.
# With VELMORA_SESSION=spoken, as a screen reader hears it: on a private session
# bus with the accessibility bus, the bridge on and listen.py noting what is
# spoken, each move waits for its words. Skipped where the bus cannot start.
set -euo pipefail
binary=${1:?usage: real_session.sh path/to/velmora}
if [ -z "${VELMORA_TEST_DISPLAY:-}" ]; then
    [ "${VELMORA_REQUIRE_TEST_DISPLAY:-0}" = 1 ] && { echo "FAIL: VELMORA_TEST_DISPLAY is not set" >&2; exit 1; }
    echo "SKIP: no private X server (scripts/test starts one)"; exit 77
fi
export LC_ALL=C.UTF-8 DISPLAY=$VELMORA_TEST_DISPLAY
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME
[ "${VELMORA_SESSION:-}" = spoken ] && VELMORA_SESSION=bus exec dbus-run-session -- bash "$0" "$@"
work=$(mktemp -d) listened=$work/heard pid= step=starting said=0 launcher= listener=
trap 'set +e; kill $pid $listener $launcher 2>/dev/null; sed "1d; s/^/heard /" "$listened" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL while $step: $*" >&2; cat "$work/log" >&2 2>/dev/null; exit 1; }
wait_for() { # seconds command...
    local deadline=$((SECONDS + $1)); shift
    until "$@"; do [ "$SECONDS" -lt "$deadline" ] || return 1; sleep 0.05; done
}
titled() { found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx -- "${2:-none}" | head -n1); [ -n "$found" ]; }
gone() { ! xdotool search --onlyvisible --classname '^velmora$' 2>/dev/null | grep -qx -- "$1"; }
bytes() { od -An -tx1 "$work/config/Velmora.ini" 2>/dev/null | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }
file_is() { [ "$(bytes)" = "$1" ]; }
# Qt takes a window's focus a moment after the X server gives it: keys sent
# at once can open a menu that the late focus closes again.
key() { [ "$(xdotool getwindowfocus)" = "$1" ] || { xdotool windowfocus --sync "$1" && sleep 0.3; }; xdotool key "${@:2}"; }
cell_xy() { echo "$((36 + 56 * (($2 - 1) % 3))) $((menu + 36 + 56 * (($2 - 1) / 3)))"; }
click() { xdotool mousemove --window "$1" $(cell_xy "$@") click 1; }
# One letter a cell, from a pixel above its centre: grey while its button
# shows, green between a cross's arms, yellow on a nought's ring.
marks() {
    import -silent -window "$1" "$work/shot.png" 2>/dev/null || return 1
    local format="" cell
    for cell in 1 2 3 4 5 6 7 8 9; do
        read -r x y <<<"$(cell_xy "$1" "$cell")"; y=$((y - 11))
        format+="%[fx:(p{$x,$y}.r>0.7&&p{$x,$y}.b>0.7&&abs(p{$x,$y}.r-p{$x,$y}.b)<0.07)?0:1]"
    done
    convert "$work/shot.png" -format "$format" info: | tr 01 .x
}
shows() { [ "$(marks "$1")" = "$2" ]; }
# The words heard next, after those of the last call: a whole line matching
# an extended regular expression.
said_next() { local at; at=$(awk -v re="^($1)\$" -v from="$said" 'NR > from && $0 ~ re { print NR; exit }' "$listened"); [ -n "$at" ] && said=$at; }
heard() { [ "${VELMORA_SESSION:-}" != bus ] || wait_for 5 said_next "$1" || fail "no one heard '$1' after line $said"; }

if [ "${VELMORA_SESSION:-}" = bus ]; then
    /usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$work/bus.log" & launcher=$!
    wait_for 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress &>/dev/null \
        || { echo "SKIP: the accessibility bus did not start: $(cat "$work/bus.log")"; exit 77; }
    timeout 80 /usr/bin/python3 "$(dirname "$0")/listen.py" >"$listened" 2>&1 & listener=$!
    wait_for 10 grep -sqx listening "$listened" || fail "the listener did not start: $(cat "$listened")"
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
fi

mkdir -p "$work/config"
HOME=$work XDG_CONFIG_HOME=$work/config "$binary" >"$work/log" 2>&1 & pid=$!
step="handing over to the two-player window"
wait_for 15 titled Velmora || fail "no board window within 15 s"
board=$found menu=$(($(xwininfo -id "$found" | awk '/Height:/ { print $2 }') - 201))
wait_for 5 shows "$board" "........." || fail "the board shows $(marks "$board")"
# Docks match windows to the launcher by the class its desktop file names.
[ "$(xprop -id "$board" WM_CLASS)" = 'WM_CLASS(STRING) = "velmora", "velmora"' ] || fail "WM_CLASS is not velmora"
[ ! -e "$work/config/Velmora.ini" ] || fail "a settings file appeared before any setting changed"

step="a two-player win by keys and clicks, digits after menus closed with Escape"
key "$board" alt+f Escape 5
heard "description: croix, centre ; au tour du joueur 2"
click "$board" 1
# Fichier, clicked
xdotool mousemove --window "$board" 20 $((menu / 2)) click 1 sleep 0.3 key Escape 9
heard "description: croix, haut droite ; au tour du joueur 2"
click "$board" 2
key "$board" 1
wait_for 5 titled "Partie terminée!" || fail "no end-of-game box"
heard "description: croix, bas gauche"
key "$found" Return
wait_for 5 gone "$found" || fail "Return did not close the box"
wait_for 5 shows "$board" "........." || fail "the board was not reset: $(marks "$board")"

step="English from the menu, then Easy by F5"
key "$board" alt+o l a
# Without a window manager the board has the focus back only now.
heard "focus: Plateau de jeu \\| Jouez avec les touches 1 à 9.*"
wait_for 5 file_is "41 0d 0d 0a" || fail "the file reads '$(bytes)'"
sleep 0.3; key "$board" F5
wait_for 5 titled Velmora "$board" || fail "F5 showed no window against the computer"
computer=$found
wait_for 5 file_is "41 0d 46 0d 0a" || fail "the file reads '$(bytes)'"
gone "$board" || fail "the two-player window stayed visible"

step="the computer's replies to a click and to Space"
heard "focus: top left, empty \\| your turn"
click "$computer" 5
played() { local m; m=$(marks "$computer") && [ "${m:4:1}" = x ] && [ "$(tr -cd x <<<"$m")" = "$1" ]; }
wait_for 5 played xx || fail "after the centre the board shows $(marks "$computer")"
heard "description: cross, centre; nought, [a-z ]+; your turn"
key "$computer" space
wait_for 5 played xxxx || fail "after Space the board shows $(marks "$computer")"
heard "description: cross, (top|middle) [a-z]+; nought, [a-z ]+; your turn"

step="quitting with Ctrl+W"
key "$computer" ctrl+w
status=0; wait_for 10 bash -c "! kill -0 $pid 2>/dev/null" || fail "still running 10 s after Ctrl+W"
wait "$pid" || status=$?; pid=
[ "$status" -eq 0 ] || fail "exit status $status"
file_is "41 0d 46 0d 0a" || fail "after quitting the file reads '$(bytes)'"
echo "PASS: two-player win by keys, clicks and digits after menus, box answered, English, Easy by F5, replies seen, Ctrl+W"
