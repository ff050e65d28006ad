#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Velmora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with a private X server of its own: xvfb-run picks a free
# display number (trying the next one when another server took it meanwhile),
# starts Xvfb, waits until it answers and stops it by its PID when the command
# ends. The command finds the server in DISPLAY and, for the suite's tests that
# need a real X server, in VELMORA_TEST_DISPLAY.
#   scripts/lib/with-xvfb.sh command [arguments...]
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: with-xvfb.sh command [arguments...]" >&2; exit 2; }
source "$(dirname "$0")/packages.sh"
# xvfb-run needs xauth, which xvfb only recommends.
ensure_packages xvfb xauth
# -noreset: by default the server resets whenever its last client leaves and
# drops the connections that arrive meanwhile. xvfb-run adds -nolisten tcp.
exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96 -noreset" \
    bash -c 'VELMORA_TEST_DISPLAY=$DISPLAY exec "$@"' with-xvfb.sh "$@"
