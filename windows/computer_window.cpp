// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/computer_window.h"

#include "settings/program_settings.h"
#include "windows/game_types.h"
#include "windows/program.h"

#include <QLabel>
#include <QPushButton>

namespace velmora {

ComputerWindow::ComputerWindow(Program& program, ProgramSettings& settings, RandomSource& random)
    : BoardWindow(program, settings, "Velmoraco")
    , game_(*this, random)
{
    buildWindow({QString()}, {2500}, 1080);
    // The cells take the focus from the Tab key only, and Space plays the
    // cell in focus; a click leaves the focus where it is, so a screen reader
    // is not sent to a button that the click is about to hide.
    for (int cell = 1; cell <= kCellCount; ++cell)
        cellButton(cell)->setFocusPolicy(Qt::TabFocus);
    // A new window checks the item of the language in force, French when
    // the code is no language.
    setChecked(languageInfo(languageOrFrench(settings.lan())).menuItem, true);
}

void ComputerWindow::announce(Outcome outcome)
{
    // This window speaks French whatever the language.
    showEndOfGame(outcome, Language::French, "Box.personLoses");
}

void ComputerWindow::startLevel(Level level, const QString& name)
{
    panel(1)->setText(name);
    for (const GameType& type : kGameTypes)
        setChecked(type.menuItem, type.level == level);
    show();
    activateWindow();
    game_.chooseLevel(level);
}

void ComputerWindow::applyWindowTexts(Language language)
{
    panel(1)->setText(caption(levelNameKey(settings().pt()), language));
}

void ComputerWindow::speak(const QString& words)
{
    // Whichever cell holds the focus speaks; a played cell is hidden and its
    // words are never heard.
    for (int cell = 1; cell <= kCellCount; ++cell)
        cellButton(cell)->setAccessibleDescription(words);
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
