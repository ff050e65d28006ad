// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long a person's click on the board takes against the computer, at each
// level: from the click event to the return of its handler, the computer's
// reply included, in the real windows on the offscreen platform with the
// real dice. A thousand games per level, the person playing random empty
// cells.
//
// A click that ends the game shows the modal end-of-game box; it is answered
// from inside the box's own event loop the moment it opens, so those clicks
// include showing, answering and closing a box, and are reported apart.
// Repainting happens after the handler, at the next pass of the event loop;
// it is timed as well, click and repaint together.
//
// Prints a Markdown table: level, kind of click, count, and the median, 99th
// percentile and maximum in microseconds.

#include "platform/clock.h"
#include "platform/clock_random_source.h"
#include "support/modal_answerer.h"
#include "windows/computer_window.h"
#include "windows/program.h"
#include "windows/two_player_window.h"
#include "windows/welcome_window.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kGamesPerLevel = 1000;

struct Figures {
    std::vector<double> microseconds;

    void add(qint64 nanoseconds) { microseconds.push_back(static_cast<double>(nanoseconds) / 1000.0); }
    double at(double fraction)
    {
        std::sort(microseconds.begin(), microseconds.end());
        const auto index = static_cast<std::size_t>(fraction * static_cast<double>(microseconds.size() - 1) + 0.5);
        return microseconds.at(index);
    }
    void print(const char* level, const char* kind)
    {
        if (microseconds.empty())
            return;
        std::printf(
            "| %s | %s | %zu | %.0f | %.0f | %.0f |\n", level, kind, microseconds.size(), at(0.5), at(0.99), at(1.0));
    }
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Level choices write the settings file: keep it out of the user's.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QApplication app(argc, argv);

    velmora::ClockRandomSource dice;
    velmora::SystemClock clock;
    velmora::Program program(dice, clock);
    program.start();
    program.acceuil().Frame1_Click();
    velmora::testing::ModalAnswerer answerer;
    std::mt19937 person(7);

    std::printf("Qt %s, %s platform\n\n", qVersion(), qPrintable(QApplication::platformName()));
    std::printf("| level | click | clicks | median (us) | p99 (us) | max (us) |\n|---|---|---|---|---|---|\n");
    const std::array<std::pair<const char*, const char*>, 3> levels
        = {{{"Easy", "facile"}, {"Medium", "Normal"}, {"Hard", "Impo"}}};
    for (const auto& [level, item] : levels) {
        velmora::BoardWindow& start = program.velmora().isVisible()
            ? static_cast<velmora::BoardWindow&>(program.velmora())
            : program.velmoraco();
        start.menuItem(item)->trigger();
        velmora::ComputerWindow& window = program.velmoraco();
        std::vector<QPushButton*> cells;
        for (const char* name : {"Hg", "Hm", "Hd", "Mg", "Mm", "Md", "Bg", "Bm", "Bd"})
            cells.push_back(window.findChild<QPushButton*>(QLatin1String(name)));
        QCoreApplication::processEvents();

        Figures moves;
        Figures endings;
        Figures movesRepainted;
        QElapsedTimer timer;
        for (int games = 0; games < kGamesPerLevel;) {
            std::vector<QPushButton*> open;
            std::copy_if(cells.begin(), cells.end(), std::back_inserter(open),
                [](QPushButton* cell) { return cell->isVisible(); });
            QPushButton* cell = open.at(std::uniform_int_distribution<std::size_t>(0, open.size() - 1)(person));
            const qsizetype boxesBefore = answerer.seen().size();
            timer.start();
            QTest::mouseClick(cell, Qt::LeftButton);
            const qint64 handled = timer.nsecsElapsed();
            QCoreApplication::processEvents();
            const qint64 repainted = timer.nsecsElapsed();
            if (answerer.seen().size() > boxesBefore) {
                endings.add(handled);
                ++games;
            } else {
                moves.add(handled);
                movesRepainted.add(repainted);
            }
        }
        moves.print(level, "reply");
        movesRepainted.print(level, "reply+repaint");
        endings.print(level, "game end with box");
    }
    program.end();
    return 0;
}
