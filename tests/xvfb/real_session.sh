#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmora developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The game as a person meets it: the real binary on a private X server, with
# a fresh home folder, driven from outside with xdotool and checked on
# screenshots of its windows.
#
#   real_session.sh path/to/velmora
#
# The X server is the one named by VELMORA_TEST_DISPLAY (scripts/test starts
# one and sets it). Without it the session is skipped (exit status 77), unless
# VELMORA_REQUIRE_TEST_DISPLAY=1 says it must run, as scripts/test does; then
# a missing display is a failure.
set -euo pipefail

binary=${1:?usage: real_session.sh path/to/velmora}

if [ -z "${VELMORA_TEST_DISPLAY:-}" ]; then
    if [ "${VELMORA_REQUIRE_TEST_DISPLAY:-0}" = 1 ]; then
        echo "FAIL: VELMORA_TEST_DISPLAY is not set, but this run requires the real session" >&2
        exit 1
    fi
    echo "SKIP: no private X server; run scripts/test, or start Xvfb and set VELMORA_TEST_DISPLAY=:N"
    exit 77
fi

# Window titles are UTF-8; the tools must read them as such.
export LC_ALL=C.UTF-8
export DISPLAY=$VELMORA_TEST_DISPLAY
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME

work=$(mktemp -d)
velmora_pid=
keeper_pid=
step="starting"

finish() {
    local status=$?
    local pid
    for pid in $velmora_pid $keeper_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
        echo "--- the game's own output:"
        cat "$work/velmora.log" 2>/dev/null || true
        echo "--- screenshots kept in $work"
    else
        rm -rf "$work"
    fi
}
trap finish EXIT

fail() {
    echo "FAIL while $step: $*" >&2
    exit 1
}

for tool in xdotool xwininfo xdpyinfo xprop import convert; do
    command -v "$tool" >/dev/null || fail "the tool $tool is missing (packages xdotool, x11-utils, imagemagick)"
done
xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 || fail "no X server answers on $DISPLAY"

# Polls a command until it succeeds, every 50 ms, for at most $1 seconds.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

visible_windows() {
    xdotool search --onlyvisible --classname '^velmora$' 2>/dev/null || true
}

# The one visible window titled "Velmora" other than $1 (may be empty);
# sets found_window.
found_window=
one_board_window_besides() {
    local ids
    ids=$(xdotool search --onlyvisible --name '^Velmora$' 2>/dev/null | grep -vx -- "${1:-none}" || true)
    [ -n "$ids" ] && [ "$(wc -l <<<"$ids")" -eq 1 ] || return 1
    found_window=$ids
}

# The visible window whose title is exactly $1; sets found_window. WM_NAME
# carries Qt's UTF-8 bytes as Latin-1, so xdotool's pattern only narrows
# the search and the UTF-8 title decides.
window_titled() {
    local id
    for id in $(xdotool search --onlyvisible --name "^${1:0:6}" 2>/dev/null || true); do
        if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ]; then
            found_window=$id
            return 0
        fi
    done
    return 1
}

window_is_gone() {
    ! visible_windows | grep -qx -- "$1"
}

size_of() {
    xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'
}

# Keys go to the window with the keyboard focus. There is no window manager
# to activate a window (xdotool windowactivate needs one), so the focus is
# set directly, as a window manager would on a click.
focus() {
    xdotool windowfocus --sync "$1" || fail "cannot give the keyboard focus to window $1"
}

# --- Screenshots -------------------------------------------------------------

menu_bar=0
cell_centre() { # cell 1..9 -> "x y" inside the board window
    local row=$((($1 - 1) / 3)) column=$((($1 - 1) % 3))
    echo "$((16 + 20 + 56 * column)) $((menu_bar + 16 + 20 + 56 * row))"
}

# Reads a screenshot of window $1 into: board (the nine cells as X, O, "."
# for an empty cell's button and "?" for anything else, row by row) and
# board_point (the RGB of the green board outside the grid, near its corner).
board=
board_point=
shot_number=0
read_board() {
    shot_number=$((shot_number + 1))
    local file
    file=$work/shot-$shot_number.png
    import -silent -window "$1" "$file" 2>/dev/null || return 1
    local format="" cell x y
    rgb() { format+="%[fx:int(255*p{$1,$2}.r+.5)],%[fx:int(255*p{$1,$2}.g+.5)],%[fx:int(255*p{$1,$2}.b+.5)] "; }
    rgb 4 $((menu_bar + 4))
    # Per cell: the centre, a point 11 pixels above it and one 10 to its
    # left. A cross is white at the centre with green between its arms; a
    # nought is green at the centre on a yellow ring; a button is light grey.
    for cell in 1 2 3 4 5 6 7 8 9; do
        read -r x y <<<"$(cell_centre "$cell")"
        rgb "$x" "$y"
        rgb "$x" $((y - 11))
        rgb $((x - 10)) "$y"
    done
    local samples
    read -ra samples <<<"$(convert "$file" -format "$format" info:)" || return 1
    [ "${#samples[@]}" -eq 28 ] || return 1
    board_point=${samples[0]}
    board=
    for cell in 0 1 2 3 4 5 6 7 8; do
        local centre=${samples[$((1 + 3 * cell))]} above=${samples[$((2 + 3 * cell))]}
        local left=${samples[$((3 + 3 * cell))]}
        if is_white "$centre" && is_green "$above" && is_green "$left"; then
            board+=X
        elif is_green "$centre" && is_yellow "$above" && is_yellow "$left"; then
            board+=O
        elif is_light_grey "$centre" && is_light_grey "$above" && is_light_grey "$left"; then
            board+=.
        else
            board+="?"
        fi
    done
}

channels() { IFS=, read -r r g b <<<"$1"; }
is_white() { local r g b; channels "$1"; [ "$r" -ge 220 ] && [ "$g" -ge 220 ] && [ "$b" -ge 220 ]; }
is_green() { local r g b; channels "$1"; [ "$r" -le 40 ] && [ "$g" -ge 100 ] && [ "$g" -le 160 ] && [ "$b" -le 40 ]; }
is_yellow() { local r g b; channels "$1"; [ "$r" -ge 200 ] && [ "$g" -ge 160 ] && [ "$g" -le 240 ] && [ "$b" -le 90 ]; }
is_light_grey() {
    local r g b
    channels "$1"
    [ "$r" -ge 180 ] && [ "$g" -ge 180 ] && [ "$b" -ge 180 ] && [ $((r > g ? r - g : g - r)) -le 16 ] \
        && [ $((g > b ? g - b : b - g)) -le 16 ]
}

board_reads() { # window expected
    read_board "$1" && [ "$board" = "$2" ]
}

# Waits until window $1 shows the cells $2; a person sees the result of a
# move at once, so a few seconds is generous.
expect_board() {
    wait_for 5 board_reads "$1" "$2" || fail "the board shows '$board', expected '$2' (shot $work/shot-$shot_number.png)"
    [ "$board_point" = "0,128,0" ] || fail "the board is not green RGB(0,128,0) outside the grid: $board_point"
}

click_cell() { # window cell
    local x y
    read -r x y <<<"$(cell_centre "$2")"
    xdotool mousemove --window "$1" "$x" "$y" click 1
}

settings_file=$work/config/Velmora.ini
settings_bytes() {
    [ -f "$settings_file" ] && od -An -tx1 "$settings_file" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'
}
settings_are() {
    [ "$(settings_bytes)" = "$1" ]
}

# --- The session ---------------------------------------------------------------

# An X server started without -noreset resets when its last client leaves,
# and drops any connection that arrives meanwhile: the game's own among them,
# since every xdotool call here comes and goes. One client stays connected
# for the whole session.
step="holding the display"
hold_display() {
    xprop -root -spy _VELMORA_TEST_KEEPER >/dev/null 2>&1 &
    keeper_pid=$!
    sleep 0.2
    kill -0 "$keeper_pid" 2>/dev/null
}
wait_for 10 hold_display || fail "cannot stay connected to $DISPLAY"

mkdir -p "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
step="starting the game"
HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
    "$binary" >"$work/velmora.log" 2>&1 &
velmora_pid=$!

step="waiting for the welcome window"
welcome_shown() {
    local ids
    ids=$(visible_windows)
    [ -n "$ids" ] || return 1
    welcome=$(head -n1 <<<"$ids")
}
wait_for 15 welcome_shown || fail "no window appeared within 15 s"
# 6090 × 3930 twips, with no frame of its own.
[ "$(size_of "$welcome")" = "406x262" ] || fail "the first window is $(size_of "$welcome"), not the welcome window"
# Docks match the windows to the launcher by the class the desktop file names.
class=$(xprop -id "$welcome" WM_CLASS)
[ "${class##*, }" = '"velmora"' ] || fail "the window class is not \"velmora\": $class"

step="waiting for the board to replace the welcome window"
board_replaces_welcome() {
    window_is_gone "$welcome" && one_board_window_besides "$welcome"
}
wait_for 15 board_replaces_welcome || fail "the welcome window did not give way to one board window"
two_players=$found_window
size=$(size_of "$two_players")
[ "${size%x*}" -eq 185 ] || fail "the board window is $size wide, not 185"
# The client area below the menu bar is 3015 twips, 201 pixels high.
menu_bar=$((${size#*x} - 201))
if [ "$menu_bar" -lt 10 ] || [ "$menu_bar" -gt 60 ]; then
    fail "implausible menu bar height $menu_bar"
fi
[ ! -e "$settings_file" ] || fail "a settings file exists before any setting changed"

step="playing two players with keys and clicks"
expect_board "$two_players" "........."
focus "$two_players"
xdotool key 5
expect_board "$two_players" "....X...."
click_cell "$two_players" 1
expect_board "$two_players" "O...X...."
focus "$two_players"
xdotool key 9
expect_board "$two_players" "O.X.X...."
click_cell "$two_players" 2
expect_board "$two_players" "OOX.X...."
# The key 1 is the bottom-left cell: crosses complete the rising diagonal.
focus "$two_players"
xdotool key 1

step="answering the end-of-game message"
wait_for 5 window_titled "Partie terminée!" || fail "no message box titled 'Partie terminée!'"
message=$found_window
# The box covers the top of the board; the winning cross below it is shown.
read_board "$two_players" || fail "cannot take a screenshot"
[ "${board:6:1}" = X ] || fail "behind the message the bottom-left cell is '${board:6:1}', not the winning cross"
focus "$message"
xdotool key Return
wait_for 5 window_is_gone "$message" || fail "Return did not close the message box"
expect_board "$two_players" "........."

step="switching to English from the keyboard (Alt+O, Langue, Anglais)"
focus "$two_players"
popups_at_least() { [ "$(visible_windows | wc -l)" -ge "$1" ]; }
xdotool key alt+o
wait_for 5 popups_at_least 2 || fail "Alt+O opened no menu"
xdotool key l
wait_for 5 popups_at_least 3 || fail "L opened no language submenu"
xdotool key a
wait_for 5 settings_are "41 0d 0d 0a" || fail "the settings file reads '$(settings_bytes)', not English with two players"
wait_for 5 one_board_window_besides none || fail "the menus did not close"
[ "$(visible_windows)" = "$two_players" ] || fail "other windows are still open"

step="choosing level Easy with F5"
focus "$two_players"
xdotool key F5
wait_for 5 one_board_window_besides "$two_players" || fail "F5 did not show the window against the computer"
computer=$found_window
window_is_gone "$two_players" || fail "the two-player window stayed visible"
[ "$(size_of "$computer")" = "$size" ] || fail "the computer's window is $(size_of "$computer"), not $size"
wait_for 5 settings_are "41 0d 46 0d 0a" || fail "the settings file reads '$(settings_bytes)', not English at Easy"
expect_board "$computer" "........."

step="playing one move against the computer"
click_cell "$computer" 5
reply_shown() {
    read_board "$computer" || return 1
    local noughts=${board//[^O]/} crosses=${board//[^X]/} empty=${board//[^.]/}
    [ "${board:4:1}" = X ] && [ "${#crosses}" -eq 1 ] && [ "${#noughts}" -eq 1 ] && [ "${#empty}" -eq 7 ]
}
wait_for 5 reply_shown || fail "after a cross in the centre the board shows '$board', not one cross and one nought"

step="quitting with Ctrl+W"
focus "$computer"
xdotool key ctrl+w
process_ended() { ! kill -0 "$velmora_pid" 2>/dev/null; }
wait_for 10 process_ended || fail "the game is still running 10 s after Ctrl+W"
status=0
wait "$velmora_pid" || status=$?
velmora_pid=
[ "$status" -eq 0 ] || fail "the game ended with status $status"
settings_are "41 0d 46 0d 0a" || fail "after quitting the settings file reads '$(settings_bytes)'"

echo "PASS: welcome, two-player win by keys and clicks, message answered, English, Easy, reply seen, Ctrl+W"
