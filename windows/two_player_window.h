// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/program_settings.h"
#include "windows/board_window.h"

namespace velmora {

// `Velmora`: two people share the screen, with the mouse or the digit keys.
// The program's two settings, the language code `Lan` and the game-type code
// `pt`, are found here under their names.
class TwoPlayerWindow final : public BoardWindow, public TurnView {
    Q_OBJECT
    Q_PROPERTY(QString Lan READ Lan WRITE setLan)
    Q_PROPERTY(QString pt READ pt WRITE setPt)

public:
    TwoPlayerWindow(Program& program, ProgramSettings& settings);

    BoardGame& game() override { return game_; }

    QString Lan() { return settings().lan(); }
    void setLan(const QString& code) { settings().setLan(code); }
    QString pt() { return settings().pt(); }
    void setPt(const QString& code) { settings().setPt(code); }

    // Two players chosen: this window's check marks, shown, a new game.
    void startTwoPlayerGame();

public Q_SLOTS:
    // Keyboard play: the digit keys as on a numeric keypad, 7 8 9 on top.
    void Command1_KeyPress(const QString& text);

protected:
    void showPlayerToMove(Player player) override;
    void announce(Outcome outcome) override;
    void applyWindowTexts(Language language) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void speak(const QString& words) override;
    QString turnWords() override;
    QString freshBoardWords() override;

private:
    // The accessible name of the button that takes the keys.
    void nameKeyboardPlay(Language language);
    // This window's own texts: French for any code that is no language.
    Language ownLanguage() { return languageOrFrench(settings().lan()); }

    TwoPlayerGame game_{*this, *this};
    QPushButton* command1_ = nullptr;
};

} // namespace velmora
