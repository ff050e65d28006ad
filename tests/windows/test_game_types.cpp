// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing two players or a level from either board window: which window
// shows, the check marks, the level named in the status bar, the new game,
// and the settings file written at once.

#include "support/gui_support.h"
#include "windows/computer_window.h"
#include "windows/two_player_window.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

const QStringList kEmptyBoard = {"10", "2", "3", "4", "5", "6", "7", "8", "9"};

QAction* item(QWidget& window, const QString& name)
{
    return window.findChild<QAction*>(name);
}

// The game-type items of the window that carry a check mark.
QStringList checkedGameTypes(QWidget& window)
{
    QStringList checked;
    for (const QString name : {"facile", "Normal", "Impo", "joueur"}) {
        if (item(window, name)->isChecked())
            checked.append(name);
    }
    return checked;
}

QString panel(QWidget& window, const char* name)
{
    return window.findChild<QLabel*>(name)->text();
}

QString field(QWidget& window, const char* name)
{
    return window.property(name).toString();
}

// The cells that hold a nought, as one string of cell numbers.
QString noughtCells(QObject& board)
{
    const QStringList cells = marks(board);
    QString noughts;
    for (int cell = 1; cell <= 9; ++cell) {
        if (cells.at(cell - 1) == QLatin1String("1"))
            noughts += QString::number(cell);
    }
    return noughts;
}

void click(QWidget& window, const char* cell)
{
    QTest::mouseClick(window.findChild<QPushButton*>(cell), Qt::LeftButton);
}

// Chooses a game-type item as the user does: from the menu, or with its
// function key on the active window.
bool choose(QWidget& window, const QString& name, bool byKey)
{
    if (!byKey) {
        item(window, name)->trigger();
        return true;
    }
    const QHash<QString, Qt::Key> keys
        = {{"facile", Qt::Key_F5}, {"Normal", Qt::Key_F6}, {"Impo", Qt::Key_F7}, {"joueur", Qt::Key_F8}};
    if (!activate(window))
        return false;
    QTest::keyClick(QApplication::focusWidget(), keys.value(name));
    return true;
}

// Starts the program on the given settings file, or on none.
void start(TestProgram& test, const QByteArray& settings)
{
    if (!settings.isEmpty())
        test.writeSettings(settings);
    test.program().continueStartUp();
}

} // namespace

class TestGameTypes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aLevelShowsTheComputerWindowAndStartsAGame_data();
    void aLevelShowsTheComputerWindowAndStartsAGame();
    void twoPlayersFromTheComputerWindowResetsTheTwoPlayerGame_data();
    void twoPlayersFromTheComputerWindowResetsTheTwoPlayerGame();
    void twoPlayersInTheTwoPlayerWindowDoesNothing();
    void aSteppedDownHardGameGivesWayToTheChosenLevel_data();
    void aSteppedDownHardGameGivesWayToTheChosenLevel();
};

void TestGameTypes::aLevelShowsTheComputerWindowAndStartsAGame_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<QString>("levelName");
    QTest::addColumn<QString>("typepart");
    QTest::addColumn<QString>("tp1");
    QTest::addColumn<QByteArray>("file");
    const auto row = [](const char* name, const char* settings, const char* from, const char* choice, bool byKey,
                         const char* levelName, const char* typepart, const char* tp1, const char* file) {
        QTest::newRow(name) << QByteArray(settings) << QString(from) << QString(choice) << byKey << QString(levelName)
                            << QString(typepart) << QString(tp1) << QByteArray(file);
    };
    row("Easy from two players, French", "F\r\r\n", "Velmora", "facile", false, "Facile", "1", "2135", "F\rF\r\n");
    row("Medium from two players by F6, English", "A\r\r\n", "Velmora", "Normal", true, "Medium", "2", "2135",
        "A\rN\r\n");
    // No language yet: the level is named in English, the first line stays empty.
    row("Hard from two players by F7, no settings file", "", "Velmora", "Impo", true, "Hard", "3", "Label10",
        "\rI\r\n");
    row("Easy from Hard by F5, English", "A\rI\r\n", "Velmoraco", "facile", true, "Easy", "1", "2135", "A\rF\r\n");
    // Hard leaves the marker as Medium cleared it.
    row("Hard from Medium, French", "F\rN\r\n", "Velmoraco", "Impo", false, "Impossible", "3", "2135", "F\rI\r\n");
    row("Medium again, French", "F\rN\r\n", "Velmoraco", "Normal", false, "Normal", "2", "2135", "F\rN\r\n");
    row("Hard again by F7, English", "A\rI\r\n", "Velmoraco", "Impo", true, "Hard", "3", "Label10", "A\rI\r\n");
}

void TestGameTypes::aLevelShowsTheComputerWindowAndStartsAGame()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, from);
    QFETCH(QString, choice);
    QFETCH(bool, byKey);
    QFETCH(QString, levelName);
    QFETCH(QString, typepart);
    QFETCH(QString, tp1);
    QFETCH(QByteArray, file);
    TestProgram test;
    MessageBoxAnswerer answerer;
    start(test, settings);
    TwoPlayerWindow& velmora = test.program().velmora();
    ComputerWindow& velmoraco = test.program().velmoraco();
    QWidget& window = from == QLatin1String("Velmora") ? static_cast<QWidget&>(velmora) : velmoraco;
    QVERIFY(window.isVisible());

    // A game is under way where the choice is made.
    click(window, "Hg");
    const QStringList twoPlayerBoard = marks(velmora);
    const QString twoPlayerTurn = panel(velmora, "Panel2");
    QFile::remove(test.settingsPath());

    QVERIFY(choose(window, choice, byKey));
    QVERIFY(velmoraco.isVisible());
    QVERIFY(!velmora.isVisible());
    QCOMPARE(checkedGameTypes(velmoraco), QStringList{choice});
    QCOMPARE(checkedGameTypes(velmora), QStringList{"joueur"});
    QCOMPARE(panel(velmoraco, "Panel1"), levelName);
    QCOMPARE(field(velmoraco, "typepart"), typepart);
    QCOMPARE(field(velmoraco, "tp1"), tp1);
    QCOMPARE(marks(velmoraco), kEmptyBoard);
    QCOMPARE(field(velmoraco, "nbjouer"), QStringLiteral("0"));
    QCOMPARE(field(velmoraco, "Joueur1"), QStringLiteral("0"));
    QCOMPARE(field(velmora, "pt").toLatin1(), file.split('\r').at(1));
    QCOMPARE(test.settingsBytes(), file);
    // The two-player game waits, hidden, as it was left.
    QCOMPARE(marks(velmora), twoPlayerBoard);
    QCOMPARE(panel(velmora, "Panel2"), twoPlayerTurn);
    QVERIFY(answerer.seen().isEmpty());
}

void TestGameTypes::twoPlayersFromTheComputerWindowResetsTheTwoPlayerGame_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<QString>("turn");
    QTest::addColumn<QString>("levelName");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("from the menu, English")
        << QByteArray("A\r\r\n") << false << QString("Player : 1") << QString("Easy") << QByteArray("A\r\r\n");
    QTest::newRow("by F8, French") << QByteArray("F\r\r\n") << true << QString("Joueur : 1") << QString("Facile")
                                   << QByteArray("F\r\r\n");
}

void TestGameTypes::twoPlayersFromTheComputerWindowResetsTheTwoPlayerGame()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, byKey);
    QFETCH(QString, turn);
    QFETCH(QString, levelName);
    QFETCH(QByteArray, file);
    TestProgram test;
    MessageBoxAnswerer answerer;
    start(test, settings);
    TwoPlayerWindow& velmora = test.program().velmora();
    ComputerWindow& velmoraco = test.program().velmoraco();
    click(velmora, "Hg");
    QVERIFY(choose(velmora, "facile", byKey));
    click(velmoraco, "Mm");
    const QStringList computerBoard = marks(velmoraco);
    QCOMPARE(field(velmoraco, "nbjouer"), QStringLiteral("2"));
    QFile::remove(test.settingsPath());

    QVERIFY(choose(velmoraco, "joueur", byKey));
    QVERIFY(velmora.isVisible());
    QVERIFY(!velmoraco.isVisible());
    QCOMPARE(checkedGameTypes(velmora), QStringList{"joueur"});
    QCOMPARE(marks(velmora), kEmptyBoard);
    QCOMPARE(field(velmora, "nbjouer"), QStringLiteral("0"));
    QCOMPARE(field(velmora, "Joueur1"), QStringLiteral("0"));
    QCOMPARE(panel(velmora, "Panel2"), turn);
    QCOMPARE(field(velmora, "pt"), QString());
    QCOMPARE(test.settingsBytes(), file);
    // The computer's window keeps everything while it is hidden.
    QCOMPARE(marks(velmoraco), computerBoard);
    QCOMPARE(checkedGameTypes(velmoraco), QStringList{"facile"});
    QCOMPARE(field(velmoraco, "typepart"), QStringLiteral("1"));
    QCOMPARE(field(velmoraco, "tp1"), QStringLiteral("2135"));
    QCOMPARE(panel(velmoraco, "Panel1"), levelName);
    QVERIFY(answerer.seen().isEmpty());
}

void TestGameTypes::twoPlayersInTheTwoPlayerWindowDoesNothing()
{
    TestProgram test;
    start(test, {});
    TwoPlayerWindow& velmora = test.program().velmora();
    click(velmora, "Hg");
    QVERIFY(choose(velmora, "joueur", false));
    QVERIFY(choose(velmora, "joueur", true));
    QVERIFY(velmora.isVisible());
    QVERIFY(!test.program().velmoraco().isVisible());
    QCOMPARE(checkedGameTypes(velmora), QStringList{"joueur"});
    QCOMPARE(field(velmora, "Label1"), QStringLiteral("0"));
    QCOMPARE(field(velmora, "nbjouer"), QStringLiteral("1"));
    QCOMPARE(panel(velmora, "Panel2"), QStringLiteral("Joueur : 2"));
    QCOMPARE(field(velmora, "pt"), QString());
    QVERIFY(!QFile::exists(test.settingsPath()));
}

void TestGameTypes::aSteppedDownHardGameGivesWayToTheChosenLevel_data()
{
    QTest::addColumn<bool>("fromTwoPlayers");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("typepart");
    QTest::addColumn<QString>("tp1");
    QTest::addColumn<QStringList>("noughts");
    const auto row = [](const char* name, bool fromTwoPlayers, const char* choice, const char* typepart,
                         const char* tp1, const QStringList& noughts) {
        QTest::newRow(name) << fromTwoPlayers << QString(choice) << QString(typepart) << QString(tp1) << noughts;
    };
    // The dice fall on 9, then 7, while the person plays Hg, then Hm. Easy
    // plays both draws; Medium plays 9, then blocks the top row on 3; Hard
    // answers a corner with the centre and leaves the dice alone.
    row("Easy from the computer window", false, "facile", "1", "2135", {"9", "79"});
    row("Easy from the two-player window", true, "facile", "1", "2135", {"9", "79"});
    row("Medium from the computer window", false, "Normal", "2", "2135", {"9", "39"});
    row("Medium from the two-player window", true, "Normal", "2", "2135", {"9", "39"});
    row("Hard from the computer window", false, "Impo", "3", "3", {"5"});
    row("Hard from the two-player window", true, "Impo", "3", "3", {"5"});
}

void TestGameTypes::aSteppedDownHardGameGivesWayToTheChosenLevel()
{
    QFETCH(bool, fromTwoPlayers);
    QFETCH(QString, choice);
    QFETCH(QString, typepart);
    QFETCH(QString, tp1);
    QFETCH(QStringList, noughts);
    TestProgram test;
    MessageBoxAnswerer answerer;
    start(test, "F\rI\r\n");
    TwoPlayerWindow& velmora = test.program().velmora();
    ComputerWindow& velmoraco = test.program().velmoraco();
    // An edge, then the corner beside it: the book hands over to Medium.
    click(velmoraco, "Hm");
    click(velmoraco, "Hg");
    QCOMPARE(field(velmoraco, "typepart"), QStringLiteral("2"));
    QCOMPARE(field(velmoraco, "tp1"), QStringLiteral("3"));

    if (fromTwoPlayers)
        item(velmoraco, "joueur")->trigger();
    item(fromTwoPlayers ? static_cast<QWidget&>(velmora) : velmoraco, choice)->trigger();
    QVERIFY(velmoraco.isVisible());
    QCOMPARE(field(velmoraco, "typepart"), typepart);
    QCOMPARE(field(velmoraco, "tp1"), tp1);

    test.random().script({9, 7});
    const QStringList moves = {"Hg", "Hm"};
    for (int i = 0; i < noughts.size(); ++i) {
        click(velmoraco, moves.at(i).toLatin1().constData());
        QCOMPARE(noughtCells(velmoraco), noughts.at(i));
    }
    QVERIFY(answerer.seen().isEmpty());
}

QTEST_MAIN(TestGameTypes)
#include "test_game_types.moc"
