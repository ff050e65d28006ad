#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The package is reproducible: built again by scripts/package from a copy of
# the tree in another folder, with the same SOURCE_DATE_EPOCH, it has the same
# bytes as the one scripts/package built in build-package/. Where they differ,
# diffoscope (where installed) or a list of the differing files says how.
#   scripts/lib/check-reproducible.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
package=$(ls build-package/velmora_*_amd64.deb)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: package: $*" >&2
    exit 1
}

# The files git tracks and those it does not ignore, as they are in the
# working tree, in a folder of another name and depth.
copy=$work/another/velmora-copy
mkdir -p "$copy"
git ls-files -z --cached --others --exclude-standard | tar --null --files-from=- --ignore-failed-read -cf - \
    | tar -xf - -C "$copy"
# A cached object compiled in the first folder would hide what the compiler
# writes of the second.
start=$SECONDS
SOURCE_DATE_EPOCH=$(cat build-package/source-date-epoch) CCACHE_DISABLE=1 \
    "$copy/scripts/package" --no-lintian >"$work/build.log" 2>&1 || { cat "$work/build.log" >&2; fail "the second build failed"; }
again=$(ls "$copy"/build-package/velmora_*_amd64.deb)
echo "package: built again in $copy in $((SECONDS - start)) s"
if cmp "$package" "$again"; then
    echo "package: the two builds are the same bytes ($(sha256sum <"$package" | cut -c1-16)…)"
    exit 0
fi
if command -v diffoscope >/dev/null; then
    diffoscope "$package" "$again" >&2 || true
else
    # Where the files are the same, the archives' headers differ.
    dpkg-deb --raw-extract "$package" "$work/first"
    dpkg-deb --raw-extract "$again" "$work/second"
    diff -r --brief "$work/first" "$work/second" >&2 || true
    diff <(dpkg-deb --contents "$package") <(dpkg-deb --contents "$again") >&2 || true
fi
fail "two builds of the same tree differ: $package and the one built in another folder"
