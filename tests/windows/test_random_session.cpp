// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A long session on the real windows: twenty thousand things a person could
// do, drawn from a fixed seed, with the boards, the windows and the settings
// file checked after every one of them.

#include "support/gui_support.h"
#include "windows/about_window.h"
#include "windows/computer_window.h"
#include "windows/print_window.h"
#include "windows/two_player_window.h"
#include "windows/welcome_window.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include <array>
#include <random>
#include <set>

using namespace velmora;
using namespace velmora::testing;

namespace {

constexpr int kActions = 20000;
constexpr std::uint32_t kSeed = 20261206;
const QStringList kEmptyCodes = {"10", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr std::array kCells = {"Hg", "Hm", "Hd", "Mg", "Mm", "Md", "Bg", "Bm", "Bd"};

// What a person does, with how often out of the sum of the weights: mostly
// play, now and then a command. The commands are the menu items' names.
enum Kind { kClick, kKey, kNew, kEasy, kMedium, kHard, kTwo, kFrench, kEnglish, kPrint, kAboutOk, kAboutBox };
constexpr std::array<std::pair<const char*, int>, 12> kKinds = {{{"click a cell", 460}, {"digit key", 240},
    {"Newgame", 40}, {"facile", 35}, {"Normal", 35}, {"Impo", 35}, {"joueur", 40}, {"franc", 30}, {"angl", 30},
    {"print window, cancelled", 15}, {"About, OK", 10}, {"About, close box", 10}}};

// A board's own rules, whatever happened before: a button exactly on an
// empty cell, an image exactly on a played one, the move count and the turn
// in step with the marks. Returns what is wrong, or nothing.
QString boardFault(QWidget& board)
{
    const QStringList state = boardState(board);
    QString shown;
    int marked = 0;
    for (int cell = 0; cell < 9; ++cell) {
        const bool played = state.at(cell) == QLatin1String("0") || state.at(cell) == QLatin1String("1");
        marked += played ? 1 : 0;
        shown += QLatin1Char(played ? 'I' : state.at(cell) == kEmptyCodes.at(cell) ? 'B' : 'X');
    }
    const QStringList expected = state.mid(0, 9) << shown << QString::number(marked % 2) << QString::number(marked);
    return state == expected ? QString()
                             : board.objectName()
            + QStringLiteral(" shows %1, not %2").arg(state.join(QLatin1Char(' ')), expected.join(QLatin1Char(' ')));
}

// The offscreen platform says at every show that it cannot raise a window or
// pass size hints on; thousands of those would hide anything that matters.
QtMessageHandler qtTestHandler = nullptr;
void dropPlatformChatter(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtWarningMsg || !message.startsWith(QLatin1String("This plugin does not support")))
        qtTestHandler(type, context, message);
}

} // namespace

class TestRandomSession : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twentyThousandActionsKeepEveryRule();
};

void TestRandomSession::twentyThousandActionsKeepEveryRule()
{
    qtTestHandler = qInstallMessageHandler(dropPlatformChatter);
    // The session saves the settings thousands of times, each save waiting
    // for the disk; in memory it does not.
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        qputenv("TMPDIR", "/dev/shm");
    TestProgram test;
    Program& program = test.program();
    TwoPlayerWindow& velmora = program.velmora();
    ModalAnswerer answerer;

    // Started as a person starts it: the welcome window, then a key.
    program.start();
    QPointer<QWidget> welcome = topLevelWindow("Acceuil");
    QVERIFY(welcome);
    QTest::keyClick(welcome, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(welcome.isNull() && velmora.isVisible() && topLevelWindow("Velmoraco"));
    ComputerWindow& computer = program.velmoraco();

    std::mt19937 engine(kSeed);
    std::vector<int> weights;
    for (const auto& kind : kKinds)
        weights.push_back(kind.second);
    std::discrete_distribution<int> draw(weights.begin(), weights.end());
    std::uniform_int_distribution<int> digit(1, 9);
    // What the session expects: the settings in force, which board is shown,
    // and whether a command has saved the settings yet.
    QString lan = velmora.Lan();
    QString pt = velmora.pt();
    bool againstComputer = false;
    bool saved = false;
    std::set<QString> reached;
    QStringList recent;
    QElapsedTimer timer;
    timer.start();

    // Every board keeps its rules, exactly the expected board is shown, no
    // other window stays open, and the settings file holds the settings in
    // force in the form the program writes.
    const auto check = [&]() -> QString {
        for (QWidget* board : {static_cast<QWidget*>(&velmora), static_cast<QWidget*>(&computer)}) {
            if (const QString fault = boardFault(*board); !fault.isEmpty())
                return fault;
        }
        if (velmora.isVisible() == againstComputer || computer.isVisible() != againstComputer)
            return QStringLiteral("shown: Velmora %1, Velmoraco %2").arg(velmora.isVisible()).arg(computer.isVisible());
        if (program.hasPrinter1() || (program.hasApropos() && program.apropos().isVisible()))
            return QStringLiteral("the print or About window stayed open");
        if (velmora.Lan() != lan || velmora.pt() != pt)
            return QStringLiteral("Lan '%1' and pt '%2', not '%3' and '%4'").arg(velmora.Lan(), velmora.pt(), lan, pt);
        const QByteArray file = test.settingsBytes();
        if (file == (lan + QLatin1Char('\r') + pt + QStringLiteral("\r\n")).toLatin1()
            || (!saved && file == "<no file>"))
            return {};
        return QStringLiteral("the settings file holds %1").arg(QString::fromLatin1(file.toHex(' ')));
    };

    for (int number = 1; number <= kActions; ++number) {
        const Kind kind = static_cast<Kind>(draw(engine));
        BoardWindow& window = againstComputer ? static_cast<BoardWindow&>(computer) : velmora;
        const QString what = QString::fromLatin1(kKinds.at(kind).first) + QStringLiteral(" in ") + window.objectName();
        reached.insert(what);
        recent.append(QString::number(number) + QLatin1Char(' ') + what);
        if (recent.size() > 8)
            recent.removeFirst();
        // The computer's dice come from the session's own generator too.
        test.random().script({digit(engine), digit(engine), digit(engine), digit(engine)});
        QString fault;

        if (kind == kClick) {
            QList<QPushButton*> shown;
            for (const char* cell : kCells) {
                if (auto* button = window.findChild<QPushButton*>(QLatin1String(cell)); button->isVisible())
                    shown.append(button);
            }
            if (shown.isEmpty())
                fault = QStringLiteral("no cell can be clicked");
            else
                QTest::mouseClick(
                    shown.at(std::uniform_int_distribution<qsizetype>(0, shown.size() - 1)(engine)), Qt::LeftButton);
        } else if (kind == kKey) {
            const Qt::Key key = Qt::Key(Qt::Key_0 + digit(engine));
            const bool keypad = std::bernoulli_distribution(0.5)(engine);
            QWidget* focus = window.focusWidget() != nullptr ? window.focusWidget() : &window;
            QTest::keyClick(focus, key, keypad ? Qt::KeypadModifier : Qt::NoModifier);
        } else if (kind == kPrint) {
            program.showPrintWindow();
            if (!program.printer1().isVisible())
                fault = QStringLiteral("the print window is not shown");
            QTest::mouseClick(program.printer1().findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } else if (kind == kAboutOk || kind == kAboutBox) {
            program.showAbout();
            AboutWindow& about = program.apropos();
            if (!about.isVisible())
                fault = QStringLiteral("the About window is not shown");
            if (kind == kAboutOk)
                QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
            else
                about.close(); // the close box, as the window manager sends it
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } else {
            chooseItem(window, QString::fromLatin1(kKinds.at(kind).first));
            // A level or two players from the computer's board starts afresh.
            const bool fresh = kind == kNew || (kind >= kEasy && kind <= kHard) || (kind == kTwo && againstComputer);
            saved = saved || (kind != kNew && !(kind == kTwo && !againstComputer));
            againstComputer = (kind >= kEasy && kind <= kHard) || (againstComputer && kind != kTwo);
            if (kind >= kFrench)
                lan = QLatin1String(kind == kFrench ? "F" : "A");
            else if (kind >= kEasy)
                pt = QLatin1String(std::array{"F", "N", "I", ""}.at(kind - kEasy));
            BoardWindow& now = againstComputer ? static_cast<BoardWindow&>(computer) : velmora;
            if (fresh && boardState(now) != freshBoardState())
                fault = QStringLiteral("no new game on ") + now.objectName();
        }

        if (fault.isEmpty())
            fault = check();
        QVERIFY2(fault.isEmpty(),
            qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions:\n  %4")
                           .arg(kSeed)
                           .arg(number)
                           .arg(fault, recent.join(QStringLiteral("\n  ")))));
        // Paint and window requests pile up; let them through now and then.
        if (number % 500 == 0)
            QCoreApplication::processEvents();
    }

    // Every action came up in both board windows, and many games ended.
    QCOMPARE(reached.size(), 2 * kKinds.size());
    QVERIFY2(answerer.seen().size() >= 500, qPrintable(QString::number(answerer.seen().size()) + " games ended"));
    qInfo("%d actions in %lld ms, %lld games announced", kActions, static_cast<long long>(timer.elapsed()),
        static_cast<long long>(answerer.seen().size()));
    qInstallMessageHandler(qtTestHandler);
}

QTEST_MAIN(TestRandomSession)
#include "test_random_session.moc"
