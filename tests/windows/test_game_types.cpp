// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing two players or a level from either board window: which window
// shows, the check marks, the level named in the status bar, the new game,
// the settings file written at once, and the computer's replies, which run
// inside the person's click, up to the box that tells the person they lost.

#include "support/gui_support.h"
#include "windows/computer_window.h"
#include "windows/two_player_window.h"

#include <QFile>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

// The game-type items, which F5 to F8 choose in this order.
const QStringList kGameTypes = {"facile", "Normal", "Impo", "joueur"};

struct Choice {
    QString settings; // the file the program starts on; none when empty
    QString before; // the moves made in the window it opens
    QString choice; // an item, or its key "F5" to "F7"
    QString levelName;
    QString tp1;
    QString file; // the settings file after the choice
    QString noughts; // the computer's cells once the person plays Hg, Hm
    bool loses; // whether the computer then wins when the person plays Mg
};

} // namespace

Q_DECLARE_METATYPE(Choice)

class TestGameTypes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aLevelThenTwoPlayers_data();
    void aLevelThenTwoPlayers();
};

void TestGameTypes::aLevelThenTwoPlayers_data()
{
    QTest::addColumn<Choice>("c");
    // For Hard the game before is an edge, then the corner beside it: the
    // book has handed over to Medium. After the choice the dice fall on 9
    // and 7: Easy plays both draws; Medium plays 9, blocks the top row on 3,
    // then completes its right column rather than block the left one; Hard
    // takes the centre, then blocks.
    QTest::newRow("Easy, French") << Choice{"F\r\r\n", "Hg", "facile", "Facile", "2135", "F\rF\r\n", "79", false};
    QTest::newRow("Medium by F6, English") << Choice{"A\r\r\n", "Hg", "F6", "Medium", "2135", "A\rN\r\n", "39", true};
    // No language yet: the level is named in English, the first line stays empty.
    QTest::newRow("Hard by F7, no file") << Choice{"", "Hg", "F7", "Hard", "Label10", "\rI\r\n", "35", true};
    QTest::newRow("Easy by F5 after Hard")
        << Choice{"A\rI\r\n", "Hm Hg", "F5", "Easy", "2135", "A\rF\r\n", "79", false};
    QTest::newRow("Medium, Hard before") << Choice{
        "F\rI\r\n", "Hm Hg", "Normal", "Normal", "2135", "F\rN\r\n", "39", true};
    // Hard leaves the marker as the game before left it.
    QTest::newRow("Hard again by F7") << Choice{"A\rI\r\n", "Hm Hg", "F7", "Hard", "3", "A\rI\r\n", "35", true};
    QTest::newRow("Hard after Medium") << Choice{
        "F\rN\r\n", "Hg", "Impo", "Impossible", "2135", "F\rI\r\n", "35", true};
}

void TestGameTypes::aLevelThenTwoPlayers()
{
    QFETCH(Choice, c);
    const QString twoPlayers = c.choice.startsWith(QLatin1Char('F')) ? QStringLiteral("F8") : QStringLiteral("joueur");
    TestProgram test;
    ModalAnswerer answerer;
    if (!c.settings.isEmpty())
        test.writeSettings(c.settings.toLatin1());
    test.program().continueStartUp();
    TwoPlayerWindow& velmora = test.program().velmora();
    ComputerWindow& velmoraco = test.program().velmoraco();
    const auto twoPlayerGame = [&velmora] { return boardState(velmora) << statusText(velmora, "Panel2"); };
    QWidget& window = velmoraco.isVisible() ? static_cast<QWidget&>(velmoraco) : velmora;
    clickCells(window, c.before);
    const QStringList waiting = twoPlayerGame();
    QFile::remove(test.settingsPath());
    if (&window == &velmora) {
        // Two players in the two-player window does nothing, writes nothing.
        chooseItem(velmora, twoPlayers);
        QVERIFY(velmora.isVisible() && twoPlayerGame() == waiting && !QFile::exists(test.settingsPath()));
    }

    chooseItem(window, c.choice);
    const QString item = c.choice.startsWith(QLatin1Char('F')) ? kGameTypes.at(c.choice.mid(1).toInt() - 5) : c.choice;
    QVERIFY(velmoraco.isVisible() && !velmora.isVisible());
    QCOMPARE(checkedItems(velmoraco, kGameTypes), QStringList{item});
    QCOMPARE(checkedItems(velmora, kGameTypes), QStringList{"joueur"});
    QCOMPARE(statusText(velmoraco, "Panel1"), c.levelName);
    QCOMPARE(velmoraco.property("tp1").toString(), c.tp1);
    QCOMPARE(boardState(velmoraco), freshBoardState());
    QCOMPARE(test.settingsBytes(), c.file.toLatin1());
    // The two-player game waits, hidden, as it was left.
    QCOMPARE(twoPlayerGame(), waiting);
    test.random().script({9, 7});
    clickCells(velmoraco, "Hg Hm");
    QString noughts;
    for (int cell = 1; cell <= 9; ++cell)
        noughts += marks(velmoraco).at(cell - 1) == QLatin1String("1") ? QString::number(cell) : QString();
    QCOMPARE(noughts, c.noughts);
    // The loss is told in French whatever the language.
    clickCells(velmoraco, "Mg");
    QCOMPARE(seenBoxes(answerer), c.loses ? QStringLiteral("Partie terminée!: Bouh!!! Vous avez perdu!!!") : QString());

    // Two players from the computer's window resets the two-player game,
    // and the computer's game waits, hidden, as it was left.
    const auto computerGame = [&velmoraco] {
        return boardState(velmoraco) << statusText(velmoraco, "Panel1") << fieldTexts(velmoraco, {"typepart", "tp1"})
                                     << checkedItems(velmoraco, kGameTypes);
    };
    const QStringList left = computerGame();
    chooseItem(velmoraco, twoPlayers);
    QVERIFY(velmora.isVisible() && !velmoraco.isVisible());
    QCOMPARE(checkedItems(velmora, kGameTypes), QStringList{"joueur"});
    QCOMPARE(twoPlayerGame(), freshBoardState() << (c.file.startsWith('A') ? "Player : 1" : "Joueur : 1"));
    QCOMPARE(test.settingsBytes(), c.file.section(QLatin1Char('\r'), 0, 0).toLatin1() + "\r\r\n");
    QCOMPARE(computerGame(), left);
}

QTEST_MAIN(TestGameTypes)
#include "test_game_types.moc"
