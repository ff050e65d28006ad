// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <optional>

namespace velmora {

enum class Language { French, English };

// The languages the program speaks, in menu order. A language is added here
// and as a column of the caption table; nothing else names one.
struct LanguageInfo {
    Language language;
    const char* code; // as `Lan` and the settings file keep it
    const char* menuItem; // the check-mark item that chooses it
    const char* qtLocale; // the name of Qt's own translation
};

inline constexpr std::array<LanguageInfo, 2> kLanguages = {{
    {Language::French, "F", "franc", "fr"},
    {Language::English, "A", "angl", "en"},
}};

inline constexpr std::size_t kLanguageCount = kLanguages.size();

// The windows are laid out in French: every text is French until a language
// is applied.
inline constexpr Language kLaidOutLanguage = Language::French;

const LanguageInfo& languageInfo(Language language);
// Where the language stands in the table of languages, and in every row of
// the caption table.
std::size_t languageIndex(Language language);

// The language code `Lan` is read by three rules, each where the program's
// windows have always read it.

// Captions (menus, status bars, the About and print windows): a known code
// is its language, and any other code is no language at all, leaving every
// text as it stands.
std::optional<Language> languageOrNone(const QString& lan);

// The two-player window's own texts, and the language item a new window
// against the computer checks: French unless the code names another language.
Language languageOrFrench(const QString& lan);

// The level named on a level choice: English unless the code names another
// language.
Language languageOrEnglish(const QString& lan);

// The code that stands for a language in `Lan` and the settings file.
QString languageCode(Language language);

} // namespace velmora
