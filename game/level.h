// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmora {

// The computer's levels by their codes in `typepart`; any other number
// means the computer does not move (the window starts at 0).
enum Level : int { NoLevel = 0, Easy = 1, Medium = 2, Hard = 3 };

} // namespace velmora
