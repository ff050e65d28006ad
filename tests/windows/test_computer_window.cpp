// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window against the computer: the reply runs inside the person's click.

#include "support/gui_support.h"
#include "windows/computer_window.h"
#include "windows/two_player_window.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

ComputerWindow& computerAt(TestProgram& test, const char* level)
{
    ComputerWindow& window = test.program().velmoraco();
    window.setProperty("typepart", level);
    window.show();
    return window;
}

} // namespace

class TestComputerWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aNewWindowFollowsTheTwoPlayerLanguageAndHasNoLevel_data();
    void aNewWindowFollowsTheTwoPlayerLanguageAndHasNoLevel();
    void theComputerRepliesWithinTheClick();
    void anEndOfGameIsAnnouncedAndResetBeforeTheClickReturns();
};

void TestComputerWindow::aNewWindowFollowsTheTwoPlayerLanguageAndHasNoLevel_data()
{
    QTest::addColumn<QString>("lan");
    for (const char* lan : {"A", "F", "", "a"})
        QTest::addRow("Lan \"%s\"", lan) << QString(lan);
}

void TestComputerWindow::aNewWindowFollowsTheTwoPlayerLanguageAndHasNoLevel()
{
    QFETCH(QString, lan);
    TestProgram test;
    test.program().velmora().setLan(lan);
    ComputerWindow& window = test.program().velmoraco();
    QCOMPARE(checkedItems(window, {"franc", "angl", "joueur"}),
        QStringList({lan == QLatin1String("A") ? "angl" : "franc", "joueur"}));
    QVERIFY(!window.isVisible());
    QCOMPARE(boardState(window), freshBoardState());
    QCOMPARE(fieldTexts(window, {"typepart", "tp1", "ty", "ca", "ca2"}),
        QStringList({"0", "Label10", "Label10", "Label10", "Label10"}));
    // Without a level the computer does not move.
    window.show();
    clickCells(window, "Mm");
    QCOMPARE(boardState(window).mid(9), QStringList({"BBBBIBBBB", "1", "1"}));
    QCOMPARE(test.random().reseeds(), 0);
}

void TestComputerWindow::theComputerRepliesWithinTheClick()
{
    TestProgram test;
    ComputerWindow& window = computerAt(test, "1");
    window.findChild<QLabel*>("Panel1")->setText(QStringLiteral("Facile"));
    // The first draw hits the person's own cross and is drawn again.
    test.random().script({5, 5, 9});
    clickCells(window, "Mm");
    QCOMPARE(boardState(window), QStringList({"10", "2", "3", "4", "0", "6", "7", "8", "1", "BBBBIBBBI", "0", "2"}));
    QCOMPARE(test.random().reseeds(), 3);
    QCOMPARE(statusText(window, "Panel1"), QStringLiteral("Facile"));

    // The window keeps the size of the two-player window; closing it ends
    // the program.
    window.resize(50, 50);
    QCOMPARE(window.size(), test.program().velmora().size());
    QSignalSpy ended(&test.program(), &Program::ended);
    window.close();
    QCOMPARE(ended.count(), 1);
}

void TestComputerWindow::anEndOfGameIsAnnouncedAndResetBeforeTheClickReturns()
{
    TestProgram test;
    test.program().velmora().setLan(QStringLiteral("A"));
    ComputerWindow& window = computerAt(test, "2");
    ModalAnswerer answerer;
    // The person plays Hd. First crosses on Hg and Mg, noughts on Hm and Mm:
    // Medium completes the middle column rather than block the left one.
    // Then crosses on Hg and Hm, noughts on Mg and Mm: the person's line ends
    // the game before the computer, one move from its own, plays.
    for (const char* position : {"01.01", "00.11"}) {
        for (int cell : {1, 2, 4, 5})
            window.setProperty(qPrintable(QStringLiteral("Label%1").arg(cell)), QString(position[cell - 1]));
        window.setProperty("nbjouer", "4");
        clickCells(window, "Hd");
        QCOMPARE(boardState(window), freshBoardState());
    }
    // This window speaks French even in English.
    QCOMPARE(seenBoxes(answerer),
        QStringLiteral("Partie terminée!: Bouh!!! Vous avez perdu!!!\n"
                       "Partie terminée!: Bravo joueur 1!!! Vous avez gagné!!!"));
}

QTEST_MAIN(TestComputerWindow)
#include "test_computer_window.moc"
