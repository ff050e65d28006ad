// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace velmora {

enum class Language { French, English };

// The language code `Lan` is read by three rules, each where the program's
// windows have always read it.

// Captions (menus, status bars, the About and print windows): "F" is French,
// "A" English, and any other code is no language at all, leaving every text
// as it stands.
std::optional<Language> languageOrNone(const QString& lan);

// The two-player window's own texts, and the language item a new window
// against the computer checks: English for "A", French for anything else.
Language frenchUnlessEnglish(const QString& lan);

// The level named on a level choice: French for "F", English for anything
// else.
Language englishUnlessFrench(const QString& lan);

// The code that stands for a language in `Lan` and the settings file.
QString languageCode(Language language);

} // namespace velmora
