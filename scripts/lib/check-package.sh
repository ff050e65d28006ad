#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a user gets it: scripts/package builds it and runs
# lintian; here its contents are listed and checked, the version and the
# release date compared between the files that give them, and the program is
# run from the unpacked tree on the X server :N given, until the welcome
# window and then the board window show; the Qt plugins it loaded must come
# with `apt install --no-install-recommends` of the package; Ctrl+W must end
# it with status 0.
#   scripts/lib/check-package.sh :N
set -euo pipefail
cd "$(dirname "$0")/../.."
export DISPLAY=${1:?usage: check-package.sh :N}
export LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR

source scripts/lib/packages.sh
source scripts/lib/windows.sh
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
version=$(dpkg-deb -f "$package" Version)
zcat "$work/root/usr/share/doc/velmora/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] || fail "the changelog is not of version $version"
released=$(date --utc --date="$(dpkg-parsechangelog -l "$work/changelog" -S Date)" +%F)
grep -q "<release version=\"$version\" date=\"$released\">" "$work/root/usr/share/metainfo/org.velmora.Velmora.metainfo.xml" ||
    fail "the metainfo has no release $version of $released, as the changelog has"
zcat "$work/root/usr/share/man/man6/velmora.6.gz" | grep -qx "\.TH VELMORA 6 $released \"Velmora $version\" \"Games\"" ||
    fail "the manual page is not of version $version of $released"

# What `apt install --no-install-recommends` of the package brings to a system
# with nothing installed: apt simulates it against an empty package status.
ls /var/lib/apt/lists/*_Packages >/dev/null 2>&1 || as_root apt-get update -qq
: >"$work/status"
apt-get -o Dir::State::status="$work/status" install --simulate --no-install-recommends "./$package" \
    >"$work/closure.log" 2>&1 || { cat "$work/closure.log" >&2; fail "apt cannot install it without recommended packages"; }
awk '/^Inst / { print $2 }' "$work/closure.log" | sort -u >"$work/closure"
echo "package: installing it without recommended packages installs $(wc -l <"$work/closure") packages"

mkdir -p "$work/home"
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config "$work/root/usr/games/velmora" >"$work/velmora.log" 2>&1 &
velmora_pid=$!
welcome=$(wait_window --classname '^velmora$') || fail "the unpacked program showed no window"
# A key on the welcome window hands over to the board.
xdotool windowfocus --sync "$welcome" key space || fail "cannot type on the welcome window"
board=$(wait_window --name '^Velmora$') || fail "the board window did not follow the welcome window"
# dpkg-shlibdeps sees the libraries the program links to, not the Qt plugins
# it loads at run time (window system, image formats, input), nor where they
# come from.
awk '$6 ~ /\/qt6\/plugins\/.*\.so$/ { print $6 }' "/proc/$velmora_pid/maps" | sort -u >"$work/plugins"
grep -q '/platforms/libqxcb\.so$' "$work/plugins" || fail "the program did not load Qt's xcb plugin"
while read -r plugin; do
    owner=$(dpkg -S "$plugin" | cut -d: -f1)
    grep -qx -- "$owner" "$work/closure" || fail "$plugin comes with $owner, which an installation without recommended packages leaves out"
done <"$work/plugins"
echo "package: the Qt plugins it loaded come with it: $(xargs -n1 basename <"$work/plugins" | tr '\n' ' ')"
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
