// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// French and English chosen from either board window: both windows and the
// shared ones take the language, Qt's own texts follow and the choice is
// saved. The texts themselves are approved in approved-texts.txt.

#include "settings/captions.h"
#include "support/gui_support.h"
#include "windows/computer_window.h"
#include "windows/two_player_window.h"

#include <QFile>
#include <QLibraryInfo>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

// Every text of every window, then the language marks of both board windows.
QStringList everything(Program& program)
{
    return windowTexts() << checkedItems(program.velmora(), {"franc", "angl"}).join('+')
                         << checkedItems(program.velmoraco(), {"franc", "angl"}).join('+');
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void codesThatAreNoLanguageChangeNothing()
    {
        TestProgram test;
        test.program().continueStartUp();
        test.program().apropos();
        test.program().printer1();
        TwoPlayerWindow& velmora = test.program().velmora();
        QCOMPARE(everything(test.program()).last(2), QStringList({"", "franc"}));
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
        const Language language = english ? Language::English : Language::French;
        const QStringList expected = everything(test.program());
        QCOMPARE(expected.last(2), QStringList({choice, choice}));
        QCOMPARE(
            statusText(velmora, "Panel2"), caption(before.isEmpty() ? "Panel.playerOne" : "Panel.playerTwo", language));
        QCOMPARE(statusText(*topLevelWindow("Velmoraco"), "Panel1"), levelName);
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
