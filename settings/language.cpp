// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/language.h"

namespace velmora {

namespace {
const QLatin1String kFrenchCode("F");
const QLatin1String kEnglishCode("A");
} // namespace

std::optional<Language> languageOrNone(const QString& lan)
{
    if (lan == kFrenchCode)
        return Language::French;
    if (lan == kEnglishCode)
        return Language::English;
    return std::nullopt;
}

Language frenchUnlessEnglish(const QString& lan)
{
    return lan == kEnglishCode ? Language::English : Language::French;
}

Language englishUnlessFrench(const QString& lan)
{
    return lan == kFrenchCode ? Language::French : Language::English;
}

QString languageCode(Language language)
{
    return language == Language::French ? kFrenchCode : kEnglishCode;
}

} // namespace velmora
