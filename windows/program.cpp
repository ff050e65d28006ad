// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/program.h"

#include "platform/printing.h"
#include "platform/qt_translation.h"
#include "platform/web_page.h"
#include "settings/settings_file.h"
#include "windows/about_window.h"
#include "windows/build_config.h"
#include "windows/computer_window.h"
#include "windows/grid_sheet.h"
#include "windows/print_window.h"
#include "windows/two_player_window.h"
#include "windows/welcome_window.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QPrinter>
#include <QScreen>

#include <string>

Q_LOGGING_CATEGORY(lcProgram, "velmora.program")

namespace velmora {

namespace {

void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), window.size());
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

const char* levelItem(Level level)
{
    return level == Easy ? "facile" : level == Medium ? "Normal" : "Impo";
}

const char* levelCode(Level level)
{
    return level == Easy ? "F" : level == Medium ? "N" : "I";
}

} // namespace

Program::Program(RandomSource& random, Clock& clock)
    : random_(random)
    , clock_(clock)
{
}

Program::~Program()
{
    delete acceuil_.data();
    delete apropos_.data();
    delete printer1_.data();
    delete printgrille_.data();
    delete velmoraco_.data();
    delete velmora_.data();
}

TwoPlayerWindow& Program::velmora()
{
    if (velmora_.isNull()) {
        velmora_ = new TwoPlayerWindow(*this);
        centreOnScreen(*velmora_);
    }
    return *velmora_;
}

ComputerWindow& Program::velmoraco()
{
    if (velmoraco_.isNull()) {
        velmoraco_ = new ComputerWindow(*this, random_);
        centreOnScreen(*velmoraco_);
    }
    return *velmoraco_;
}

WelcomeWindow& Program::acceuil()
{
    if (acceuil_.isNull())
        acceuil_ = new WelcomeWindow(*this, clock_);
    return *acceuil_;
}

AboutWindow& Program::apropos()
{
    if (apropos_.isNull()) {
        apropos_ = new AboutWindow();
        if (const std::optional<Language> language = languageFromCode(lan()))
            apropos_->applyLanguage(*language);
    }
    return *apropos_;
}

PrintWindow& Program::printer1()
{
    if (printer1_.isNull()) {
        printer1_ = new PrintWindow(*this);
        if (const std::optional<Language> language = languageFromCode(lan()))
            printer1_->applyLanguage(*language);
    }
    return *printer1_;
}

GridSheet& Program::printgrille()
{
    if (printgrille_.isNull())
        printgrille_ = new GridSheet();
    return *printgrille_;
}

QPrinter& Program::printer()
{
    if (!printer_)
        printer_ = makeProgramPrinter();
    return *printer_;
}

void Program::start()
{
    WelcomeWindow& welcome = acceuil();
    welcome.show();
    welcome.activateWindow();
}

void Program::continueStartUp()
{
    const StoredSettings stored = readSettingsFile(settingsFilePath());
    TwoPlayerWindow& twoPlayers = velmora();
    twoPlayers.setLan(stored.lan);
    twoPlayers.setPt(stored.pt);
    twoPlayers.lang();
    velmoraco().lang();
    if (stored.pt == QLatin1String("F")) {
        twoPlayers.facile_Click();
    } else if (stored.pt == QLatin1String("N")) {
        twoPlayers.Normal_Click();
    } else if (stored.pt == QLatin1String("I")) {
        twoPlayers.Impo_Click();
    } else {
        // An unknown game type must not leave the player without a window.
        if (!stored.pt.isEmpty())
            qCWarning(lcProgram) << "unknown game type" << logExcerpt(stored.pt) << "in" << settingsFilePath()
                                 << "- opening the two-player game";
        twoPlayers.show();
        twoPlayers.activateWindow();
    }
}

void Program::chooseLevel(Level level)
{
    ComputerWindow& computer = velmoraco();
    if (level != Hard)
        computer.computerGame().fields().tp1 = HardMarker::Cleared;
    const Language names = lan() == QLatin1String("F") ? Language::French : Language::English;
    // The level's name goes by the same code the settings file keeps.
    const std::string nameKey = std::string("Level.") + levelCode(level);
    computer.showLevelName(caption(nameKey.c_str(), names));
    computer.setChecked("joueur", false);
    for (Level each : {Easy, Medium, Hard})
        computer.setChecked(levelItem(each), each == level);
    computer.show();
    computer.activateWindow();
    velmora().hide();
    computer.computerGame().fields().typepart = level;
    computer.computerGame().raz();
    velmora().setPt(QLatin1String(levelCode(level)));
    velmora().Save();
}

void Program::chooseTwoPlayers()
{
    TwoPlayerWindow& twoPlayers = velmora();
    twoPlayers.setChecked("joueur", true);
    for (const char* item : {"facile", "Impo", "Normal"})
        twoPlayers.setChecked(item, false);
    twoPlayers.show();
    twoPlayers.activateWindow();
    velmoraco().hide();
    twoPlayers.game().raz();
    twoPlayers.setPt(QString());
    velmora().Save();
}

void Program::chooseLanguage(const QString& code, BoardWindow& from)
{
    velmora().setLan(code);
    from.setChecked("angl", code == QLatin1String("A"));
    from.setChecked("franc", code == QLatin1String("F"));
    from.lang();
    BoardWindow& other = &from == &velmora() ? static_cast<BoardWindow&>(velmoraco()) : velmora();
    other.lang();
    velmora().Save();
}

QString Program::lan()
{
    return velmora().Lan();
}

void Program::applyLanguageMarks(Language language)
{
    useQtTranslation(language == Language::French ? QStringLiteral("fr") : QStringLiteral("en"));
    const bool english = language == Language::English;
    for (BoardWindow* window : {static_cast<BoardWindow*>(&velmora()), static_cast<BoardWindow*>(&velmoraco())}) {
        window->setChecked("angl", english);
        window->setChecked("franc", !english);
    }
}

void Program::applyLanguageToAuxiliaryWindows(Language language)
{
    if (!apropos_.isNull())
        apropos_->applyLanguage(language);
    if (!printer1_.isNull())
        printer1_->applyLanguage(language);
}

void Program::showAbout()
{
    AboutWindow& about = apropos();
    about.show();
    about.raise();
    about.activateWindow();
}

void Program::showPrintWindow()
{
    PrintWindow& window = printer1();
    window.show();
    window.raise();
    window.activateWindow();
}

void Program::printerSetup()
{
    QWidget* parent = QApplication::activeWindow();
    runPrinterDialog(printer(), parent != nullptr ? parent : &velmora());
}

void Program::openProgramPage()
{
    openWebPage(QUrl(QString::fromUtf8(build::kUrlProgram)));
}
void Program::openSiblingPage()
{
    openWebPage(QUrl(QString::fromUtf8(build::kUrlSibling)));
}
void Program::openAuthorPage()
{
    openWebPage(QUrl(QString::fromUtf8(build::kUrlAuthor)));
}

void Program::end()
{
    if (ended_)
        return;
    ended_ = true;
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    Q_EMIT ended();
}

} // namespace velmora
