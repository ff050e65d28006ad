# SPDX-FileCopyrightText: 2026 the Velmora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DMESSAGE=<text> -P fail.cmake: fail with that text.
message(FATAL_ERROR "${MESSAGE}")
