// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/game_types.h"

namespace velmora {

const GameType* gameTypeOfCode(const QString& code)
{
    for (const GameType& type : kGameTypes) {
        if (code == QLatin1String(type.code))
            return &type;
    }
    return nullptr;
}

const GameType& gameTypeOfLevel(Level level)
{
    for (const GameType& type : kGameTypes) {
        if (type.level == level)
            return type;
    }
    return kGameTypes.front();
}

const char* levelNameKey(const QString& code)
{
    const GameType* type = gameTypeOfCode(code);
    return type != nullptr && type->level != NoLevel ? type->nameKey : gameTypeOfLevel(Medium).nameKey;
}

} // namespace velmora
