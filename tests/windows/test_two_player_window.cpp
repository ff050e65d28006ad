// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The two-player window played with the mouse and the digit keys.

#include "support/gui_support.h"
#include "windows/grid_sheet.h"
#include "windows/two_player_window.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

const QStringList kEmptyBoard = {"10", "2", "3", "4", "5", "6", "7", "8", "9"};

QPushButton* button(QWidget& window, const char* name)
{
    return window.findChild<QPushButton*>(name);
}
QLabel* image(QWidget& window, const char* name)
{
    return window.findChild<QLabel*>(name);
}
QString turnPanel(QWidget& window)
{
    return window.findChild<QLabel*>("Panel2")->text();
}

// Keys go where the user's keys go: to the widget that has the focus.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void click(QWidget& window, const char* cell)
{
    QTest::mouseClick(button(window, cell), Qt::LeftButton);
}

} // namespace

class TestTwoPlayerWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aMoveShowsTheMarkAndPassesTheTurn();
    void aLineIsAnnouncedAndTheBoardResets_data();
    void aLineIsAnnouncedAndTheBoardResets();
    void theDigitKeysPlayAsOnAKeypad();
    void keysKeepPlayingAfterAMouseClick();
    void otherKeysAndPlayedCellsChangeNothing();
    void newGameGivesTheMoveBackToCrosses();
    void theWindowKeepsItsDesignedSize();
    void quittingEndsTheProgram();
    void theGridSheetHoldsFifteenSeparateGrids();
};

void TestTwoPlayerWindow::aMoveShowsTheMarkAndPassesTheTurn()
{
    TestProgram test;
    TwoPlayerWindow& window = test.program().velmora();
    window.show();
    QCOMPARE(marks(window), kEmptyBoard);
    QCOMPARE(turnPanel(window), QStringLiteral("Joueur : 1"));

    click(window, "Hg");
    QCOMPARE(window.property("Label1").toString(), QStringLiteral("0"));
    QVERIFY(button(window, "Hg")->isHidden());
    QVERIFY(image(window, "Imhg")->isVisible());
    const QLabel* croix = image(window, "croix");
    const QLabel* rond = image(window, "rond");
    QVERIFY(!croix->pixmap().isNull());
    QCOMPARE(image(window, "Imhg")->pixmap().toImage(), croix->pixmap().toImage());
    QCOMPARE(window.property("Joueur1").toString(), QStringLiteral("1"));
    QCOMPARE(window.property("nbjouer").toString(), QStringLiteral("1"));
    QCOMPARE(turnPanel(window), QStringLiteral("Joueur : 2"));

    // In English the turn panel speaks English.
    window.setProperty("Lan", "A");
    click(window, "Mm");
    QCOMPARE(window.property("Label5").toString(), QStringLiteral("1"));
    QCOMPARE(image(window, "Immm")->pixmap().toImage(), rond->pixmap().toImage());
    QCOMPARE(window.property("Joueur1").toString(), QStringLiteral("0"));
    QCOMPARE(window.property("nbjouer").toString(), QStringLiteral("2"));
    QCOMPARE(turnPanel(window), QStringLiteral("Player : 1"));
    QVERIFY(croix->isHidden() && rond->isHidden());
}

void TestTwoPlayerWindow::aLineIsAnnouncedAndTheBoardResets_data()
{
    QTest::addColumn<QString>("lan");
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("turnAfter");

    const QStringList topRowForCrosses = {"Hg", "Mg", "Hm", "Mm", "Hd"};
    const QStringList diagonalForNoughts = {"Hg", "Hd", "Hm", "Mm", "Md", "Bg"};
    const QStringList drawn = {"Hg", "Hm", "Hd", "Mm", "Mg", "Md", "Bm", "Bg", "Bd"};
    // The ninth cross completes the left column and the bottom row at once.
    const QStringList ninthMoveWins = {"Hg", "Hm", "Bd", "Hd", "Mg", "Mm", "Bm", "Md", "Bg"};
    QTest::newRow("crosses win, French") << "F" << topRowForCrosses << "Bravo joueur 1!!! Vous avez gagné!!!"
                                         << "Partie terminée!"
                                         << "Joueur : 1";
    QTest::newRow("crosses win, English") << "A" << topRowForCrosses << "Bravo player 1!!! You are WIN!!!"
                                          << "End Game!"
                                          << "Player : 1";
    QTest::newRow("noughts win, French") << "F" << diagonalForNoughts << "Bravo joueur 2!!! Vous avez gagné!!!"
                                         << "Partie terminée!"
                                         << "Joueur : 1";
    QTest::newRow("noughts win, English") << "A" << diagonalForNoughts << "Bravo player 2!!! You are WIN!!!"
                                          << "End Game!"
                                          << "Player : 1";
    QTest::newRow("draw, French") << "F" << drawn << "Match nul!!!"
                                  << "Bouh!!"
                                  << "Joueur : 1";
    QTest::newRow("draw, English") << "A" << drawn << "Match nul Anglais!!!"
                                   << "Bouh!!"
                                   << "Player : 1";
    QTest::newRow("draw before a language is set") << "Label10" << drawn << "Match nul!!!"
                                                   << "Bouh!!"
                                                   << "Joueur : 1";
    QTest::newRow("ninth move wins two lines") << "F" << ninthMoveWins << "Bravo joueur 1!!! Vous avez gagné!!!"
                                               << "Partie terminée!"
                                               << "Joueur : 1";
}

void TestTwoPlayerWindow::aLineIsAnnouncedAndTheBoardResets()
{
    QFETCH(QString, lan);
    QFETCH(QStringList, moves);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(QString, turnAfter);
    TestProgram test;
    TwoPlayerWindow& window = test.program().velmora();
    window.setProperty("Lan", lan);
    window.show();
    MessageBoxAnswerer answerer;
    for (const QString& cell : moves)
        click(window, cell.toLatin1().constData());

    QCOMPARE(answerer.seen().size(), 1);
    const SeenBox& box = answerer.seen().constFirst();
    QCOMPARE(box.text, text);
    QCOMPARE(box.title, title);
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttonCount, 1);
    QCOMPARE(marks(window), kEmptyBoard);
    QCOMPARE(window.property("Joueur1").toString(), QStringLiteral("0"));
    QCOMPARE(window.property("nbjouer").toString(), QStringLiteral("0"));
    QCOMPARE(turnPanel(window), turnAfter);
    for (const char* name : {"Hg", "Hm", "Hd", "Mg", "Mm", "Md", "Bg", "Bm", "Bd"})
        QVERIFY(button(window, name)->isVisible());
    for (const char* name : {"Imhg", "Imhm", "Imhd", "Immg", "Immm", "Immd", "Imbg", "Imbm", "Imbd"})
        QVERIFY(image(window, name)->isHidden());
}

void TestTwoPlayerWindow::theDigitKeysPlayAsOnAKeypad()
{
    TestProgram test;
    TwoPlayerWindow& window = test.program().velmora();
    QVERIFY(activate(window));
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus != nullptr);
    QCOMPARE(focus->objectName(), QStringLiteral("Command1"));

    QTest::keyClick(focus, Qt::Key_7);
    QCOMPARE(window.property("Label1").toString(), QStringLiteral("0"));
    QCOMPARE(turnPanel(window), QStringLiteral("Joueur : 2"));
    QTest::keyClick(focus, Qt::Key_1, Qt::KeypadModifier);
    QCOMPARE(window.property("Label7").toString(), QStringLiteral("1"));
    QTest::keyClick(focus, Qt::Key_3);
    QCOMPARE(window.property("Label9").toString(), QStringLiteral("0"));
    QTest::keyClick(focus, Qt::Key_9, Qt::KeypadModifier);
    QCOMPARE(window.property("Label3").toString(), QStringLiteral("1"));

    // A line made with the keys is announced like one made with the mouse.
    MessageBoxAnswerer answerer;
    QTest::keyClick(focus, Qt::Key_5);
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen().constFirst().text, QStringLiteral("Bravo joueur 1!!! Vous avez gagné!!!"));
    QCOMPARE(marks(window), kEmptyBoard);
}

void TestTwoPlayerWindow::keysKeepPlayingAfterAMouseClick()
{
    TestProgram test;
    TwoPlayerWindow& window = test.program().velmora();
    QVERIFY(activate(window));
    click(window, "Mm");
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    press(Qt::Key_8);
    QCOMPARE(window.property("Label2").toString(), QStringLiteral("1"));
    QCOMPARE(window.property("nbjouer").toString(), QStringLiteral("2"));
}

void TestTwoPlayerWindow::otherKeysAndPlayedCellsChangeNothing()
{
    TestProgram test;
    TwoPlayerWindow& window = test.program().velmora();
    QVERIFY(activate(window));
    press(Qt::Key_7);
    const QStringList before = marks(window);
    for (Qt::Key key : {Qt::Key_7, Qt::Key_0, Qt::Key_A, Qt::Key_Space, Qt::Key_Minus, Qt::Key_Left})
        press(key);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("z!,"));
    QCOMPARE(marks(window), before);
    QCOMPARE(window.property("Joueur1").toString(), QStringLiteral("1"));
    QCOMPARE(window.property("nbjouer").toString(), QStringLiteral("1"));
    QCOMPARE(turnPanel(window), QStringLiteral("Joueur : 2"));
}

void TestTwoPlayerWindow::newGameGivesTheMoveBackToCrosses()
{
    TestProgram test;
    TwoPlayerWindow& window = test.program().velmora();
    window.setProperty("Lan", "A");
    QVERIFY(activate(window));
    click(window, "Bd");
    QCOMPARE(turnPanel(window), QStringLiteral("Player : 2"));
    QTest::keyClick(&window, Qt::Key_F2);
    QCOMPARE(marks(window), kEmptyBoard);
    QCOMPARE(window.property("Joueur1").toString(), QStringLiteral("0"));
    QCOMPARE(window.property("nbjouer").toString(), QStringLiteral("0"));
    QCOMPARE(turnPanel(window), QStringLiteral("Player : 1"));
    QVERIFY(button(window, "Bd")->isVisible());
    click(window, "Hm");
    QCOMPARE(window.property("Label2").toString(), QStringLiteral("0"));
}

void TestTwoPlayerWindow::theWindowKeepsItsDesignedSize()
{
    TestProgram test;
    TwoPlayerWindow& window = test.program().velmora();
    window.show();
    const QSize designed = window.size();
    window.resize(designed * 2);
    QCOMPARE(window.size(), designed);
    QCOMPARE(window.minimumSize(), window.maximumSize());
    // 2775 × 3015 twips below the menu bar, at 15 twips a pixel.
    QCOMPARE(window.centralWidget()->width(), 185);
    QCOMPARE(window.height() - window.menuBar()->height(), 201);
    QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    // Every cell lies inside the board, clear of the status bar.
    for (QPushButton* cell : window.centralWidget()->findChildren<QPushButton*>())
        QVERIFY(window.centralWidget()->rect().contains(cell->geometry()));
    QCOMPARE(button(window, "Hm")->x() - button(window, "Hg")->x(), 56);
}

void TestTwoPlayerWindow::quittingEndsTheProgram()
{
    {
        TestProgram test;
        TwoPlayerWindow& window = test.program().velmora();
        QSignalSpy ended(&test.program(), &Program::ended);
        QVERIFY(activate(window));
        QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(ended.count(), 1);
        QVERIFY(!window.isVisible());
    }
    {
        // The close box ends everything, even with the computer's window
        // alive and hidden.
        TestProgram test;
        TwoPlayerWindow& window = test.program().velmora();
        test.program().velmoraco();
        QSignalSpy ended(&test.program(), &Program::ended);
        window.show();
        window.close();
        QCOMPARE(ended.count(), 1);
        QVERIFY(test.program().hasEnded());
    }
}

void TestTwoPlayerWindow::theGridSheetHoldsFifteenSeparateGrids()
{
    const QList<QLine> lines = GridSheet::linesInTwips();
    QCOMPARE(lines.size(), 60);
    QList<QRect> grids;
    for (int top : {120, 2280, 4560}) {
        for (int left : {120, 2400, 4560, 6840, 9120})
            grids.append(QRect(left, top, 2041, 2041));
    }
    QList<int> linesPerGrid(grids.size(), 0);
    for (const QLine& line : lines) {
        QVERIFY(line.dx() == 0 || line.dy() == 0);
        QCOMPARE(qAbs(line.dx()) + qAbs(line.dy()), 2040);
        int holders = 0;
        for (int i = 0; i < grids.size(); ++i) {
            if (grids.at(i).contains(line.p1()) && grids.at(i).contains(line.p2())) {
                ++holders;
                ++linesPerGrid[i];
            }
        }
        QCOMPARE(holders, 1);
    }
    QCOMPARE(linesPerGrid, QList<int>(15, 4));
    QVERIFY(lines.contains(QLine(9720, 4560, 9720, 6600)));
    QVERIFY(lines.contains(QLine(120, 1440, 2160, 1440)));
    QVERIFY(QRect(QPoint(), GridSheet::sizeInTwips()).contains(QRect(9120, 4560, 2040, 2040)));
}

QTEST_MAIN(TestTwoPlayerWindow)
#include "test_two_player_window.moc"
