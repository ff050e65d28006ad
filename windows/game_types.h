// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/opponent_fields.h"

#include <QString>
#include <Qt>

#include <array>

namespace velmora {

// The four game types: two people at one screen, or one person against the
// computer at one of its three levels.
struct GameType {
    const char* code; // as the settings file keeps it in `pt`
    Level level; // NoLevel: two players, in the two-player window
    const char* menuItem; // the check-mark item that chooses it
    const char* nameKey; // its name in the status bar, a caption key
    Qt::Key shortcut; // the key that chooses it from either board window
};

inline constexpr std::array<GameType, 4> kGameTypes = {{
    {"", NoLevel, "joueur", "Panel.twoPlayers", Qt::Key_F8},
    {"F", Easy, "facile", "Level.F", Qt::Key_F5},
    {"N", Medium, "Normal", "Level.N", Qt::Key_F6},
    {"I", Hard, "Impo", "Level.I", Qt::Key_F7},
}};

// The game type stored under `code`, compared exactly; none for any other.
const GameType* gameTypeOfCode(const QString& code);
// The game type that plays `level`; NoLevel is two players.
const GameType& gameTypeOfLevel(Level level);

// The name key of the level the window against the computer shows for a
// game-type code: any code that names no level shows Medium.
const char* levelNameKey(const QString& code);

} // namespace velmora
