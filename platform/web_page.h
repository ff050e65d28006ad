// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

namespace velmora {

// Hands the address to the desktop's browser and returns at once. False,
// and logged, when no browser could be started: none found (on X11 and
// Wayland Qt looks for xdg-open, then a few browsers, on PATH) or the one
// found would not run. Whether the page then opens is not known here.
bool openWebPage(const QUrl& url);

} // namespace velmora
