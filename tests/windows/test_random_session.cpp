// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A long session on the real windows: thousands of things a person could do,
// drawn from a fixed seed, with the rules that always hold checked after each.

#include "support/gui_support.h"
#include "windows/about_window.h"
#include "windows/computer_window.h"
#include "windows/print_window.h"
#include "windows/two_player_window.h"

#include <QPushButton>
#include <QTest>
#include <random>

using namespace velmora;
using namespace velmora::testing;

namespace {

// Four moves in five, by click or key; otherwise one of these menu items.
const QStringList kItems = {"facile", "Normal", "Impo", "joueur", "franc", "angl", "Newgame", "print2", "apropos"};

// A button exactly on each empty cell and a picture on each played one; the
// count and the turn in step with the marks.
bool keepsItsRules(QWidget& board)
{
    const QStringList state = boardState(board);
    QString shown;
    for (const QString& mark : state.mid(0, 9))
        shown += mark == QLatin1String("0") || mark == QLatin1String("1") ? QLatin1Char('I') : QLatin1Char('B');
    const auto marked = shown.count(QLatin1Char('I'));
    return state.mid(9) == QStringList({shown, QString::number(marked % 2), QString::number(marked)});
}

} // namespace

class TestRandomSession : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aLongSessionKeepsEveryRule()
    {
        TestProgram test;
        Program& program = test.program();
        ModalAnswerer answerer;
        program.start();
        QTest::keyClick(topLevelWindow("Acceuil"), Qt::Key_Return);
        TwoPlayerWindow& velmora = program.velmora();
        ComputerWindow& computer = program.velmoraco();
        std::mt19937 engine(20261206);
        const auto pick
            = [&engine](qsizetype count) { return std::uniform_int_distribution<qsizetype>(0, count - 1)(engine); };
        QString lan, pt;
        bool againstComputer = false;
        for (int number = 1; number <= 4000; ++number) {
            const QString action
                = pick(5) > 0 ? QLatin1String(pick(2) ? "click" : "key") : kItems.at(pick(kItems.size()));
            BoardWindow& window = againstComputer ? static_cast<BoardWindow&>(computer) : velmora;
            test.random().script({int(pick(9)) + 1, int(pick(9)) + 1, int(pick(9)) + 1});
            if (action == QLatin1String("click")) {
                QList<QPushButton*> open = window.findChildren<QPushButton*>(QRegularExpression("^[HMB][gmd]$"));
                open.removeIf([](QPushButton* cell) { return cell->isHidden(); });
                QTest::mouseClick(open.at(pick(open.size())), Qt::LeftButton);
            } else if (action == QLatin1String("key")) {
                QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key(Qt::Key_1 + pick(9)));
            } else {
                chooseItem(window, action);
                if (QWidget* print = topLevelWindow("Printer1"))
                    print->close();
                if (auto* about = static_cast<AboutWindow*>(topLevelWindow("Apropos²")))
                    number % 2 ? void(about->close()) : about->btnOK_Click();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                const qsizetype level = kItems.indexOf(action);
                if (level >= 0 && level <= 3 && (level < 3 || againstComputer)) {
                    QCOMPARE(boardState(level < 3 ? static_cast<QWidget&>(computer) : velmora), freshBoardState());
                    pt = QStringList({"F", "N", "I", ""}).at(level);
                    againstComputer = level < 3;
                }
                if (level == 4 || level == 5)
                    lan = level == 4 ? "F" : "A";
            }
            QVERIFY2(keepsItsRules(velmora) && keepsItsRules(computer), qPrintable(QString::number(number)));
            QCOMPARE(velmora.isVisible(), !againstComputer);
            QCOMPARE(computer.isVisible(), againstComputer);
            QVERIFY(!topLevelWindow("Printer1") && !(topLevelWindow("Apropos²") && program.apropos().isVisible()));
            QCOMPARE(fieldTexts(velmora, {"Lan", "pt"}), QStringList({lan, pt}));
            if (test.settingsBytes() != "<no file>")
                QCOMPARE(test.settingsBytes(), (lan + '\r' + pt + "\r\n").toLatin1());
        }
        QVERIFY2(answerer.seen().size() >= 100, qPrintable(QString::number(answerer.seen().size())));
    }
};

QTEST_MAIN(TestRandomSession)
#include "test_random_session.moc"
