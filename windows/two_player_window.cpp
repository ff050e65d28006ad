// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/two_player_window.h"

#include "platform/twips.h"
#include "windows/game_types.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

namespace velmora {

namespace {

// Digit keys 1 to 9 and the cells they play: the bottom row is 1 2 3.
constexpr std::array<int, 9> kCellOfDigit = {7, 8, 9, 4, 5, 6, 1, 2, 3};

} // namespace

TwoPlayerWindow::TwoPlayerWindow(Program& program, ProgramSettings& settings)
    : BoardWindow(program, settings, "Velmora")
{
    buildWindow({QStringLiteral("2 Joueurs"), QStringLiteral("Joueur : 1")}, {1200, 1200}, 960);
    for (int cell = 1; cell <= kCellCount; ++cell)
        cellButton(cell)->setFocusPolicy(Qt::NoFocus);

    // Command1 lies hidden behind the first status panel and keeps the
    // keyboard focus, so the digit keys play while the window is active.
    QStatusBar* bar = statusBar();
    auto* command1 = new QPushButton(QStringLiteral("Command1"), bar);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setGeometry(twipsRect(120, 60, 735, 135));
    command1->lower();
    for (int index : {1, 2})
        panel(index)->setAutoFillBackground(true);
    command1->installEventFilter(this);
    setFocusProxy(command1);
    command1->setFocus();
    describeKeyboardPlay(Language::French);
}

void TwoPlayerWindow::describeKeyboardPlay(Language language)
{
    // Command1 keeps its caption, but a screen reader says what it is.
    auto* command1 = statusBar()->findChild<QPushButton*>(QStringLiteral("Command1"));
    command1->setAccessibleName(caption("Command1.name", language));
    command1->setAccessibleDescription(caption("Command1.description", language));
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
    if (event->type() == QEvent::KeyPress && watched->objectName() == QLatin1String("Command1"))
        Command1_KeyPress(static_cast<QKeyEvent*>(event)->text());
    // The key goes on unchanged.
    return BoardWindow::eventFilter(watched, event);
}

void TwoPlayerWindow::Command1_KeyPress(const QString& text)
{
    if (text.size() != 1 || text.at(0) < QLatin1Char('1') || text.at(0) > QLatin1Char('9'))
        return;
    const int cell = kCellOfDigit.at(static_cast<std::size_t>(text.at(0).unicode() - '1'));
    if (game_.board().isEmpty(cell))
        play(cell);
}

void TwoPlayerWindow::showTurn(Player toMove)
{
    const char* key = toMove == Player::One ? "Panel.playerOne" : "Panel.playerTwo";
    panel(2)->setText(caption(key, ownLanguage()));
}

void TwoPlayerWindow::announce(Outcome outcome)
{
    showEndOfGame(outcome, ownLanguage(), "Box.playerTwoWins");
}

void TwoPlayerWindow::applyWindowTexts(Language language)
{
    describeKeyboardPlay(language);
    panel(1)->setText(caption("Panel.twoPlayers", language));
    // The turn panel keeps its player and takes the new language's words.
    const QString shown = panel(2)->text();
    const bool playerOne = shown == caption("Panel.playerOne", Language::French)
        || shown == caption("Panel.playerOne", Language::English);
    panel(2)->setText(caption(playerOne ? "Panel.playerOne" : "Panel.playerTwo", language));
}

} // namespace velmora
