// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window against the computer: the reply runs inside the person's click.

#include "support/gui_support.h"
#include "windows/computer_window.h"
#include "windows/two_player_window.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

const QStringList kEmptyBoard = {"10", "2", "3", "4", "5", "6", "7", "8", "9"};

void click(QWidget& window, const char* cell)
{
    QTest::mouseClick(window.findChild<QPushButton*>(cell), Qt::LeftButton);
}

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
    void aNewWindowFollowsTheTwoPlayerLanguage_data();
    void aNewWindowFollowsTheTwoPlayerLanguage();
    void theComputerRepliesWithinTheClick();
    void aComputerWinIsAnnouncedAndResetBeforeTheClickReturns();
    void aPersonsWinEndsTheGameBeforeTheComputerPlays();
    void aHardGameThatSteppedDownIsFollowedByAHardGame();
    void withoutALevelTheComputerDoesNotMove();
    void theWindowKeepsItsSizeAndClosingEndsTheProgram();
};

void TestComputerWindow::aNewWindowFollowsTheTwoPlayerLanguage_data()
{
    QTest::addColumn<QString>("lan");
    QTest::addColumn<bool>("english");
    QTest::newRow("English") << "A" << true;
    QTest::newRow("French") << "F" << false;
    QTest::newRow("no language yet") << "" << false;
    QTest::newRow("unknown code") << "a" << false;
}

void TestComputerWindow::aNewWindowFollowsTheTwoPlayerLanguage()
{
    QFETCH(QString, lan);
    QFETCH(bool, english);
    TestProgram test;
    test.program().velmora().setLan(lan);
    ComputerWindow& window = test.program().velmoraco();
    QCOMPARE(window.menuItem("angl")->isChecked(), english);
    QCOMPARE(window.menuItem("franc")->isChecked(), !english);
    QVERIFY(window.menuItem("joueur")->isChecked());
    QCOMPARE(marks(window), kEmptyBoard);
    QCOMPARE(window.property("Joueur1").toString(), QStringLiteral("0"));
    QCOMPARE(window.property("typepart").toString(), QStringLiteral("0"));
    for (const char* field : {"tp1", "ty", "ca", "ca2"})
        QCOMPARE(window.property(field).toString(), QStringLiteral("Label10"));
    QVERIFY(!window.isVisible());
}

void TestComputerWindow::theComputerRepliesWithinTheClick()
{
    TestProgram test;
    ComputerWindow& window = computerAt(test, "1");
    auto* panel = window.findChild<QLabel*>("Panel1");
    panel->setText(QStringLiteral("Facile"));
    // The first draw hits the person's own cross and is drawn again.
    test.random().script({5, 5, 9});
    click(window, "Mm");
    QCOMPARE(window.property("Label5").toString(), QStringLiteral("0"));
    QCOMPARE(window.property("Label9").toString(), QStringLiteral("1"));
    QVERIFY(window.findChild<QLabel*>("Imbd")->isVisible());
    QVERIFY(window.findChild<QPushButton*>("Bd")->isHidden());
    QCOMPARE(window.property("nbjouer").toString(), QStringLiteral("2"));
    QCOMPARE(window.property("Joueur1").toString(), QStringLiteral("0"));
    QCOMPARE(test.random().reseeds(), 3);
    QCOMPARE(panel->text(), QStringLiteral("Facile"));
}

void TestComputerWindow::aComputerWinIsAnnouncedAndResetBeforeTheClickReturns()
{
    TestProgram test;
    ComputerWindow& window = computerAt(test, "2");
    // Noughts on Hm and Mm, crosses on Hg and Mg: Medium completes the
    // middle column rather than block the left one.
    for (const auto& [field, value] : {std::pair{"Label2", "1"}, {"Label5", "1"}, {"Label1", "0"}, {"Label4", "0"}})
        window.setProperty(field, value);
    window.setProperty("nbjouer", "4");
    MessageBoxAnswerer answerer;
    click(window, "Hd");
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen().constFirst().text, QStringLiteral("Bouh!!! Vous avez perdu!!!"));
    QCOMPARE(answerer.seen().constFirst().title, QStringLiteral("Partie terminée!"));
    QCOMPARE(answerer.seen().constFirst().icon, QMessageBox::Warning);
    QCOMPARE(marks(window), kEmptyBoard);
    QCOMPARE(window.property("nbjouer").toString(), QStringLiteral("0"));
    QCOMPARE(window.property("Joueur1").toString(), QStringLiteral("0"));
    QVERIFY(window.findChild<QPushButton*>("Hd")->isVisible());
}

void TestComputerWindow::aPersonsWinEndsTheGameBeforeTheComputerPlays()
{
    TestProgram test;
    test.program().velmora().setLan(QStringLiteral("A"));
    ComputerWindow& window = computerAt(test, "2");
    for (const auto& [field, value] : {std::pair{"Label1", "0"}, {"Label2", "0"}, {"Label4", "1"}, {"Label5", "1"}})
        window.setProperty(field, value);
    window.setProperty("nbjouer", "4");
    MessageBoxAnswerer answerer;
    click(window, "Hd");
    // The window against the computer speaks French even in English, and
    // the computer, one move from its own line, never got to play.
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen().constFirst().text, QStringLiteral("Bravo joueur 1!!! Vous avez gagné!!!"));
    QCOMPARE(marks(window), kEmptyBoard);
    QCOMPARE(window.property("nbjouer").toString(), QStringLiteral("0"));
}

void TestComputerWindow::aHardGameThatSteppedDownIsFollowedByAHardGame()
{
    TestProgram test;
    ComputerWindow& window = computerAt(test, "3");
    MessageBoxAnswerer answerer;
    click(window, "Hm"); // an edge: the computer takes the centre
    QCOMPARE(window.property("Label5").toString(), QStringLiteral("1"));
    QCOMPARE(window.property("typepart").toString(), QStringLiteral("3"));
    click(window, "Hg"); // two crosses on top: the book hands over and Medium blocks
    QCOMPARE(window.property("Label3").toString(), QStringLiteral("1"));
    QCOMPARE(window.property("typepart").toString(), QStringLiteral("2"));
    QCOMPARE(window.property("tp1").toString(), QStringLiteral("3"));
    QTest::keyClick(&window, Qt::Key_F2);
    window.findChild<QAction*>("Newgame")->trigger();
    QCOMPARE(window.property("typepart").toString(), QStringLiteral("3"));
    click(window, "Mm"); // the centre: Hard answers Hd from the book
    QCOMPARE(window.property("Label3").toString(), QStringLiteral("1"));
    QCOMPARE(window.property("ty").toString(), QStringLiteral("2"));
    QVERIFY(answerer.seen().isEmpty());
}

void TestComputerWindow::withoutALevelTheComputerDoesNotMove()
{
    TestProgram test;
    ComputerWindow& window = computerAt(test, "0");
    click(window, "Mm");
    QCOMPARE(window.property("nbjouer").toString(), QStringLiteral("1"));
    QCOMPARE(window.property("Joueur1").toString(), QStringLiteral("1"));
    QCOMPARE(test.random().reseeds(), 0);
}

void TestComputerWindow::theWindowKeepsItsSizeAndClosingEndsTheProgram()
{
    TestProgram test;
    ComputerWindow& window = computerAt(test, "1");
    QCOMPARE(window.size(), test.program().velmora().size());
    window.resize(50, 50);
    QCOMPARE(window.size(), test.program().velmora().size());
    QSignalSpy ended(&test.program(), &Program::ended);
    window.close();
    QCOMPARE(ended.count(), 1);
    QVERIFY(!test.program().velmora().isVisible());
}

QTEST_MAIN(TestComputerWindow)
#include "test_computer_window.moc"
