// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/opponent_fields.h"
#include "platform/printing.h"
#include "settings/language.h"
#include "settings/program_settings.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QPrinter;
class QWidget;

namespace velmora {

class AboutWindow;
class BoardWindow;
class Clock;
class ComputerWindow;
class GridSheet;
class PrintWindow;
class RandomSource;
class TwoPlayerWindow;
class WelcomeWindow;

// The program's six windows, each a single instance, created the first time
// it is needed and never shown by being created, and the program's settings.
// The commands that reach across windows (game types, languages, printing,
// the Help menu) live here: a window forwards them and the program tells
// each window what to show.
class Program final : public QObject {
    Q_OBJECT

public:
    Program(RandomSource& random, Clock& clock);
    ~Program() override;

    TwoPlayerWindow& velmora();
    ComputerWindow& velmoraco();
    WelcomeWindow& acceuil();
    AboutWindow& apropos();
    PrintWindow& printer1();
    GridSheet& printgrille();

    // The printer the printer-setup command chooses and the next print uses.
    QPrinter& printer();

    // Opens the welcome window; it hands over to the game by itself.
    void start();
    // Reads the settings, applies the language and opens the saved game type.
    void continueStartUp();

    void chooseLevel(Level level);
    void chooseTwoPlayers();
    // A language command of either board window: that window takes the
    // language first, then the other one, and the choice is saved.
    void chooseLanguage(Language language, BoardWindow& from);

    void showAbout();
    void showPrintWindow();
    void printerSetup();
    // The printer dialog over `dialogParent`, then the grid sheet on one
    // page; why nothing came out, if it did not.
    PrintFailure printGridSheet(QWidget& dialogParent);
    void openProgramPage();
    void openSiblingPage();
    void openAuthorPage();

    // Ends the program at once: every window goes, nothing is saved.
    void end();

Q_SIGNALS:
    void ended();

private:
    // The language in force, if it is one, on the windows that both board
    // windows share and on Qt's own texts.
    void applyLanguageToSharedWindows();
    // The window a dialog or a box opens over: the active one, else the
    // board window in view.
    QWidget& frontWindow();
    // The page in the browser, or a box saying why it cannot open, in the
    // language in force.
    void openPage(const char* address);

    RandomSource& random_;
    Clock& clock_;
    ProgramSettings settings_;
    QPointer<TwoPlayerWindow> velmora_;
    QPointer<ComputerWindow> velmoraco_;
    QPointer<WelcomeWindow> acceuil_;
    QPointer<AboutWindow> apropos_;
    QPointer<PrintWindow> printer1_;
    QPointer<GridSheet> printgrille_;
    std::unique_ptr<QPrinter> printer_;
    bool ended_ = false;
};

} // namespace velmora
