// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/board_window.h"

namespace velmora {

// `Velmora`: two people share the screen, with the mouse or the digit keys.
// It also holds the program's two settings while it runs: the language code
// `Lan` and the game-type code `pt`.
class TwoPlayerWindow final : public BoardWindow {
    Q_OBJECT
    Q_PROPERTY(QString Lan READ Lan WRITE setLan)
    Q_PROPERTY(QString pt READ pt WRITE setPt)

public:
    explicit TwoPlayerWindow(Program& program);

    BoardGame& game() override { return game_; }

    QString Lan() const { return lan_; }
    void setLan(const QString& code) { lan_ = code; }
    QString pt() const { return pt_; }
    void setPt(const QString& code) { pt_ = code; }

    // Rewrites the settings file with `Lan` and `pt`.
    void Save();

public Q_SLOTS:
    // Keyboard play: the digit keys as on a numeric keypad, 7 8 9 on top.
    void Command1_KeyPress(const QString& text);

protected:
    void showTurn(Player toMove) override;
    void announce(Outcome outcome) override;
    void applyStatusTexts(Language language) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool english() const { return lan_ == QLatin1String("A"); }

    TwoPlayerGame game_{*this};
    // Neither French nor English until start-up or a language command sets it.
    QString lan_ = QStringLiteral("Label10");
    QString pt_ = QStringLiteral("Label10");
};

} // namespace velmora
