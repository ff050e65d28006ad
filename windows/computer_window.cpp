// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/computer_window.h"

#include "platform/message_box.h"
#include "windows/program.h"
#include "windows/two_player_window.h"

#include <QLabel>

namespace velmora {

ComputerWindow::ComputerWindow(Program& program, RandomSource& random)
    : BoardWindow(program, "Velmoraco")
    , game_(*this, random)
{
    buildWindow({QString()}, {2500}, 1080);
    // Form_Load: the person moves first; the language item follows the
    // two-player window's code, French unless it is English.
    game_.board().setToMove(Player::One);
    if (program.velmora().Lan() == QLatin1String("A"))
        setChecked("angl", true);
    else
        setChecked("franc", true);
}

void ComputerWindow::announce(Outcome outcome)
{
    // This window speaks French whatever the language.
    switch (outcome) {
    case Outcome::PlayerOneWins:
        showExclamationBox(
            this, QStringLiteral("Bravo joueur 1!!! Vous avez gagné!!!"), QStringLiteral("Partie terminée!"));
        break;
    case Outcome::PlayerTwoWins:
        showExclamationBox(this, QStringLiteral("Bouh!!! Vous avez perdu!!!"), QStringLiteral("Partie terminée!"));
        break;
    case Outcome::Draw:
        showExclamationBox(this, QStringLiteral("Match nul!!!"), QStringLiteral("Bouh!!"));
        break;
    }
}

void ComputerWindow::showLevelName(const QString& name)
{
    panel(1)->setText(name);
}

void ComputerWindow::applyStatusTexts(Language language)
{
    const QString pt = program().velmora().pt();
    const char* key = pt == QLatin1String("I") ? "Level.I" : pt == QLatin1String("F") ? "Level.F" : "Level.N";
    showLevelName(caption(key, language));
}

void ComputerWindow::joueur_Click()
{
    program().chooseTwoPlayers();
}

void ComputerWindow::setTypepart(const QString& text)
{
    if (!parseLevel(text.toStdString(), game_.fields().typepart))
        logRejectedField("typepart", text);
}

void ComputerWindow::setTp1(const QString& text)
{
    if (!parseHardMarker(text.toStdString(), game_.fields().tp1))
        logRejectedField("tp1", text);
}

void ComputerWindow::setBookField(const char* name, BookField& field, const QString& text)
{
    if (!parseBookField(text.toStdString(), field))
        logRejectedField(name, text);
}

} // namespace velmora
