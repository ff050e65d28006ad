// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/computer_game.h"
#include "windows/board_window.h"

namespace velmora {

// `Velmoraco`: one person against the computer. The person's click, the
// computer's reply and any end-of-game message all run inside the click.
class ComputerWindow final : public BoardWindow {
    Q_OBJECT
    Q_PROPERTY(QString typepart READ typepart WRITE setTypepart)
    Q_PROPERTY(QString tp1 READ tp1 WRITE setTp1)
    Q_PROPERTY(QString ty READ ty WRITE setTy)
    Q_PROPERTY(QString ca READ ca WRITE setCa)
    Q_PROPERTY(QString ca2 READ ca2 WRITE setCa2)

public:
    ComputerWindow(Program& program, ProgramSettings& settings, RandomSource& random);

    BoardGame& game() override { return game_; }

    QString typepart() const { return QString::fromStdString(levelText(game_.fields().typepart)); }
    void setTypepart(const QString& text);
    QString tp1() const { return QString::fromStdString(hardMarkerText(game_.fields().tp1)); }
    void setTp1(const QString& text);
    QString ty() const { return QString::fromStdString(bookFieldText(game_.fields().ty)); }
    void setTy(const QString& text) { setBookField("ty", game_.fields().ty, text); }
    QString ca() const { return QString::fromStdString(bookFieldText(game_.fields().ca)); }
    void setCa(const QString& text) { setBookField("ca", game_.fields().ca, text); }
    QString ca2() const { return QString::fromStdString(bookFieldText(game_.fields().ca2)); }
    void setCa2(const QString& text) { setBookField("ca2", game_.fields().ca2, text); }

    // A level chosen: the level's name in the status bar, the check marks,
    // the window shown, then the game takes the level and starts anew.
    void startLevel(Level level, const QString& name);

public Q_SLOTS:
    void joueur_Click() override;

protected:
    void announce(Outcome outcome) override;
    void applyWindowTexts(Language language) override;
    void speak(const QString& words) override;
    QString turnWords() override { return caption("Spoken.yourTurn", spokenLanguage()); }
    QString freshBoardWords() override { return turnWords(); }

private:
    void setBookField(const char* name, BookField& field, const QString& text);

    ComputerGame game_;
};

} // namespace velmora
