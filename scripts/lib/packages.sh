# SPDX-FileCopyrightText: 2026 the Velmora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages named as arguments that are not installed yet.

# Packages to build and run the game.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
    fonts-dejavu-core)

# Packages to hear the game as a screen reader does: a private session bus,
# the accessibility bus and a client of it.
SPEECH_PACKAGES=(dbus-daemon dbus-bin at-spi2-core python3-pyatspi)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
