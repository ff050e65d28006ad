// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the welcome window, how it hands over, and the saved game it opens.

#include "support/gui_support.h"
#include "windows/computer_window.h"
#include "windows/two_player_window.h"
#include "windows/welcome_window.h"

#include <QFrame>
#include <QLabel>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theWelcomeWindowHandsOverOnceToTheSavedGame_data()
    {
        // A null file is none; the hand-over is by a character key, a click on
        // the frame's own area or a tick at the time given, to the
        // millisecond for a tick that comes early, and shown to the second;
        // no language leaves the laid-out texts; "warned" is the game-type
        // code warned about, a long one quoted in part only. The file is
        // rewritten when a level opened, and only then.
        for (const char* column : {"file", "handOver", "language", "levelItem", "levelName", "warned", "fileAfter"})
            QTest::addColumn<QString>(column);
        const QString longCode = "A\r" + QString(200, 'X');
        // clang-format off
        QTest::newRow("no file")       << QString()      << "click"       << ""  << ""       << ""       << "" << "<no file>";
        QTest::newRow("French alone")  << "F"            << "0:00:02.000" << "F" << ""       << ""       << "" << "F";
        QTest::newRow("English, Hard") << "A\r\nI\r\n"   << "0:00:00.970" << "A" << "Impo"   << "Hard"   << "" << "A\rI\r\n";
        QTest::newRow("French, Easy")  << "F\rF"         << "click"       << "F" << "facile" << "Facile" << "" << "F\rF\r\n";
        QTest::newRow("no language")   << "a\rI\rN\r\n"  << "key"         << ""  << "Normal" << "Medium" << "" << "a\rN\r\n";
        QTest::newRow("long unknown")  << longCode << "key" << "A" << "" << "" << QString(80, 'X') + "... (200 characters)" << longCode;
        // clang-format on
    }

    void theWelcomeWindowHandsOverOnceToTheSavedGame()
    {
        QFETCH(QString, file);
        QFETCH(QString, handOver);
        QFETCH(QString, language);
        QFETCH(QString, levelItem);
        QFETCH(QString, levelName);
        QFETCH(QString, warned);
        QFETCH(QString, fileAfter);
        // One warning names the unknown code, and no other.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("unknown game type")));
        if (!warned.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression('"' + QRegularExpression::escape(warned) + '"'));
        TestProgram test;
        ModalAnswerer answerer;
        if (!file.isNull())
            test.writeSettings(file.toLatin1());
        test.program().start();
        WelcomeWindow& welcome = test.program().acceuil();
        TwoPlayerWindow& velmora = test.program().velmora();
        ComputerWindow& velmoraco = test.program().velmoraco();
        const auto shown = [&] { return QList<bool>{welcome.isVisible(), velmora.isVisible(), velmoraco.isVisible()}; };
        const auto tickAfter = [&](qint64 msecs) { test.clock().advanceMSecs(msecs), welcome.Timer1_Timer(); };

        // Keys without a character, clicks on the pictures and labels in the
        // frame or beside it, a press on the frame released on a picture, and a
        // tick before one second do nothing but write the time.
        auto* frame = welcome.findChild<QFrame*>("Frame1");
        for (Qt::Key other : {Qt::Key_Left, Qt::Key_F1, Qt::Key_Shift})
            QTest::keyClick(&welcome, other);
        QTest::mouseClick(frame->findChild<QLabel*>("imgLogo0"), Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseClick(frame->findChild<QLabel*>("lblProductName"), Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseClick(&welcome, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(frame, Qt::LeftButton, {}, frame->findChild<QLabel*>("imgLogo1")->geometry().center());
        QPointer<QLabel> elapsed = welcome.findChild<QLabel*>("Label1");
        tickAfter(0);
        QCOMPARE(elapsed->text(), QStringLiteral("0:00:00"));
        QCOMPARE(shown(), QList<bool>({true, false, false}));

        const QTime tick = QTime::fromString(handOver, QStringLiteral("h:mm:ss.zzz"));
        if (tick.isValid())
            tickAfter(QTime(0, 0).msecsTo(tick));
        else if (handOver == QLatin1String("key"))
            QTest::keyClick(&welcome, Qt::Key_X);
        else
            QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(elapsed->text(), tick.isValid() ? tick.addMSecs(500).toString("h:mm:ss") : QStringLiteral("0:00:00"));
        QCOMPARE(shown(), QList<bool>({false, levelItem.isEmpty(), !levelItem.isEmpty()}));

        // The language reached both board windows, or neither; the level's
        // item is checked; the file is rewritten when a level opened, and only
        // then.
        const bool english = language == QLatin1String("A"), french = language == QLatin1String("F");
        for (BoardWindow* window : {static_cast<BoardWindow*>(&velmora), static_cast<BoardWindow*>(&velmoraco)})
            QCOMPARE(window->menuItem("joueur")->text(), english ? "&2 Players" : french ? "&2 Joueur" : "&2 Jouers");
        QCOMPARE(statusText(velmora, "Panel1"), english ? "2 Players" : french ? "2 Joueur" : "2 Joueurs");
        const QStringList items = {"angl", "franc", "facile", "Normal", "Impo"};
        QCOMPARE(checkedItems(velmora, items).join(' '), english ? "angl" : french ? "franc" : "");
        QCOMPARE(
            checkedItems(velmoraco, items).join(' '), (QString(english ? "angl " : "franc ") + levelItem).trimmed());
        if (!levelItem.isEmpty())
            QCOMPARE(statusText(velmoraco, "Panel1"), levelName);
        QCOMPARE(test.settingsBytes(), fileAfter.toLatin1());

        // Once only: a game begun against the computer would start anew.
        BoardWindow& board = levelItem.isEmpty() ? static_cast<BoardWindow&>(velmora) : velmoraco;
        clickCells(board, "Mm Bd");
        const QStringList game = marks(board);
        QCOMPARE(game.filter(QRegularExpression(QStringLiteral("^[01]$"))).size(), levelItem.isEmpty() ? 2 : 4);
        tickAfter(1000);
        QTest::keyClick(&welcome, Qt::Key_A);
        QCOMPARE(marks(board), game);
        QTRY_VERIFY(elapsed.isNull());
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
