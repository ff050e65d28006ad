# SPDX-FileCopyrightText: 2026 the Velmora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, built by scripts/package with `cpack -G DEB`: what
# `cmake --install` puts under /usr, plus the files Debian asks of every
# package (copyright, changelog, manual page), all compressed as Debian does.

set(velmora_doc_dir "${CMAKE_INSTALL_DATADIR}/doc/velmora")
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/copyright" DESTINATION "${velmora_doc_dir}")

find_program(VELMORA_GZIP gzip REQUIRED)
set(velmora_gzipped "")
foreach(pair IN ITEMS "changelog|${velmora_doc_dir}" "velmora.6|${CMAKE_INSTALL_MANDIR}/man6")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 source)
    list(GET pair 1 destination)
    set(output "${CMAKE_CURRENT_BINARY_DIR}/${source}.gz")
    # -n leaves the time stamp out, so that the same text gives the same bytes.
    add_custom_command(OUTPUT "${output}"
        COMMAND "${VELMORA_GZIP}" -9nc "${CMAKE_CURRENT_BINARY_DIR}/${source}" > "${output}"
        DEPENDS "${CMAKE_CURRENT_BINARY_DIR}/${source}" VERBATIM)
    install(FILES "${output}" DESTINATION "${destination}")
    list(APPEND velmora_gzipped "${output}")
endforeach()
add_custom_target(velmora_package_documents ALL DEPENDS ${velmora_gzipped})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "the Velmora developers")
set(CPACK_PACKAGE_CONTACT "${VELMORA_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "noughts and crosses against the computer or for two players")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VELMORA_URL_PROGRAM}")
# The libraries the program links to come from dpkg-shlibdeps. It cannot see
# the Qt plugins loaded at run time; on Debian 12 those the program loads (xcb,
# jpeg, ico, compose) come with libqt6gui6, and qt6-qpa-plugins, which it only
# recommends, holds the VNC and TUIO plugins alone. scripts/lib/check-package.sh
# checks that the plugins come with an installation without recommended packages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack puts the summary above this text and indents it; the lines are
# kept short here, as Debian asks.
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Velmora is the classic game of noughts and crosses on a three by three"
    "grid, for the desktop. Take the crosses against the computer at one of"
    "three levels, Easy, Medium or Hard, or share the board with a friend at"
    "the same screen, with the mouse or the number keys."
    "."
    "The menus are in English or in French, the game remembers the language"
    "and the last opponent, and a sheet of fifteen blank grids can be printed"
    "for games on paper.")

include(CPack)
