// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/language.h"

namespace velmora {

const LanguageInfo& languageInfo(Language language)
{
    for (const LanguageInfo& info : kLanguages) {
        if (info.language == language)
            return info;
    }
    return kLanguages.front();
}

std::size_t languageIndex(Language language)
{
    return static_cast<std::size_t>(&languageInfo(language) - kLanguages.data());
}

std::optional<Language> languageOrNone(const QString& lan)
{
    for (const LanguageInfo& info : kLanguages) {
        if (lan == QLatin1String(info.code))
            return info.language;
    }
    return std::nullopt;
}

Language languageOrFrench(const QString& lan)
{
    return languageOrNone(lan).value_or(Language::French);
}

Language languageOrEnglish(const QString& lan)
{
    return languageOrNone(lan).value_or(Language::English);
}

QString languageCode(Language language)
{
    return QLatin1String(languageInfo(language).code);
}

} // namespace velmora
