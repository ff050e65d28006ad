// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board_game.h"
#include "game/game_view.h"
#include "platform/twips.h"
#include "settings/captions.h"

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace velmora {

class Program;
class ProgramSettings;

// What the two board windows share: the green board with its nine cell
// buttons and images, the status bar, the menu tree and the commands that
// behave alike in both. The board's fields are exposed as properties under
// their own names, in their text forms.
class BoardWindow : public QMainWindow, public GameView {
    Q_OBJECT
    Q_PROPERTY(QString Label1 READ Label1 WRITE setLabel1)
    Q_PROPERTY(QString Label2 READ Label2 WRITE setLabel2)
    Q_PROPERTY(QString Label3 READ Label3 WRITE setLabel3)
    Q_PROPERTY(QString Label4 READ Label4 WRITE setLabel4)
    Q_PROPERTY(QString Label5 READ Label5 WRITE setLabel5)
    Q_PROPERTY(QString Label6 READ Label6 WRITE setLabel6)
    Q_PROPERTY(QString Label7 READ Label7 WRITE setLabel7)
    Q_PROPERTY(QString Label8 READ Label8 WRITE setLabel8)
    Q_PROPERTY(QString Label9 READ Label9 WRITE setLabel9)
    Q_PROPERTY(QString Joueur1 READ Joueur1 WRITE setJoueur1)
    Q_PROPERTY(QString nbjouer READ nbjouer WRITE setNbjouer)

public:
    BoardWindow(Program& program, ProgramSettings& settings, const char* name);

    virtual BoardGame& game() = 0;
    const Board& board() { return game().board(); }

    // Applies the language code in force to this window's captions, check
    // marks and status texts; a code that is no language changes nothing.
    void lang();

    QAction* menuItem(const char* name) const;
    void setChecked(const char* item, bool checked);

    QString markText(int cell) { return QString::fromStdString(board().markText(cell)); }
    void setMarkText(int cell, const QString& text);
    QString Label1() { return markText(1); }
    QString Label2() { return markText(2); }
    QString Label3() { return markText(3); }
    QString Label4() { return markText(4); }
    QString Label5() { return markText(5); }
    QString Label6() { return markText(6); }
    QString Label7() { return markText(7); }
    QString Label8() { return markText(8); }
    QString Label9() { return markText(9); }
    void setLabel1(const QString& text) { setMarkText(1, text); }
    void setLabel2(const QString& text) { setMarkText(2, text); }
    void setLabel3(const QString& text) { setMarkText(3, text); }
    void setLabel4(const QString& text) { setMarkText(4, text); }
    void setLabel5(const QString& text) { setMarkText(5, text); }
    void setLabel6(const QString& text) { setMarkText(6, text); }
    void setLabel7(const QString& text) { setMarkText(7, text); }
    void setLabel8(const QString& text) { setMarkText(8, text); }
    void setLabel9(const QString& text) { setMarkText(9, text); }
    QString Joueur1() { return QString::fromStdString(board().turnText()); }
    void setJoueur1(const QString& text);
    QString nbjouer() { return QString::fromStdString(board().moveCountText()); }
    void setNbjouer(const QString& text);

public Q_SLOTS:
    void Hg_Click() { play(1); }
    void Hm_Click() { play(2); }
    void Hd_Click() { play(3); }
    void Mg_Click() { play(4); }
    void Mm_Click() { play(5); }
    void Md_Click() { play(6); }
    void Bg_Click() { play(7); }
    void Bm_Click() { play(8); }
    void Bd_Click() { play(9); }
    void Newgame_Click() { game().raz(); }
    void Exit1_Click();
    void facile_Click();
    void Normal_Click();
    void Impo_Click();
    virtual void joueur_Click() { }
    void franc_Click();
    void angl_Click();
    void print2_Click();
    void propimpri_Click();
    void apropos_Click();
    void velmora1_Click();
    void dozi_Click();
    void vek_Click();

protected:
    Program& program() { return program_; }
    ProgramSettings& settings() { return settings_; }
    QLabel* panel(int index) const;
    QPushButton* cellButton(int cell) const { return buttons_.at(static_cast<std::size_t>(cell - 1)); }
    // How much larger than designed this window is drawn, fixed when it is built.
    const TwipsScale& scale() const { return scale_; }

    Language spokenLanguage() const { return language_; }

    // The move on a cell by a click or a key. Then a screen reader hears of
    // it and of the moves nested inside it, and whose turn it is.
    void play(int cell);
    // Puts the words where a screen reader hears them: on the object that
    // holds the focus, which announces the change.
    virtual void speak(const QString& words) = 0;
    // What follows the moves in the words: whose turn it is.
    virtual QString turnWords() = 0;
    // What the object in focus says of a new game.
    virtual QString freshBoardWords() = 0;

    // Lays out the board, the status bar with its panels and the menus.
    void buildWindow(const QStringList& panelTexts, const QList<int>& panelWidthsInTwips, int blankPictureLeftTwips);
    // The last step of `lang`: the window's own status texts and names.
    virtual void applyWindowTexts(Language language) = 0;
    // Runs the command of a check-mark item without Qt's own toggle, so the
    // handlers alone decide the check marks.
    void connectCheckItem(const char* item, void (BoardWindow::*handler)());

    // The end-of-game box in `language`; a win of the noughts says the text
    // of `noughtsWinKey`.
    void showEndOfGame(Outcome outcome, Language language, const char* noughtsWinKey);

    void showMark(int cell, Mark mark) override;
    void clearBoard() override;

    void closeEvent(QCloseEvent* event) override;

    void logRejectedField(const char* field, const QString& text);

private:
    // The font's scale, or more where the menu bar needs more room.
    TwipsScale boardScale();
    void buildCells(QWidget* board);
    // Gives the cell's button and image a name a screen reader can say.
    void describeCell(int cell, Mark mark);
    void buildTemplates(QWidget* board, int blankPictureLeftTwips);
    void buildStatusBar(const QStringList& panelTexts, const QList<int>& panelWidthsInTwips);
    void connectMenus();
    // A language item chooses its language, as `franc_Click` and
    // `angl_Click` do.
    void connectLanguageItem(const LanguageInfo& info);
    void holdDesignedSize();

    Program& program_;
    ProgramSettings& settings_;
    TwipsScale scale_;
    std::array<QPushButton*, kCellCount> buttons_{};
    std::array<QLabel*, kCellCount> images_{};
    QLabel* croix_ = nullptr;
    QLabel* rond_ = nullptr;
    QLabel* vide_ = nullptr;
    // The language of the cells' spoken names: as laid out until one is
    // applied.
    Language language_ = kLaidOutLanguage;
    // The marks placed since the words were last spoken: "croix, centre".
    QStringList movesToSpeak_;
    // Off from the end-of-game box until the new board is laid out and the
    // input queued meanwhile has gone by.
    bool takesPlay_ = true;
};

} // namespace velmora
