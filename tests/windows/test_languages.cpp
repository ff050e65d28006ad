// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// French and English: the menu captions of both board windows, their status
// bars, the About and print windows, Qt's own texts and the settings file.

#include "platform/qt_translation.h"
#include "settings/captions.h"
#include "support/gui_support.h"
#include "windows/about_window.h"
#include "windows/computer_window.h"
#include "windows/print_window.h"
#include "windows/two_player_window.h"

#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

// A few items, and how the player reads them: laid out, in French, in English.
const QStringList kItems = {"fichier", "propimpri", "option1", "joueur", "apropos"};
const QList<QStringList> kItemTexts = {{"&Fichier", "&Propiété Imprimante", "&Option", "&2 Jouers", "A &propos"},
    {"&Fichier", "&Propriété Imprimante", "&Options", "&2 Joueur", "A &propos"},
    {"&Files", "&Configuration", "&Option", "&2 Players", "&About"}};
const QStringList kLaidOut = {"2 Joueurs", "Joueur : 1", "", "A propos", "Imprimer",
    "Impression de grille pour jouer au Velmora (par 15) ", "&Imprimer", "&Annuler"};
const QStringList kFrench
    = {"A propos", "Imprimer", "Impression de grille pour jouer au Velmora (par 15)", "&Imprimer", "&Annuler"};
const QStringList kEnglish = {"About", "Print", "Impression of grid to play Velmora (by 15)", "&Print", "&Cancel"};

// Every text and check mark a language changes: the status panels, the About
// and print windows, the captioned items on which the two board windows
// differ, then per board window the items above and the language marks.
QStringList everything(Program& program)
{
    BoardWindow* const boards[] = {&program.velmora(), &program.velmoraco()};
    QWidget& print = program.printer1();
    QStringList texts
        = {statusText(*boards[0], "Panel1"), statusText(*boards[0], "Panel2"), statusText(*boards[1], "Panel1"),
            program.apropos().windowTitle(), print.windowTitle(), print.findChild<QLabel*>("Label1")->text(),
            print.findChild<QPushButton*>("Command1")->text(), print.findChild<QPushButton*>("Command2")->text(), ""};
    for (const char* item : captionedMenuItems())
        texts.last() += boards[0]->menuItem(item)->text() == boards[1]->menuItem(item)->text() ? "" : item;
    for (BoardWindow* window : boards) {
        for (const QString& item : kItems)
            texts << window->menuItem(qPrintable(item))->text();
        texts << checkedItems(*window, {"franc", "angl"}).join('+');
    }
    return texts;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theLaidOutTextsStayUntilALanguageIsSet()
    {
        TestProgram test;
        test.program().continueStartUp();
        TwoPlayerWindow& velmora = test.program().velmora();
        QCOMPARE(everything(test.program()),
            kLaidOut + QStringList{""} + kItemTexts[0] + QStringList{""} + kItemTexts[0] + QStringList{"franc"});
        QVERIFY(!QFile::exists(test.settingsPath()));
        // Codes that are no language change nothing and write nothing, before
        // and after a language is applied.
        clickCells(velmora, "Mm");
        for (const auto& [language, code] : {std::pair{"", ""}, {"angl", "a"}, {"franc", "Label10"}}) {
            if (*language != '\0')
                chooseItem(velmora, language);
            const QStringList shown = everything(test.program());
            QFile::remove(test.settingsPath());
            velmora.setLan(QString::fromLatin1(code));
            velmora.lang();
            test.program().velmoraco().lang();
            QCOMPARE(everything(test.program()), shown);
            QVERIFY(!QFile::exists(test.settingsPath()));
        }
    }

    // A game type, a language chosen first from the other window (and a
    // cross then played), the window the language is chosen in, the choice,
    // the level then named, and the file written.
    void everyTextFollowsTheChosenLanguage_data()
    {
        for (const char* column : {"pt", "before", "from", "choice", "levelName", "file"})
            QTest::addColumn<QString>(column);
        // clang-format off
        QTest::newRow("English first")              << ""  << ""      << "Velmora"   << "angl"  << "Medium"     << "A\r\r\n";
        QTest::newRow("French after English")       << ""  << "angl"  << "Velmora"   << "franc" << "Normal"     << "F\r\r\n";
        QTest::newRow("English after French, Hard") << "I" << "franc" << "Velmoraco" << "angl"  << "Hard"       << "A\rI\r\n";
        QTest::newRow("French, Easy")               << "F" << "angl"  << "Velmoraco" << "franc" << "Facile"     << "F\rF\r\n";
        QTest::newRow("French, Hard")               << "I" << ""      << "Velmoraco" << "franc" << "Impossible" << "F\rI\r\n";
        QTest::newRow("English, Easy")              << "F" << ""      << "Velmora"   << "angl"  << "Easy"       << "A\rF\r\n";
        QTest::newRow("French, lower-case i")       << "i" << ""      << "Velmora"   << "franc" << "Normal"     << "F\ri\r\n";
        // clang-format on
    }

    void everyTextFollowsTheChosenLanguage()
    {
        QFETCH(QString, pt);
        QFETCH(QString, before);
        QFETCH(QString, from);
        QFETCH(QString, choice);
        QFETCH(QString, levelName);
        QFETCH(QString, file);
        const bool english = choice == QLatin1String("angl");
        TestProgram test;
        test.program().continueStartUp();
        TwoPlayerWindow& velmora = test.program().velmora();
        QWidget* const chosenIn = from == QLatin1String("Velmora") ? &velmora : topLevelWindow("Velmoraco");
        QWidget* const other = chosenIn == &velmora ? topLevelWindow("Velmoraco") : &velmora;
        velmora.setPt(pt);
        if (!before.isEmpty()) {
            chooseItem(*other, before);
            clickCells(velmora, "Hg");
        }
        test.program().apropos();
        test.program().printer1();

        // The turn panel keeps its player across a switch.
        chooseItem(*chosenIn, choice);
        const QString turn = QStringLiteral("%1 : %2").arg(english ? "Player" : "Joueur").arg(before.isEmpty() ? 1 : 2);
        const QStringList menus = kItemTexts[english ? 2 : 1] + QStringList{choice};
        const QStringList expected = QStringList({english ? "2 Players" : "2 Joueur", turn, levelName})
            + (english ? kEnglish : kFrench) + QStringList{""} + menus + menus;
        QCOMPARE(everything(test.program()), expected);
        QCOMPARE(qtTranslationInUse(), english ? QStringLiteral("en") : QStringLiteral("fr"));
        if (english || QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_fr.qm"))
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), english ? "Cancel" : "Annuler");

        // The language in force, chosen again from the other window, changes no
        // text and is saved again.
        QFile::remove(test.settingsPath());
        chooseItem(*other, choice);
        QCOMPARE(everything(test.program()), expected);
        QCOMPARE(test.settingsBytes(), file.toLatin1());
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
