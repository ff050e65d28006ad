// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The two-player window played with the mouse and the digit keys.

#include "support/gui_support.h"
#include "windows/two_player_window.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#if defined(__SANITIZE_ADDRESS__)
// The address sanitizer's own allocator counts the bytes in use (GCC ships
// no header for it).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

using namespace velmora;
using namespace velmora::testing;

namespace {

QImage picture(QWidget& window, const char* image)
{
    return window.findChild<QLabel*>(image)->pixmap().toImage();
}

// The board state with the turn panel after it.
QStringList state(QWidget& window)
{
    return boardState(window) << statusText(window, "Panel2");
}

// Bytes the program holds on the heap.
size_t heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// Dialog buttons with icons, as Qt draws them under X11; the offscreen
// platform draws none, and hid the memory each message box used to keep.
class ButtonIconStyle : public QProxyStyle {
public:
    int styleHint(
        StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returned) const override
    {
        return hint == SH_DialogButtonBox_ButtonsHaveIcons ? 1 : QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

} // namespace

class TestTwoPlayerWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theMouseAndTheDigitKeysPlay();
    void aLineOrADrawIsAnnouncedAndTheBoardResets_data();
    void aLineOrADrawIsAnnouncedAndTheBoardResets();
    void theWindowKeepsItsSizeAndQuittingEndsTheProgram();
    void drawnGamesLeaveNothingBehind();
};

void TestTwoPlayerWindow::theMouseAndTheDigitKeysPlay()
{
    TestProgram test;
    TwoPlayerWindow& window = test.program().velmora();
    QVERIFY(activate(window));
    QCOMPARE(state(window), (freshBoardState() << "Joueur : 1"));
    clickCells(window, "Hg");
    // The two pictures are hidden templates the cells copy.
    QVERIFY(!window.findChild<QLabel*>("croix")->pixmap().isNull());
    QVERIFY(window.findChild<QLabel*>("croix")->isHidden() && window.findChild<QLabel*>("rond")->isHidden());
    QCOMPARE(picture(window, "Imhg"), picture(window, "croix"));
    QCOMPARE(statusText(window, "Panel2"), QStringLiteral("Joueur : 2"));

    // The click leaves the focus where the keys play: 7 8 9 on top, 1 2 3 at
    // the bottom, with or without the keypad modifier.
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus, Qt::Key_8, Qt::KeypadModifier);
    QCOMPARE(picture(window, "Imhm"), picture(window, "rond"));
    // Keys that are no cell, and the key of a played cell, change nothing.
    const QStringList before = state(window);
    for (Qt::Key key : {Qt::Key_7, Qt::Key_0, Qt::Key_A, Qt::Key_Space, Qt::Key_Minus, Qt::Key_Left})
        QTest::keyClick(focus, key);
    QTest::keyClicks(focus, QStringLiteral("z!,"));
    QCOMPARE(state(window), before);
    QCOMPARE(before.mid(9), QStringList({"IIBBBBBBB", "0", "2", "Joueur : 1"}));

    // The other seven digits fill the board to a draw.
    ModalAnswerer answerer;
    const QString digits = QStringLiteral("9546213");
    const QString cells = QStringLiteral("3546879");
    for (int i = 0; i < digits.size(); ++i) {
        QTest::keyClick(focus, digits.at(i).toLatin1(), i % 2 == 0 ? Qt::NoModifier : Qt::KeypadModifier);
        if (i < 6)
            QCOMPARE(marks(window).at(cells.at(i).digitValue() - 1), QLatin1String(i % 2 == 0 ? "0" : "1"));
    }
    QCOMPARE(seenBoxes(answerer), QStringLiteral("Bouh!!: Match nul!!!"));
    QCOMPARE(state(window), (freshBoardState() << "Joueur : 1"));

    // In English, and a new game (F2) gives the move back to crosses.
    window.setLan(QStringLiteral("A"));
    clickCells(window, "Bd");
    QCOMPARE(statusText(window, "Panel2"), QStringLiteral("Player : 2"));
    chooseItem(window, "F2");
    QCOMPARE(state(window), (freshBoardState() << "Player : 1"));
}

void TestTwoPlayerWindow::aLineOrADrawIsAnnouncedAndTheBoardResets_data()
{
    QTest::addColumn<QString>("lan");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("box");
    const auto row = [](const char* name, const char* lan, const char* moves, const char* box) {
        QTest::newRow(name) << QString(lan) << QString(moves) << QString::fromUtf8(box);
    };
    row("crosses, French", "F", "Hg Mg Hm Mm Hd", "Partie terminée!: Bravo joueur 1!!! Vous avez gagné!!!");
    row("crosses, English", "A", "Hg Mg Hm Mm Hd", "End Game!: Bravo player 1!!! You are WIN!!!");
    row("noughts, French", "F", "Hg Hd Hm Mm Md Bg", "Partie terminée!: Bravo joueur 2!!! Vous avez gagné!!!");
    row("noughts, English", "A", "Hg Hd Hm Mm Md Bg", "End Game!: Bravo player 2!!! You are WIN!!!");
    row("draw, French", "F", "Hg Hm Hd Mm Mg Md Bm Bg Bd", "Bouh!!: Match nul!!!");
    row("draw, English", "A", "Hg Hm Hd Mm Mg Md Bm Bg Bd", "Bouh!!: Match nul Anglais!!!");
    // The ninth cross completes the left column and the bottom row at once.
    row("ninth move wins", "F", "Hg Hm Bd Hd Mg Mm Bm Md Bg", "Partie terminée!: Bravo joueur 1!!! Vous avez gagné!!!");
}

void TestTwoPlayerWindow::aLineOrADrawIsAnnouncedAndTheBoardResets()
{
    QFETCH(QString, lan);
    QFETCH(QString, moves);
    QFETCH(QString, box);
    TestProgram test;
    TwoPlayerWindow& window = test.program().velmora();
    window.setLan(lan);
    window.show();
    ModalAnswerer answerer;
    clickCells(window, moves);
    QCOMPARE(seenBoxes(answerer), box);
    QVERIFY(answerer.seen().constFirst().icon == QMessageBox::Warning && answerer.seen().constFirst().buttonCount == 1);
    QCOMPARE(state(window), (freshBoardState() << (lan == QLatin1String("A") ? "Player : 1" : "Joueur : 1")));
}

void TestTwoPlayerWindow::theWindowKeepsItsSizeAndQuittingEndsTheProgram()
{
    for (const bool byKey : {true, false}) {
        TestProgram test;
        TwoPlayerWindow& window = test.program().velmora();
        test.program().velmoraco(); // alive and hidden
        QVERIFY(activate(window));
        window.resize(window.size() * 2);
        // 2775 × 3015 twips below the menu bar, at 15 twips a pixel.
        QCOMPARE(QSize(window.width(), window.height() - window.menuBar()->height()), QSize(185, 201));
        QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        for (QPushButton* cell : window.centralWidget()->findChildren<QPushButton*>())
            QVERIFY(window.centralWidget()->rect().contains(cell->geometry()));
        QCOMPARE(window.findChild<QPushButton*>("Hm")->x() - window.findChild<QPushButton*>("Hg")->x(), 56);

        QSignalSpy ended(&test.program(), &Program::ended);
        if (byKey)
            QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier);
        else
            window.close();
        QCOMPARE(ended.count(), 1);
        QVERIFY(!window.isVisible());
    }
}

void TestTwoPlayerWindow::drawnGamesLeaveNothingBehind()
{
    const QString usualStyle = QApplication::style()->name();
    QApplication::setStyle(new ButtonIconStyle);
    TestProgram test;
    TwoPlayerWindow& window = test.program().velmora();
    window.show();
    ModalAnswerer answerer;
    size_t heapAfterWarmUp = 0;
    for (int game = 1; game <= 320; ++game) {
        answerer.clear();
        QTest::keyClicks(window.focusProxy(), QStringLiteral("789546213"));
        if (game == 20)
            heapAfterWarmUp = heapInUse();
    }
    // Three hundred draws may cost a little to the allocator, not a few
    // hundred kilobytes.
    const size_t heapAfterAll = heapInUse();
    const size_t growth = heapAfterAll > heapAfterWarmUp ? heapAfterAll - heapAfterWarmUp : 0;
    QApplication::setStyle(usualStyle);
    QCOMPARE(seenBoxes(answerer), QStringLiteral("Bouh!!: Match nul!!!"));
    QVERIFY2(growth < 160 * 1024, qPrintable(QStringLiteral("%1 bytes more after 300 draws").arg(growth)));
}

QTEST_MAIN(TestTwoPlayerWindow)
#include "test_two_player_window.moc"
