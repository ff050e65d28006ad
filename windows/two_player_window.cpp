// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/two_player_window.h"

#include "windows/game_types.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>
#include <array>

namespace velmora {

namespace {

// Digit keys 1 to 9 and the cells they play: the bottom row is 1 2 3.
constexpr std::array<int, 9> kCellOfDigit = {7, 8, 9, 4, 5, 6, 1, 2, 3};

// The cell a key's text plays, or 0 for a text that is no digit 1 to 9.
int cellOfKey(const QString& text)
{
    if (text.size() != 1 || text.at(0) < QLatin1Char('1') || text.at(0) > QLatin1Char('9'))
        return 0;
    return kCellOfDigit.at(static_cast<std::size_t>(text.at(0).unicode() - '1'));
}

} // namespace

TwoPlayerWindow::TwoPlayerWindow(Program& program, ProgramSettings& settings)
    : BoardWindow(program, settings, "Velmora")
{
    buildWindow({laidOutCaption("Panel.twoPlayers"), laidOutCaption("Panel.playerOne")}, {1200, 1200}, 960);
    for (int cell = 1; cell <= kCellCount; ++cell)
        cellButton(cell)->setFocusPolicy(Qt::NoFocus);

    // Command1 lies hidden behind the first status panel and keeps the
    // keyboard focus, so the digit keys play while the window is active.
    command1_ = new QPushButton(QStringLiteral("Command1"), statusBar());
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(scale().rect(120, 60, 735, 135));
    command1_->lower();
    for (int index : {1, 2})
        panel(index)->setAutoFillBackground(true);
    command1_->installEventFilter(this);
    menuBar()->installEventFilter(this);
    setFocusProxy(command1_);
    command1_->setFocus();
    nameKeyboardPlay(kLaidOutLanguage);
    speak(freshBoardWords());
}

void TwoPlayerWindow::nameKeyboardPlay(Language language)
{
    // Command1 keeps its caption, but a screen reader says what it is; what
    // it says of the game is spoken by `speak`.
    command1_->setAccessibleName(caption("Command1.name", language));
}

void TwoPlayerWindow::startTwoPlayerGame()
{
    for (const GameType& type : kGameTypes)
        setChecked(type.menuItem, type.level == NoLevel);
    show();
    activateWindow();
    game_.raz();
}

bool TwoPlayerWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return BoardWindow::eventFilter(watched, event);
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (watched == menuBar() && cellOfKey(text) != 0) {
        // A menu closed with Escape leaves the menu bar taking the keys, with
        // nothing on screen to say so: a digit gives them back to Command1
        // and plays.
        command1_->setFocus(Qt::OtherFocusReason);
        Command1_KeyPress(text);
        return true;
    }
    if (watched == command1_)
        Command1_KeyPress(text);
    // The key goes on unchanged.
    return BoardWindow::eventFilter(watched, event);
}

void TwoPlayerWindow::Command1_KeyPress(const QString& text)
{
    const int cell = cellOfKey(text);
    if (cell != 0 && game_.board().isEmpty(cell))
        play(cell);
}

void TwoPlayerWindow::speak(const QString& words)
{
    command1_->setAccessibleDescription(words);
}

QString TwoPlayerWindow::turnWords()
{
    return caption(board().toMove() == Player::One ? "Spoken.playerOne" : "Spoken.playerTwo", ownLanguage());
}

QString TwoPlayerWindow::freshBoardWords()
{
    return caption("Command1.description", ownLanguage());
}

void TwoPlayerWindow::showPlayerToMove(Player player)
{
    const char* key = player == Player::One ? "Panel.playerOne" : "Panel.playerTwo";
    panel(2)->setText(caption(key, ownLanguage()));
}

void TwoPlayerWindow::announce(Outcome outcome)
{
    showEndOfGame(outcome, ownLanguage(), "Box.playerTwoWins");
}

void TwoPlayerWindow::applyWindowTexts(Language language)
{
    nameKeyboardPlay(language);
    panel(1)->setText(caption("Panel.twoPlayers", language));
    // The turn panel keeps its player and takes the new language's words.
    const QString shown = panel(2)->text();
    const bool playerOne = std::any_of(kLanguages.begin(), kLanguages.end(),
        [&shown](const LanguageInfo& info) { return shown == caption("Panel.playerOne", info.language); });
    panel(2)->setText(caption(playerOne ? "Panel.playerOne" : "Panel.playerTwo", language));
}

} // namespace velmora
