// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

namespace velmora {

// Hands the address to the desktop's browser and returns at once; the
// outcome is only logged.
void openWebPage(const QUrl& url);

} // namespace velmora
