// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QTranslator>

Q_LOGGING_CATEGORY(lcTranslation, "velmora.translation")

namespace velmora {

namespace {
QTranslator* installedTranslator = nullptr;
QString installedLanguage;
} // namespace

void useQtTranslation(const QString& languageName)
{
    if (languageName == installedLanguage || QCoreApplication::instance() == nullptr)
        return;
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_") + languageName, folder)) {
        // English needs no translation: Qt's own texts are English already.
        if (languageName != QLatin1String("en"))
            qCWarning(lcTranslation) << "no Qt translation for" << languageName << "in" << folder;
        delete translator;
        translator = nullptr;
    }
    if (installedTranslator != nullptr) {
        QCoreApplication::removeTranslator(installedTranslator);
        delete installedTranslator;
    }
    installedTranslator = translator;
    if (translator != nullptr)
        QCoreApplication::installTranslator(translator);
    installedLanguage = languageName;
}

} // namespace velmora
