# SPDX-FileCopyrightText: 2026 the Velmora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs a build into a scratch folder (as DESTDIR) and checks that the
# desktop entry, the metainfo and the icons are where desktops and software
# centres look for them, under the names they refer to each other by.
#
# cmake -DBUILD_DIR=... -DSTAGE=... -DDATADIR=... -DPREFIX=... -DDESKTOP_ID=...
#       -DICON_SIZES=16;32;... [-DCONFIG=...] [-DPROGRAM=... -DBINDIR=...]
#       [-DAPPSTREAMCLI=...] -P check-install.cmake
#
#   BUILD_DIR     the build folder to install
#   STAGE         scratch folder, emptied first
#   DATADIR       the absolute data folder (CMAKE_INSTALL_FULL_DATADIR)
#   PREFIX        the install prefix (CMAKE_INSTALL_PREFIX)
#   DESKTOP_ID    the desktop id the files are named after
#   ICON_SIZES    the pixel sizes of the PNG icons
#   CONFIG        configuration for multi-config generators, may be empty
#   PROGRAM       the built program; must exist and be installed to BINDIR
#   APPSTREAMCLI  when given, the installed tree is validated with it too

foreach(var IN ITEMS BUILD_DIR STAGE DATADIR PREFIX DESKTOP_ID ICON_SIZES)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        message(FATAL_ERROR "check-install.cmake: ${var} is not set")
    endif()
endforeach()

if(PROGRAM AND NOT EXISTS "${PROGRAM}")
    message(FATAL_ERROR "The program ${PROGRAM} is not built; build the project before running the tests")
endif()

file(REMOVE_RECURSE "${STAGE}")
set(ENV{DESTDIR} "${STAGE}")
set(install_args --install "${BUILD_DIR}")
if(CONFIG)
    list(APPEND install_args --config "${CONFIG}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" ${install_args}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${status}):\n${output}")
endif()

set(problems "")
macro(problem text)
    list(APPEND problems "${text}")
endmacro()

set(share "${STAGE}${DATADIR}")

# The desktop entry, in the applications folder of the data folder.
set(desktop "${share}/applications/${DESKTOP_ID}.desktop")
if(NOT EXISTS "${desktop}")
    problem("no desktop entry at ${desktop}")
else()
    # The keys of the [Desktop Entry] group, one per line. (Read whole:
    # the values hold semicolons, which CMake lists would split on.)
    file(READ "${desktop}" text)
    string(REPLACE "\r" "" text "\n${text}")
    string(FIND "${text}" "\n[Desktop Entry]\n" at)
    set(group "")
    if(at GREATER -1)
        math(EXPR at "${at} + 16") # keep the newline before the first key
        string(SUBSTRING "${text}" ${at} -1 group)
        string(REGEX REPLACE "\n\\[.*" "" group "${group}")
    endif()
    foreach(key IN ITEMS Type Icon Exec Categories NoDisplay Hidden)
        set(${key} "")
        if(group MATCHES "\n${key}=([^\n]*)")
            set(${key} "${CMAKE_MATCH_1}")
        endif()
    endforeach()
    string(REGEX REPLACE " .*" "" exec "${Exec}")
    string(REPLACE ";" "|" categories "|${Categories}")
    set(hidden FALSE)
    if(NoDisplay STREQUAL "true" OR Hidden STREQUAL "true")
        set(hidden TRUE)
    endif()
    if(NOT Type STREQUAL "Application")
        problem("the desktop entry's Type is \"${Type}\", not Application")
    endif()
    # Without the main category the menu files it under "Other".
    if(NOT categories MATCHES "\\|Game\\|")
        problem("the desktop entry's Categories do not include Game")
    endif()
    if(hidden)
        problem("the desktop entry hides itself from the menu (NoDisplay or Hidden)")
    endif()
    if(NOT Icon STREQUAL DESKTOP_ID)
        problem("the desktop entry's Icon is \"${Icon}\", not the desktop id ${DESKTOP_ID}")
    endif()
    if(PROGRAM)
        get_filename_component(program_name "${PROGRAM}" NAME)
        if(NOT exec STREQUAL program_name)
            problem("the desktop entry runs \"${exec}\" but the program is called ${program_name}")
        endif()
        if(NOT EXISTS "${STAGE}${BINDIR}/${program_name}")
            problem("the program is not installed at ${STAGE}${BINDIR}/${program_name}")
        endif()
    elseif(exec STREQUAL "")
        problem("the desktop entry has no Exec key")
    endif()
endif()

# The metainfo, naming the same id and the desktop entry.
set(metainfo "${share}/metainfo/${DESKTOP_ID}.metainfo.xml")
if(NOT EXISTS "${metainfo}")
    problem("no metainfo at ${metainfo}")
else()
    file(READ "${metainfo}" text)
    string(FIND "${text}" "<id>${DESKTOP_ID}</id>" at)
    if(at EQUAL -1)
        problem("the metainfo's <id> is not ${DESKTOP_ID}")
    endif()
    string(FIND "${text}" "<launchable type=\"desktop-id\">${DESKTOP_ID}.desktop</launchable>" at)
    if(at EQUAL -1)
        problem("the metainfo does not launch ${DESKTOP_ID}.desktop")
    endif()
endif()

# The icons, in the hicolor theme under the name the entry's Icon key gives,
# each PNG as large as the folder it is in says.
set(hicolor "${share}/icons/hicolor")
foreach(size IN LISTS ICON_SIZES)
    set(png "${hicolor}/${size}x${size}/apps/${DESKTOP_ID}.png")
    if(NOT EXISTS "${png}")
        problem("no ${size}x${size} icon at ${png}")
        continue()
    endif()
    file(READ "${png}" head LIMIT 24 HEX)
    string(SUBSTRING "${head}" 0 16 signature)
    string(SUBSTRING "${head}" 32 8 width_hex)
    string(SUBSTRING "${head}" 40 8 height_hex)
    if(NOT signature STREQUAL "89504e470d0a1a0a")
        problem("${png} is not a PNG file")
        continue()
    endif()
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        problem("${png} is ${width}x${height}, not ${size}x${size}")
    endif()
endforeach()
set(svg "${hicolor}/scalable/apps/${DESKTOP_ID}.svg")
if(NOT EXISTS "${svg}")
    problem("no scalable icon at ${svg}")
else()
    file(READ "${svg}" text)
    if(NOT text MATCHES "<svg[ \n]")
        problem("${svg} is not an SVG file")
    endif()
endif()

# AppStream's own look at the installed tree: metainfo, entry and icon together.
if(APPSTREAMCLI)
    execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net "${STAGE}${PREFIX}"
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0 OR output MATCHES "W: [^ ]+:")
        problem("appstreamcli validate-tree found faults:\n${output}")
    endif()
endif()

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Installed desktop files are wrong:\n  ${text}")
endif()
message(STATUS "Desktop entry, metainfo and ${DESKTOP_ID} icons installed under ${share}")
