// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The two-player window played with the mouse and the digit keys.

#include "support/gui_support.h"
#include "windows/computer_window.h"
#include "windows/two_player_window.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <malloc.h>

// The address sanitizer's own allocator counts the bytes in use, when it is
// linked in (GCC ships no header for it).
extern "C" size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

using namespace velmora;
using namespace velmora::testing;

class TestTwoPlayerWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theMouseAndTheDigitKeysPlayInAFixedWindowUntilCtrlW();
    void aNinthMoveThatWinsIsAnnouncedAsAWinAndTheBoardResets();
    void inputBehindTheBoxPlaysOnNeitherBoard_data();
    void inputBehindTheBoxPlaysOnNeitherBoard();
    void drawnGamesLeaveNothingBehind();
};

void TestTwoPlayerWindow::theMouseAndTheDigitKeysPlayInAFixedWindowUntilCtrlW()
{
    TestProgram test;
    TwoPlayerWindow& window = test.program().velmora();
    QVERIFY(activate(window));
    window.resize(window.size() * 2);
    // 2775 × 3015 twips below the menu bar, at 15 twips a pixel; the cells
    // 840 twips apart.
    QCOMPARE(window.size() - QSize(0, window.centralWidget()->y()), QSize(185, 201));
    QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(window.findChild<QWidget*>("Hm")->x() - window.findChild<QWidget*>("Hg")->x(), 56);
    clickCells(window, "Hg");

    // The click leaves the focus where the keys play: 7 8 9 on top, 1 2 3 at
    // the bottom, here on the keypad (the draws below use the main row). Keys
    // that are no cell, and the key of a played cell, change nothing.
    QWidget* focus = QApplication::focusWidget();
    for (Qt::Key key : {Qt::Key_7, Qt::Key_0, Qt::Key_A, Qt::Key_Space, Qt::Key_Minus, Qt::Key_Left})
        QTest::keyClick(focus, key);
    const QStringList afterOneMove = boardState(window).mid(9) << statusText(window, "Panel2");
    QCOMPARE(afterOneMove, QStringList({"IBBBBBBBB", "1", "1", "Joueur : 2"}));
    QTest::keyClick(focus, Qt::Key_8, Qt::KeypadModifier);
    // A menu closed with Escape leaves the menu bar taking the keys; the
    // digits play all the same.
    QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    for (const char key : {'9', '5', '4', '6', '2', '1'})
        QTest::keyClick(QApplication::focusWidget(), key, Qt::KeypadModifier);
    QCOMPARE(marks(window), QStringList({"0", "1", "0", "0", "1", "1", "1", "0", "9"}));

    QSignalSpy ended(&test.program(), &Program::ended);
    QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(ended.count() == 1 && !window.isVisible());
}

void TestTwoPlayerWindow::aNinthMoveThatWinsIsAnnouncedAsAWinAndTheBoardResets()
{
    // The other ends of a game are approved with the other texts.
    TestProgram test;
    TwoPlayerWindow& window = test.program().velmora();
    window.show();
    ModalAnswerer answerer;
    // The ninth cross completes the left column and the bottom row at once.
    clickCells(window, "Hg Hm Bd Hd Mg Mm Bm Md Bg");
    QCOMPARE(seenBoxes(answerer), "Partie terminée!: Bravo joueur 1!!! Vous avez gagné!!!");
    QVERIFY(answerer.seen().constFirst().icon == QMessageBox::Warning && answerer.seen().constFirst().buttonCount == 1);
    QCOMPARE(boardState(window), freshBoardState());
    // The close box ends the program.
    QSignalSpy ended(&test.program(), &Program::ended);
    window.close();
    QCOMPARE(ended.count(), 1);
}

void TestTwoPlayerWindow::inputBehindTheBoxPlaysOnNeitherBoard_data()
{
    QTest::addColumn<bool>("computer");
    QTest::addColumn<int>("okFirst"); // the click: while the box is up, right behind OK, queued before the reset
    for (const int okFirst : {0, 1, 2})
        for (const bool computer : {false, true})
            QTest::addRow("%s, %d", computer ? "Velmoraco" : "Velmora", okFirst) << computer << okFirst;
}

void TestTwoPlayerWindow::inputBehindTheBoxPlaysOnNeitherBoard()
{
    QFETCH(bool, computer);
    QFETCH(int, okFirst);
    QTest::failOnWarning(QRegularExpression(QStringLiteral("Recursive")));
    TestProgram test; // no level yet: the computer does not reply
    QWidget& window = computer ? static_cast<QWidget&>(test.program().velmoraco()) : test.program().velmora();
    window.show();
    ModalAnswerer answerer;
    // From inside the box's loop, the click on Bd is posted before OK, right
    // behind it, or once OK has ended the loop, before the new board.
    struct ClickOnBd : QObject {
        QPushButton* cell = nullptr;
        int okFirst = 0;
        int boxes = 0;
        void click() const
        {
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(cell,
                    new QMouseEvent(type, QPointF(5, 5), cell->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier));
        }
        bool eventFilter(QObject* shown, QEvent* event) override
        {
            auto* box = qobject_cast<QMessageBox*>(shown);
            if (box == nullptr || event->type() != QEvent::Show)
                return false;
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            ++boxes;
            if (okFirst == 1)
                QMetaObject::invokeMethod(ok, &QAbstractButton::click, Qt::QueuedConnection);
            okFirst == 2 ? void(QMetaObject::invokeMethod(
                ok, [this, ok] { ok->click(), click(); }, Qt::QueuedConnection))
                         : click();
            return false;
        }
    } clickOnBd;
    clickOnBd.cell = window.findChild<QPushButton*>("Bd");
    clickOnBd.okFirst = okFirst;
    qApp->installEventFilter(&clickOnBd);
    clickCells(window, "Hg Hm Mg Mm Bg");
    QTest::qWait(50);
    QVERIFY(clickOnBd.boxes == 1 && boardState(window) == freshBoardState());
    clickCells(window, "Mm");
    QCOMPARE(marks(window).at(4), QStringLiteral("0"));
}

void TestTwoPlayerWindow::drawnGamesLeaveNothingBehind()
{
    // Dialog buttons with icons, as Qt draws them under X11, each box drawn
    // as it is seen: a new box per message kept the pictures of its icon.
    // On a real X server (the memory test's run) each box is answered once
    // it is active, where a new native window per box left a connection.
    qApp->setStyleSheet(QStringLiteral("* { dialogbuttonbox-buttons-have-icons: 1 }"));
    const auto asan = &__sanitizer_get_current_allocated_bytes;
    const auto heap = [asan] { return asan ? asan() : mallinfo2().uordblks; };
    const int games = std::max(320, qEnvironmentVariableIntValue("VELMORA_MEMORY_GAMES") / (asan ? 4 : 1));
    TestProgram test;
    test.program().velmora().show();
    QVERIFY(QTest::qWaitForWindowExposed(&test.program().velmora()));
    ModalAnswerer answerer;
    answerer.drawFirst = true;
    answerer.answerWhenActive = QGuiApplication::platformName() == QLatin1String("xcb");
    size_t heapAfterWarmUp = 0;
    for (int game = 1; game <= games; ++game) {
        answerer.clear();
        QTest::keyClicks(test.program().velmora().focusProxy(), QStringLiteral("789546213"));
        QCoreApplication::processEvents(); // the new board takes keys
        heapAfterWarmUp = game == games / 8 ? heap() : heapAfterWarmUp;
    }
    // Hundreds or thousands of draws may cost a little to the allocator,
    // the same whatever their number.
    const size_t grown = heap() - std::min(heap(), heapAfterWarmUp);
    qApp->setStyleSheet(QString());
    QCOMPARE(seenBoxes(answerer), QStringLiteral("Bouh!!: Match nul!!!"));
    QVERIFY2(grown < 96 * 1024, qPrintable(QStringLiteral("the draws kept %1 KB").arg(grown / 1024)));
}

QTEST_MAIN(TestTwoPlayerWindow)
#include "test_two_player_window.moc"
