// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/board_window.h"

#include "platform/message_box.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "settings/program_settings.h"
#include "windows/board_area.h"
#include "windows/board_menus.h"
#include "windows/program.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

Q_LOGGING_CATEGORY(lcBoard, "velmora.board")

namespace velmora {

namespace {

// The client area below the menu bar, as designed: the board and, along its
// bottom, the status bar.
constexpr int kClientWidthTwips = 2775;
constexpr int kClientHeightTwips = 3015;
constexpr int kStatusBarTopTwips = 2760;
constexpr int kCellSizeTwips = 615;

constexpr std::array<QPoint, kCellCount> kCellCornersTwips = {{
    {240, 240},
    {1080, 240},
    {1920, 240},
    {240, 1080},
    {1080, 1080},
    {1920, 1080},
    {240, 1920},
    {1080, 1920},
    {1920, 1920},
}};

QString imageName(int cell)
{
    return QStringLiteral("Im") + QString::fromLatin1(cellName(cell)).toLower();
}

} // namespace

BoardWindow::BoardWindow(Program& program, ProgramSettings& settings, const char* name)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , program_(program)
    , settings_(settings)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowIcon(boardIcon());
}

void BoardWindow::buildWindow(
    const QStringList& panelTexts, const QList<int>& panelWidthsInTwips, int blankPictureLeftTwips)
{
    auto* board = new BoardArea(this);
    board->setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kStatusBarTopTwips));
    setCentralWidget(board);
    buildCells(board);
    buildTemplates(board, blankPictureLeftTwips);

    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(twipsToPixels(kClientHeightTwips - kStatusBarTopTwips));
    for (int i = 0; i < panelTexts.size(); ++i) {
        auto* label = new QLabel(panelTexts.at(i), bar);
        label->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        label->setFixedWidth(twipsToPixels(panelWidthsInTwips.at(i)));
        bar->addWidget(label);
    }
    buildBoardMenus(*this);
    connectMenus();
    holdDesignedSize();
}

void BoardWindow::buildCells(QWidget* board)
{
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const QPoint corner = kCellCornersTwips.at(static_cast<std::size_t>(cell - 1));
        const QRect place = twipsRect(corner.x(), corner.y(), kCellSizeTwips, kCellSizeTwips);
        auto* button = new QPushButton(board);
        button->setObjectName(QString::fromLatin1(cellName(cell)));
        button->setGeometry(place);
        auto* image = new QLabel(board);
        image->setObjectName(imageName(cell));
        image->setGeometry(place);
        image->setAlignment(Qt::AlignCenter);
        image->hide();
        buttons_.at(static_cast<std::size_t>(cell - 1)) = button;
        images_.at(static_cast<std::size_t>(cell - 1)) = image;
        describeCell(cell, Mark::None);
    }
    const std::array<void (BoardWindow::*)(), kCellCount> handlers = {
        &BoardWindow::Hg_Click,
        &BoardWindow::Hm_Click,
        &BoardWindow::Hd_Click,
        &BoardWindow::Mg_Click,
        &BoardWindow::Mm_Click,
        &BoardWindow::Md_Click,
        &BoardWindow::Bg_Click,
        &BoardWindow::Bm_Click,
        &BoardWindow::Bd_Click,
    };
    for (std::size_t i = 0; i < handlers.size(); ++i)
        connect(buttons_.at(i), &QPushButton::clicked, this, handlers.at(i));
}

void BoardWindow::buildTemplates(QWidget* board, int blankPictureLeftTwips)
{
    auto makeTemplate = [board](const char* name, const QRect& place, Mark mark) {
        auto* label = new QLabel(board);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(place);
        label->setAlignment(Qt::AlignCenter);
        label->setPixmap(markPixmap(mark, board->devicePixelRatioF()));
        label->hide();
        return label;
    };
    croix_ = makeTemplate("croix", twipsRect(240, 2400, 615, 615), Mark::Cross);
    rond_ = makeTemplate("rond", twipsRect(480, 2400, 615, 615), Mark::Nought);
    vide_ = makeTemplate("vide", twipsRect(blankPictureLeftTwips, 2760, 255, 255), Mark::None);
}

void BoardWindow::connectMenus()
{
    connect(menuItem("Newgame"), &QAction::triggered, this, &BoardWindow::Newgame_Click);
    connect(menuItem("print2"), &QAction::triggered, this, &BoardWindow::print2_Click);
    connect(menuItem("propimpri"), &QAction::triggered, this, &BoardWindow::propimpri_Click);
    connect(menuItem("Exit1"), &QAction::triggered, this, &BoardWindow::Exit1_Click);
    connect(menuItem("apropos"), &QAction::triggered, this, &BoardWindow::apropos_Click);
    connect(menuItem("velmora1"), &QAction::triggered, this, &BoardWindow::velmora1_Click);
    connect(menuItem("dozi"), &QAction::triggered, this, &BoardWindow::dozi_Click);
    connect(menuItem("vek"), &QAction::triggered, this, &BoardWindow::vek_Click);
    connectCheckItem("facile", &BoardWindow::facile_Click);
    connectCheckItem("Normal", &BoardWindow::Normal_Click);
    connectCheckItem("Impo", &BoardWindow::Impo_Click);
    connectCheckItem("joueur", &BoardWindow::joueur_Click);
    connectCheckItem("franc", &BoardWindow::franc_Click);
    connectCheckItem("angl", &BoardWindow::angl_Click);
}

void BoardWindow::connectCheckItem(const char* item, void (BoardWindow::*handler)())
{
    QAction* action = menuItem(item);
    connect(action, &QAction::triggered, this, [this, action, handler](bool checkedByQt) {
        action->setChecked(!checkedByQt);
        (this->*handler)();
    });
}

void BoardWindow::holdDesignedSize()
{
    // The window manager draws the frame on Linux: hold the client area
    // below the menu bar at its designed size, whatever the user drags.
    const int width = twipsToPixels(kClientWidthTwips);
    const int height = menuBar()->heightForWidth(width) + twipsToPixels(kClientHeightTwips);
    setFixedSize(width, std::max(height, menuBar()->sizeHint().height() + twipsToPixels(kClientHeightTwips)));
}

QAction* BoardWindow::menuItem(const char* name) const
{
    auto* action = findChild<QAction*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    if (action == nullptr)
        action = findChild<QMenu*>(QLatin1String(name))->menuAction();
    return action;
}

void BoardWindow::setChecked(const char* item, bool checked)
{
    menuItem(item)->setChecked(checked);
}

QLabel* BoardWindow::panel(int index) const
{
    return statusBar()->findChild<QLabel*>(QStringLiteral("Panel%1").arg(index));
}

void BoardWindow::showMark(int cell, Mark mark)
{
    const auto i = static_cast<std::size_t>(cell - 1);
    buttons_.at(i)->hide();
    images_.at(i)->setPixmap((mark == Mark::Cross ? croix_ : rond_)->pixmap());
    images_.at(i)->show();
    describeCell(cell, mark);
}

void BoardWindow::showEndOfGame(Outcome outcome, Language language, const char* noughtsWinKey)
{
    const char* text = outcome == Outcome::PlayerOneWins ? "Box.playerOneWins"
        : outcome == Outcome::PlayerTwoWins              ? noughtsWinKey
                                                         : "Box.draw";
    const char* title = outcome == Outcome::Draw ? "Box.drawTitle" : "Box.title";
    takesPlay_ = false;
    showExclamationBox(this, caption(text, language), caption(title, language));
}

void BoardWindow::clearBoard()
{
    for (QLabel* image : images_)
        image->setPixmap(vide_->pixmap());
    for (QLabel* image : images_)
        image->hide();
    for (QPushButton* button : buttons_)
        button->show();
    for (int cell = 1; cell <= kCellCount; ++cell)
        describeCell(cell, Mark::None);
    // Posted behind whatever input is already queued, which goes by unplayed.
    if (!takesPlay_)
        QMetaObject::invokeMethod(
            this, [this] { takesPlay_ = true; }, Qt::QueuedConnection);
}

void BoardWindow::play(int cell)
{
    // A click or key that comes while the end-of-game box is up, or that was
    // queued before the new board was laid out, was meant for the finished
    // game: it plays on neither board.
    if (takesPlay_)
        game().move(cell);
}

void BoardWindow::describeCell(int cell, Mark mark)
{
    const char* content = mark == Mark::Cross ? "Mark.cross" : mark == Mark::Nought ? "Mark.nought" : "Mark.none";
    const QString name = caption(QStringLiteral("Cell.%1").arg(cell).toLatin1().constData(), language_)
        + QStringLiteral(", ") + caption(content, language_);
    buttons_.at(static_cast<std::size_t>(cell - 1))->setAccessibleName(name);
    images_.at(static_cast<std::size_t>(cell - 1))->setAccessibleName(name);
}

void BoardWindow::lang()
{
    const std::optional<Language> language = languageOrNone(settings_.lan());
    if (!language)
        return;
    setChecked("angl", *language == Language::English);
    setChecked("franc", *language == Language::French);
    for (const char* item : captionedMenuItems())
        menuItem(item)->setText(caption(item, *language));
    applyWindowTexts(*language);
    language_ = *language;
    for (int cell = 1; cell <= kCellCount; ++cell)
        describeCell(cell, board().mark(cell));
}

void BoardWindow::setMarkText(int cell, const QString& text)
{
    if (!game().board().setMarkText(cell, text.toStdString()))
        logRejectedField(QStringLiteral("Label%1").arg(cell).toLatin1().constData(), text);
}

void BoardWindow::setJoueur1(const QString& text)
{
    if (!game().board().setTurnText(text.toStdString()))
        logRejectedField("Joueur1", text);
}

void BoardWindow::setNbjouer(const QString& text)
{
    if (!game().board().setMoveCountText(text.toStdString()))
        logRejectedField("nbjouer", text);
}

void BoardWindow::logRejectedField(const char* field, const QString& text)
{
    qCWarning(lcBoard) << objectName() << "keeps its" << field << "field: not a value it can hold:" << text;
}

void BoardWindow::Exit1_Click()
{
    program_.end();
}
void BoardWindow::facile_Click()
{
    program_.chooseLevel(Easy);
}
void BoardWindow::Normal_Click()
{
    program_.chooseLevel(Medium);
}
void BoardWindow::Impo_Click()
{
    program_.chooseLevel(Hard);
}
void BoardWindow::franc_Click()
{
    program_.chooseLanguage(Language::French, *this);
}
void BoardWindow::angl_Click()
{
    program_.chooseLanguage(Language::English, *this);
}
void BoardWindow::print2_Click()
{
    program_.showPrintWindow();
}
void BoardWindow::propimpri_Click()
{
    program_.printerSetup();
}
void BoardWindow::apropos_Click()
{
    program_.showAbout();
}
void BoardWindow::velmora1_Click()
{
    program_.openProgramPage();
}
void BoardWindow::dozi_Click()
{
    program_.openSiblingPage();
}
void BoardWindow::vek_Click()
{
    program_.openAuthorPage();
}

void BoardWindow::closeEvent(QCloseEvent* event)
{
    // Closing either board window ends the whole program at once.
    event->accept();
    program_.end();
}

} // namespace velmora
