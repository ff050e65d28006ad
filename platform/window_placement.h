// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace velmora {

// Moves the window to the middle of the primary screen's free area. Under
// Wayland the compositor places windows itself and this is only a request.
void centreOnScreen(QWidget& window);

} // namespace velmora
