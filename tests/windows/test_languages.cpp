// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// French and English: the menu captions of both board windows, their status
// bars, the About and print windows, Qt's own texts and the settings file.

#include "platform/qt_translation.h"
#include "support/gui_support.h"
#include "windows/computer_window.h"
#include "windows/two_player_window.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <array>

using namespace velmora;
using namespace velmora::testing;

namespace {

struct Caption {
    const char* item;
    const char* french;
    const char* english;
};

// What the player reads in the menus of either board window.
const std::array<Caption, 17> kMenuCaptions = {{
    {"fichier", "&Fichier", "&Files"},
    {"Newgame", "&Nouvelle Partie", "&New Game"},
    {"print2", "&Imprimer", "&Print"},
    {"propimpri", "&Propriété Imprimante", "&Configuration"},
    {"Exit1", "&Quitter", "&Quit"},
    {"option1", "&Options", "&Option"},
    {"tp", "&Type de Partie", "&Game Type"},
    {"co", "&Contre Ordinateur", "&Computer"},
    {"facile", "&Facile", "&Easy"},
    {"Normal", "&Normal", "&Medium"},
    {"Impo", "&Impossible", "&Hard"},
    {"joueur", "&2 Joueur", "&2 Players"},
    {"langue", "&Langue", "&Language"},
    {"franc", "&Français", "&French"},
    {"angl", "&Anglais", "&English"},
    {"Aide", "&Aide", "&Help"},
    {"apropos", "A &propos", "&About"},
}};

QStringList column(bool english)
{
    QStringList texts;
    for (const Caption& row : kMenuCaptions)
        texts.append(QString::fromUtf8(english ? row.english : row.french));
    return texts;
}

// The windows are laid out in French, with three captions of their own.
QStringList laidOutCaptions()
{
    QStringList texts = column(false);
    texts[5] = QStringLiteral("&Option");
    texts[3] = QStringLiteral("&Propiété Imprimante");
    texts[11] = QStringLiteral("&2 Jouers");
    return texts;
}

QStringList captions(QWidget& window)
{
    QStringList texts;
    for (const Caption& row : kMenuCaptions) {
        if (auto* menu = window.findChild<QMenu*>(row.item))
            texts.append(menu->menuAction()->text());
        else
            texts.append(window.findChild<QAction*>(row.item)->text());
    }
    return texts;
}

// The language items of the window that carry a check mark.
QStringList checkedLanguages(QWidget& window)
{
    QStringList checked;
    for (const QString name : {"franc", "angl"}) {
        if (window.findChild<QAction*>(name)->isChecked())
            checked.append(name);
    }
    return checked;
}

QString panel(QWidget& window, const char* name)
{
    return window.findChild<QLabel*>(name)->text();
}

// Runs a menu item, then lets the events it posted (Qt's own language
// change among them) reach the windows, as the event loop would.
void choose(QWidget& window, const QString& name)
{
    window.findChild<QAction*>(name)->trigger();
    QCoreApplication::processEvents();
}

QWidget* topLevel(const QString& name)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name)
            return window;
    }
    return nullptr;
}

QString aboutTitle()
{
    QWidget* about = topLevel(QStringLiteral("Apropos²"));
    return about != nullptr ? about->windowTitle() : QStringLiteral("<no About window>");
}

// Title, text, print button and cancel button of the print window.
QStringList printTexts()
{
    QWidget* print = topLevel(QStringLiteral("Printer1"));
    if (print == nullptr)
        return {QStringLiteral("<no print window>")};
    return {print->windowTitle(), print->findChild<QLabel*>("Label1")->text(),
        print->findChild<QPushButton*>("Command1")->text(), print->findChild<QPushButton*>("Command2")->text()};
}

const QStringList kFrenchPrint
    = {"Imprimer", "Impression de grille pour jouer au Velmora (par 15)", "&Imprimer", "&Annuler"};
const QStringList kEnglishPrint = {"Print", "Impression of grid to play Velmora (by 15)", "&Print", "&Cancel"};

// Every text and check mark that a language can change.
QStringList everything(Program& program)
{
    QStringList texts;
    for (QWidget* window : {static_cast<QWidget*>(&program.velmora()), static_cast<QWidget*>(&program.velmoraco())})
        texts << captions(*window) << checkedLanguages(*window).join('+') << panel(*window, "Panel1");
    return texts << panel(program.velmora(), "Panel2") << aboutTitle() << printTexts();
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theWindowsOpenWithTheirLaidOutTexts();
    void everyTextFollowsTheChosenLanguage_data();
    void everyTextFollowsTheChosenLanguage();
    void noLanguageCodeChangesNothing_data();
    void noLanguageCodeChangesNothing();
    void theTurnPanelKeepsItsPlayerAcrossASwitch();
    void theLevelPanelNamesTheGameType_data();
    void theLevelPanelNamesTheGameType();
    void theAboutAndPrintWindowsOpenInTheLanguageInForce();
    void qtsOwnTextsFollowTheLanguage();
};

void TestLanguages::theWindowsOpenWithTheirLaidOutTexts()
{
    TestProgram test;
    test.program().continueStartUp();
    TwoPlayerWindow& velmora = test.program().velmora();
    ComputerWindow& velmoraco = test.program().velmoraco();
    choose(velmora, "apropos");
    choose(velmora, "print2");
    QCOMPARE(captions(velmora), laidOutCaptions());
    QCOMPARE(captions(velmoraco), laidOutCaptions());
    QCOMPARE(panel(velmora, "Panel1"), QStringLiteral("2 Joueurs"));
    QCOMPARE(panel(velmora, "Panel2"), QStringLiteral("Joueur : 1"));
    QCOMPARE(panel(velmoraco, "Panel1"), QString());
    QCOMPARE(checkedLanguages(velmora), QStringList());
    QCOMPARE(checkedLanguages(velmoraco), QStringList{"franc"});
    QCOMPARE(aboutTitle(), QStringLiteral("A propos"));
    QCOMPARE(printTexts(),
        QStringList({"Imprimer", "Impression de grille pour jouer au Velmora (par 15) ", "&Imprimer", "&Annuler"}));
    QVERIFY(!QFile::exists(test.settingsPath()));
}

void TestLanguages::everyTextFollowsTheChosenLanguage_data()
{
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("levelName");
    QTest::addColumn<QByteArray>("file");

    const auto row = [](const char* name, const char* level, const char* before, const char* from, const char* choice,
                         const char* levelName, const char* file) {
        QTest::newRow(name) << QString(level) << QString(before) << QString(from) << QString(choice)
                            << QString(levelName) << QByteArray(file);
    };
    row("English from two players, first language", "", "", "Velmora", "angl", "Medium", "A\r\r\n");
    row("French after English, from two players", "", "angl", "Velmora", "franc", "Normal", "F\r\r\n");
    row("English after French, from the computer at Hard", "Impo", "franc", "Velmoraco", "angl", "Hard", "A\rI\r\n");
    row("French after English, from the computer at Easy", "facile", "angl", "Velmoraco", "franc", "Facile",
        "F\rF\r\n");
}

void TestLanguages::everyTextFollowsTheChosenLanguage()
{
    QFETCH(QString, level);
    QFETCH(QString, before);
    QFETCH(QString, from);
    QFETCH(QString, choice);
    QFETCH(QString, levelName);
    QFETCH(QByteArray, file);
    const bool english = choice == QLatin1String("angl");
    TestProgram test;
    test.program().continueStartUp();
    TwoPlayerWindow& velmora = test.program().velmora();
    ComputerWindow& velmoraco = test.program().velmoraco();
    choose(velmora, "apropos");
    choose(velmora, "print2");
    if (!level.isEmpty())
        choose(velmora, level);
    // The language before comes from the other window.
    if (!before.isEmpty())
        choose(from == QLatin1String("Velmora") ? static_cast<QWidget&>(velmoraco) : velmora, before);

    choose(from == QLatin1String("Velmora") ? static_cast<QWidget&>(velmora) : velmoraco, choice);
    QCOMPARE(velmora.property("Lan").toString(), english ? QStringLiteral("A") : QStringLiteral("F"));
    QCOMPARE(captions(velmora), column(english));
    QCOMPARE(captions(velmoraco), column(english));
    QCOMPARE(checkedLanguages(velmora), QStringList{choice});
    QCOMPARE(checkedLanguages(velmoraco), QStringList{choice});
    QCOMPARE(panel(velmora, "Panel1"), english ? QStringLiteral("2 Players") : QStringLiteral("2 Joueur"));
    QCOMPARE(panel(velmora, "Panel2"), english ? QStringLiteral("Player : 1") : QStringLiteral("Joueur : 1"));
    QCOMPARE(panel(velmoraco, "Panel1"), levelName);
    QCOMPARE(aboutTitle(), english ? QStringLiteral("About") : QStringLiteral("A propos"));
    QCOMPARE(printTexts(), english ? kEnglishPrint : kFrenchPrint);
    QCOMPARE(qtTranslationInUse(), english ? QStringLiteral("en") : QStringLiteral("fr"));
    QCOMPARE(test.settingsBytes(), file);
}

void TestLanguages::noLanguageCodeChangesNothing_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("code");
    QTest::newRow("empty code, nothing applied yet") << QString() << QString();
    QTest::newRow("lower-case a after English") << QString("angl") << QString("a");
    QTest::newRow("design value after French") << QString("franc") << QString("Label10");
}

void TestLanguages::noLanguageCodeChangesNothing()
{
    QFETCH(QString, before);
    QFETCH(QString, code);
    TestProgram test;
    test.program().continueStartUp();
    TwoPlayerWindow& velmora = test.program().velmora();
    ComputerWindow& velmoraco = test.program().velmoraco();
    choose(velmora, "apropos");
    choose(velmora, "print2");
    if (!before.isEmpty())
        choose(velmora, before);
    QTest::mouseClick(velmora.findChild<QPushButton*>("Mm"), Qt::LeftButton);
    const QStringList shown = everything(test.program());
    QFile::remove(test.settingsPath());

    velmora.setProperty("Lan", code);
    velmora.lang();
    velmoraco.lang();
    QCOMPARE(everything(test.program()), shown);
    QVERIFY(!QFile::exists(test.settingsPath()));
}

void TestLanguages::theTurnPanelKeepsItsPlayerAcrossASwitch()
{
    TestProgram test;
    test.program().continueStartUp();
    TwoPlayerWindow& velmora = test.program().velmora();
    choose(velmora, "angl");
    QCOMPARE(panel(velmora, "Panel2"), QStringLiteral("Player : 1"));
    QTest::mouseClick(velmora.findChild<QPushButton*>("Hg"), Qt::LeftButton);
    QCOMPARE(panel(velmora, "Panel2"), QStringLiteral("Player : 2"));
    choose(velmora, "franc");
    QCOMPARE(panel(velmora, "Panel2"), QStringLiteral("Joueur : 2"));

    // The language already in force changes no text and is saved again.
    const QStringList shown = everything(test.program());
    QFile::remove(test.settingsPath());
    choose(test.program().velmoraco(), "franc");
    QCOMPARE(everything(test.program()), shown);
    QCOMPARE(test.settingsBytes(), QByteArray("F\r\r\n"));

    QTest::mouseClick(velmora.findChild<QPushButton*>("Mm"), Qt::LeftButton);
    QCOMPARE(panel(velmora, "Panel2"), QStringLiteral("Joueur : 1"));
    choose(velmora, "angl");
    QCOMPARE(panel(velmora, "Panel2"), QStringLiteral("Player : 1"));
    QCOMPARE(velmora.property("nbjouer").toString(), QStringLiteral("2"));
}

void TestLanguages::theLevelPanelNamesTheGameType_data()
{
    QTest::addColumn<QString>("pt");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("levelName");
    QTest::addColumn<QByteArray>("file");
    const auto row = [](const char* name, const char* pt, const char* choice, const char* levelName, const char* file) {
        QTest::newRow(name) << QString(pt) << QString(choice) << QString(levelName) << QByteArray(file);
    };
    row("Hard, French", "I", "franc", "Impossible", "F\rI\r\n");
    row("Hard, English", "I", "angl", "Hard", "A\rI\r\n");
    row("Easy, French", "F", "franc", "Facile", "F\rF\r\n");
    row("Easy, English", "F", "angl", "Easy", "A\rF\r\n");
    row("Medium, French", "N", "franc", "Normal", "F\rN\r\n");
    row("two players, English", "", "angl", "Medium", "A\r\r\n");
    row("lower-case game type, French", "i", "franc", "Normal", "F\ri\r\n");
}

void TestLanguages::theLevelPanelNamesTheGameType()
{
    QFETCH(QString, pt);
    QFETCH(QString, choice);
    QFETCH(QString, levelName);
    QFETCH(QByteArray, file);
    TestProgram test;
    test.program().velmora().setProperty("pt", pt);
    ComputerWindow& velmoraco = test.program().velmoraco();
    choose(velmoraco, choice);
    QCOMPARE(panel(velmoraco, "Panel1"), levelName);
    QCOMPARE(test.settingsBytes(), file);
}

void TestLanguages::theAboutAndPrintWindowsOpenInTheLanguageInForce()
{
    TestProgram test;
    test.program().continueStartUp();
    TwoPlayerWindow& velmora = test.program().velmora();
    ComputerWindow& velmoraco = test.program().velmoraco();
    choose(velmora, "angl");
    choose(velmora, "apropos");
    choose(velmora, "print2");
    QCOMPARE(aboutTitle(), QStringLiteral("About"));
    QCOMPARE(printTexts(), kEnglishPrint);

    // Cancel closes the print window for good; OK only hides the About window.
    QTest::mouseClick(topLevel(QStringLiteral("Printer1"))->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    QTest::mouseClick(topLevel(QStringLiteral("Apropos²"))->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    QVERIFY(topLevel(QStringLiteral("Printer1")) == nullptr);
    QVERIFY(!topLevel(QStringLiteral("Apropos²"))->isVisible());
    choose(velmoraco, "franc");
    QCOMPARE(aboutTitle(), QStringLiteral("A propos"));
    choose(velmora, "print2");
    QCOMPARE(printTexts(), kFrenchPrint);

    // Closed with its close box, the About window goes and comes back anew.
    choose(velmora, "apropos");
    topLevel(QStringLiteral("Apropos²"))->close();
    QVERIFY(topLevel(QStringLiteral("Apropos²")) == nullptr);
    choose(velmora, "angl");
    QCOMPARE(printTexts(), kEnglishPrint);
    choose(velmora, "apropos");
    QCOMPARE(aboutTitle(), QStringLiteral("About"));
    QVERIFY(topLevel(QStringLiteral("Apropos²"))->isVisible());
}

void TestLanguages::qtsOwnTextsFollowTheLanguage()
{
    TestProgram test;
    test.program().continueStartUp();
    TwoPlayerWindow& velmora = test.program().velmora();
    const auto cancelText = [] {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Cancel);
        return box.button(QMessageBox::Cancel)->text();
    };
    choose(velmora, "angl");
    QCOMPARE(qtTranslationInUse(), QStringLiteral("en"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    QCOMPARE(cancelText(), QStringLiteral("Cancel"));

    choose(velmora, "franc");
    QCOMPARE(qtTranslationInUse(), QStringLiteral("fr"));
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_fr.qm")))
        QSKIP("Qt's French translation is not installed");
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    QCOMPARE(cancelText(), QStringLiteral("Annuler"));
}

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
