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

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>

#include <array>

using namespace velmora;
using namespace velmora::testing;

namespace {

// A few menu items as the player reads them: laid out, in French, in English.
const QList<QStringList> kSomeCaptions = {
    {"fichier", "&Fichier", "&Fichier", "&Files"},
    {"propimpri", "&Propiété Imprimante", "&Propriété Imprimante", "&Configuration"},
    {"option1", "&Option", "&Options", "&Option"},
    {"joueur", "&2 Jouers", "&2 Joueur", "&2 Players"},
    {"apropos", "A &propos", "A &propos", "&About"},
};

// Those items in one column (1 laid out, 2 French, 3 English), or as the
// window shows them; then whether the window's seventeen captions are those
// of the other board window.
QStringList captions(int column, BoardWindow* window = nullptr, BoardWindow* other = nullptr)
{
    QStringList texts;
    for (const QStringList& row : kSomeCaptions)
        texts.append(window != nullptr ? window->menuItem(qPrintable(row[0]))->text() : row.at(column));
    if (other != nullptr)
        for (const char* item : captionedMenuItems())
            texts.last() += window->menuItem(item)->text() == other->menuItem(item)->text() ? "" : item;
    return texts;
}

// The About window's title, then the print window's title, text and
// buttons, of those windows that exist.
QStringList auxiliaryTexts(Program& program)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList texts;
    if (program.hasApropos())
        texts << program.apropos().windowTitle();
    if (program.hasPrinter1()) {
        QWidget& print = program.printer1();
        texts << print.windowTitle() << print.findChild<QLabel*>("Label1")->text();
        texts << print.findChild<QPushButton*>("Command1")->text() << print.findChild<QPushButton*>("Command2")->text();
    }
    return texts;
}

const QStringList kFrench
    = {"A propos", "Imprimer", "Impression de grille pour jouer au Velmora (par 15)", "&Imprimer", "&Annuler"};
const QStringList kEnglish = {"About", "Print", "Impression of grid to play Velmora (by 15)", "&Print", "&Cancel"};

// Every text and check mark a language can change: the two-players, turn
// and level panels, the other windows, then each board window's captions
// and language check marks.
QStringList everything(Program& program)
{
    QStringList texts = {statusText(program.velmora(), "Panel1"), statusText(program.velmora(), "Panel2"),
        statusText(program.velmoraco(), "Panel1")};
    texts << auxiliaryTexts(program);
    BoardWindow* const boards[] = {&program.velmora(), &program.velmoraco()};
    for (BoardWindow* window : boards)
        texts << captions(0, window, boards[window == boards[0]]) << checkedItems(*window, {"franc", "angl"}).join('+');
    return texts;
}

struct Switch {
    const char* pt;
    const char* before; // the language chosen first, from the other window
    bool fromComputer; // where the language is then chosen
    const char* choice;
    const char* levelName;
    const char* file;
};

} // namespace

Q_DECLARE_METATYPE(Switch)

class TestLanguages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theLaidOutTextsStayUntilALanguageIsSet();
    void everyTextFollowsTheChosenLanguage_data();
    void everyTextFollowsTheChosenLanguage();
};

void TestLanguages::theLaidOutTextsStayUntilALanguageIsSet()
{
    TestProgram test;
    test.program().continueStartUp();
    TwoPlayerWindow& velmora = test.program().velmora();
    chooseItem(velmora, "apropos");
    chooseItem(velmora, "print2");
    // Laid out in French, with texts of their own.
    const QStringList laidOut = captions(1);
    QStringList expected = QStringList({"2 Joueurs", "Joueur : 1", ""})
        << kFrench << laidOut << "" << laidOut << "franc";
    expected[5] += QLatin1Char(' ');
    QCOMPARE(everything(test.program()), expected);
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

void TestLanguages::everyTextFollowsTheChosenLanguage_data()
{
    QTest::addColumn<Switch>("s");
    QTest::newRow("English first, two players") << Switch{"", "", false, "angl", "Medium", "A\r\r\n"};
    QTest::newRow("French after English, two players") << Switch{"", "angl", false, "franc", "Normal", "F\r\r\n"};
    QTest::newRow("English after French, Hard") << Switch{"I", "franc", true, "angl", "Hard", "A\rI\r\n"};
    QTest::newRow("French after English, Easy") << Switch{"F", "angl", true, "franc", "Facile", "F\rF\r\n"};
    QTest::newRow("French, Hard") << Switch{"I", "", true, "franc", "Impossible", "F\rI\r\n"};
    QTest::newRow("English, Easy") << Switch{"F", "", false, "angl", "Easy", "A\rF\r\n"};
    QTest::newRow("French, Medium") << Switch{"N", "", true, "franc", "Normal", "F\rN\r\n"};
    QTest::newRow("French, lower-case game type") << Switch{"i", "", false, "franc", "Normal", "F\ri\r\n"};
}

void TestLanguages::everyTextFollowsTheChosenLanguage()
{
    QFETCH(Switch, s);
    const bool english = QLatin1String(s.choice) == QLatin1String("angl");
    const bool midGame = *s.before != '\0';
    TestProgram test;
    test.program().continueStartUp();
    TwoPlayerWindow& velmora = test.program().velmora();
    QWidget* const windows[] = {&velmora, &test.program().velmoraco()};
    velmora.setPt(QString::fromLatin1(s.pt));
    if (midGame) {
        chooseItem(*windows[!s.fromComputer], s.before);
        clickCells(velmora, "Hg");
    }
    chooseItem(velmora, "apropos");
    chooseItem(velmora, "print2");

    // The turn panel keeps its player across a switch.
    chooseItem(*windows[s.fromComputer], s.choice);
    const QString turn = QStringLiteral("%1 : %2").arg(english ? "Player" : "Joueur").arg(midGame ? 2 : 1);
    const QStringList menus = captions(english ? 3 : 2) << QString::fromLatin1(s.choice);
    const QStringList expected = QStringList({english ? "2 Players" : "2 Joueur", turn, s.levelName})
        << (english ? kEnglish : kFrench) << menus << menus;
    QCOMPARE(everything(test.program()), expected);
    QCOMPARE(qtTranslationInUse(), english ? QStringLiteral("en") : QStringLiteral("fr"));
    if (english || QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_fr.qm"))
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), english ? "Cancel" : "Annuler");

    // The language in force, chosen again from the other window, changes no
    // text and is saved again.
    QFile::remove(test.settingsPath());
    chooseItem(*windows[!s.fromComputer], s.choice);
    QCOMPARE(everything(test.program()), expected);
    QCOMPARE(test.settingsBytes(), QByteArray(s.file));
}

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
