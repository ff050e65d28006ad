// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMainWindow;

namespace velmora {

// Builds the menu bar that both board windows share, with the laid-out
// captions, the shortcuts and the check marks of a new window. Every
// item and submenu is named after its control, so it can be found with
// findChild.
void buildBoardMenus(QMainWindow& window);

} // namespace velmora
