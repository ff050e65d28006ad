// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window tests share: answering modal boxes, scripted dice and a
// program whose settings file lives in a folder of the test's own.

#include "game/random_source.h"
#include "platform/clock.h"
#include "support/modal_answerer.h"
#include "windows/program.h"

#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <memory>

namespace velmora::testing {

// Dice that fall as the test says: cell numbers, drawn in turn; when the
// script runs out, the draws go round the cells 1 to 9.
class ScriptedRandom final : public RandomSource {
public:
    void script(std::initializer_list<int> cells) { cells_.assign(cells); }
    void reseed() override { }
    double next() override;

private:
    std::deque<int> cells_;
    int roundRobin_ = 0;
};

// A clock that only moves when the test says so.
class ManualClock final : public Clock {
public:
    QDateTime now() const override { return now_; }
    void advanceMSecs(qint64 msecs) { now_ = now_.addMSecs(msecs); }

private:
    QDateTime now_ = QDateTime(QDate(2026, 12, 6), QTime(10, 0, 0));
};

// A program with a settings folder of its own, as a fresh user account. Any
// modal window that no answerer of the test's own takes is answered too, so
// that a fault fails the test instead of holding it up.
class TestProgram {
public:
    TestProgram();

    Program& program() { return *program_; }
    ScriptedRandom& random() { return random_; }
    ManualClock& clock() { return clock_; }
    QString settingsPath() const;
    QByteArray settingsBytes() const;
    void writeSettings(const QByteArray& bytes) const;

private:
    ModalAnswerer lastResort_;
    QTemporaryDir configHome_;
    ScriptedRandom random_;
    ManualClock clock_;
    std::unique_ptr<Program> program_;
};

// The program's window of that name, if it exists.
QWidget* topLevelWindow(const char* name);

// Shows a window and makes it active, so its shortcuts fire.
bool activate(QWidget& window);

// The mark texts of the nine cells, "10" to "9" when empty.
QStringList marks(QObject& board);

// Chooses a menu item as the user does: from the menu, by the item's name,
// or with its function key, "F2" or "F5" to "F8", on the active window; then
// lets the events it posted reach the windows, as the event loop would.
void chooseItem(QWidget& window, const QString& choice);

// Clicks the cell buttons named, one after the other: "Hg Mm Bd".
void clickCells(QWidget& window, const QString& cells);

// Properties of a window in their text forms, in the order named.
QStringList fieldTexts(QObject& window, const QStringList& names);

// The text of a status-bar panel: "Panel1", "Panel2".
QString statusText(QWidget& window, const char* panel);

// Of the menu items named, those that carry a check mark.
QStringList checkedItems(QWidget& window, const QStringList& items);

// Every text the program's windows show, one line per window, object and
// property: "Velmora | Hg | accessibleName | haut gauche, vide". A label cut
// to its width counts with its whole text, whatever the fonts.
QStringList windowTexts();

// Every box the answerer saw, as "title: text", one a line; a box that may
// read its text as markup says so after it.
QString seenBoxes(const ModalAnswerer& answerer);

// What a reset puts back on a board window: the nine marks, which cells show
// their button ("B") or their image ("I"), whose turn and the move count.
QStringList boardState(QWidget& window);
// That state on a fresh board: empty cells, crosses to move.
QStringList freshBoardState();

} // namespace velmora::testing
