// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/two_player_window.h"

#include "platform/message_box.h"
#include "platform/twips.h"
#include "settings/settings_file.h"
#include "windows/computer_window.h"
#include "windows/program.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

namespace velmora {

namespace {

// Digit keys 1 to 9 and the cells they play: the bottom row is 1 2 3.
constexpr std::array<int, 9> kCellOfDigit = {7, 8, 9, 4, 5, 6, 1, 2, 3};

} // namespace

TwoPlayerWindow::TwoPlayerWindow(Program& program)
    : BoardWindow(program, "Velmora")
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

    // Form_Load
    game_.board().setToMove(Player::One);
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
        game_.move(cell);
}

void TwoPlayerWindow::showTurn(Player toMove)
{
    const bool one = toMove == Player::One;
    const char* key = one ? "Panel.playerOne" : "Panel.playerTwo";
    panel(2)->setText(caption(key, english() ? Language::English : Language::French));
}

void TwoPlayerWindow::announce(Outcome outcome)
{
    const bool inEnglish = english();
    QString text;
    QString title = inEnglish ? QStringLiteral("End Game!") : QStringLiteral("Partie terminée!");
    switch (outcome) {
    case Outcome::PlayerOneWins:
        text = inEnglish ? QStringLiteral("Bravo player 1!!! You are WIN!!!")
                         : QStringLiteral("Bravo joueur 1!!! Vous avez gagné!!!");
        break;
    case Outcome::PlayerTwoWins:
        text = inEnglish ? QStringLiteral("Bravo player 2!!! You are WIN!!!")
                         : QStringLiteral("Bravo joueur 2!!! Vous avez gagné!!!");
        break;
    case Outcome::Draw:
        text = inEnglish ? QStringLiteral("Match nul Anglais!!!") : QStringLiteral("Match nul!!!");
        title = QStringLiteral("Bouh!!");
        break;
    }
    showExclamationBox(this, text, title);
}

void TwoPlayerWindow::applyStatusTexts(Language language)
{
    panel(1)->setText(caption("Panel.twoPlayers", language));
    // The turn panel keeps its player and takes the new language's words.
    const QString shown = panel(2)->text();
    const bool playerOne = shown == caption("Panel.playerOne", Language::French)
        || shown == caption("Panel.playerOne", Language::English);
    panel(2)->setText(caption(playerOne ? "Panel.playerOne" : "Panel.playerTwo", language));
}

void TwoPlayerWindow::Save()
{
    writeSettingsFile(settingsFilePath(), {lan_, pt_});
}

} // namespace velmora
