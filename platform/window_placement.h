// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace velmora {

// Moves a top-level window so that its centre is that of the primary
// screen's available area. Without a screen it stays where it is.
void centreOnScreen(QWidget& window);

} // namespace velmora
