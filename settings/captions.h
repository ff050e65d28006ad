// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/language.h"

#include <QString>

#include <vector>

namespace velmora {

// Every text that changes with the language, by the name of what shows it.
// Menu items go by their names ("fichier", "Newgame", ... "apropos"); the
// other keys are listed in captions.cpp ("Apropos.title", "Printer1.Label1",
// "Panel.twoPlayers", "Level.F", "Box.draw", ...).
// Unknown keys give an empty text and a logged warning.
QString caption(const char* key, Language language);

// The text a window shows before any language is applied: the French
// caption, but for the few that were laid out otherwise ("&Option",
// "&2 Jouers", ...).
QString laidOutCaption(const char* key);

// The names of the seventeen menu items that `lang` captions, in menu order.
const std::vector<const char*>& captionedMenuItems();

} // namespace velmora
