// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/program.h"

#include "platform/message_box.h"
#include "platform/printing.h"
#include "platform/qt_translation.h"
#include "platform/web_page.h"
#include "platform/window_placement.h"
#include "settings/captions.h"
#include "settings/settings_file.h"
#include "windows/about_window.h"
#include "windows/build_config.h"
#include "windows/computer_window.h"
#include "windows/game_types.h"
#include "windows/grid_sheet.h"
#include "windows/print_window.h"
#include "windows/two_player_window.h"
#include "windows/welcome_window.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QPainter>
#include <QPrinter>

Q_LOGGING_CATEGORY(lcProgram, "velmora.program")

namespace velmora {

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
        velmora_ = new TwoPlayerWindow(*this, settings_);
        centreOnScreen(*velmora_);
    }
    return *velmora_;
}

ComputerWindow& Program::velmoraco()
{
    if (velmoraco_.isNull()) {
        velmoraco_ = new ComputerWindow(*this, settings_, random_);
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
        if (const std::optional<Language> language = languageOrNone(settings_.lan()))
            apropos_->applyLanguage(*language);
    }
    return *apropos_;
}

PrintWindow& Program::printer1()
{
    if (printer1_.isNull()) {
        printer1_ = new PrintWindow(*this);
        if (const std::optional<Language> language = languageOrNone(settings_.lan()))
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
    settings_.load();
    velmora().lang();
    velmoraco().lang();
    applyLanguageToSharedWindows();
    const QString& code = settings_.pt();
    const GameType* type = gameTypeOfCode(code);
    if (type != nullptr && type->level != NoLevel) {
        chooseLevel(type->level);
        return;
    }
    // An unknown game type must not leave the player without a window.
    if (type == nullptr)
        qCWarning(lcProgram) << "unknown game type" << logExcerpt(code) << "in" << settings_.path()
                             << "- opening the two-player game";
    velmora().show();
    velmora().activateWindow();
}

void Program::chooseLevel(Level level)
{
    const GameType& type = gameTypeOfLevel(level);
    const QString name = caption(type.nameKey, languageOrEnglish(settings_.lan()));
    velmoraco().startLevel(level, name);
    velmora().hide();
    settings_.setPt(QLatin1String(type.code));
    settings_.Save();
}

void Program::chooseTwoPlayers()
{
    velmora().startTwoPlayerGame();
    velmoraco().hide();
    settings_.setPt(QString());
    settings_.Save();
}

void Program::chooseLanguage(Language language, BoardWindow& from)
{
    settings_.setLan(languageCode(language));
    from.lang();
    BoardWindow& other = &from == velmora_ ? static_cast<BoardWindow&>(velmoraco()) : velmora();
    other.lang();
    applyLanguageToSharedWindows();
    settings_.Save();
}

void Program::applyLanguageToSharedWindows()
{
    const std::optional<Language> language = languageOrNone(settings_.lan());
    if (!language)
        return;
    useQtTranslation(QLatin1String(languageInfo(*language).qtLocale));
    if (!apropos_.isNull())
        apropos_->applyLanguage(*language);
    if (!printer1_.isNull())
        printer1_->applyLanguage(*language);
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

QWidget& Program::frontWindow()
{
    if (QWidget* active = QApplication::activeWindow())
        return *active;
    if (!velmoraco_.isNull() && velmoraco_->isVisible())
        return *velmoraco_;
    return velmora();
}

void Program::printerSetup()
{
    runPrinterDialog(printer(), &frontWindow());
}

PrintFailure Program::printGridSheet(QWidget& dialogParent)
{
    // What is not a file is refused before the printer dialog opens it.
    // Cancelling the printer dialog cancels the print.
    if (isOutputFileRefused(printer()))
        return PrintFailure::NotAFile;
    if (!runPrinterDialog(printer(), &dialogParent))
        return PrintFailure::None;
    const GridSheet& sheet = printgrille();
    return printPageInTwips(
        printer(), GridSheet::sizeInTwips(), [&sheet](QPainter& painter) { sheet.paintInTwips(painter); });
}

void Program::openPage(const char* address)
{
    const QUrl url(QString::fromUtf8(address));
    if (openWebPage(url))
        return;
    // On Debian a page opens through xdg-open, from xdg-utils: without it
    // Qt has nothing to start.
    const Language language = languageOrFrench(settings_.lan());
    showExclamationBox(
        &frontWindow(), caption("Web.notOpened", language).arg(url.toString()), caption("Web.title", language));
}

void Program::openProgramPage()
{
    openPage(build::kUrlProgram);
}
void Program::openSiblingPage()
{
    openPage(build::kUrlSibling);
}
void Program::openAuthorPage()
{
    openPage(build::kUrlAuthor);
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
