// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/board_window.h"

#include "platform/font_scale.h"
#include "platform/message_box.h"
#include "platform/pictures.h"
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
// The status panels' text keeps off their edges.
constexpr int kPanelInsetTwips = 30;

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

// The caption keys of a cell's spoken name and of a mark.
QByteArray cellKey(int cell)
{
    return QByteArrayLiteral("Cell.") + QByteArray::number(cell);
}
const char* markKey(Mark mark)
{
    return mark == Mark::Cross ? "Mark.cross" : mark == Mark::Nought ? "Mark.nought" : "Mark.none";
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
    buildBoardMenus(*this);
    scale_ = boardScale();
    auto* board = new BoardArea(this, scale_);
    board->setFixedSize(scale_.size(kClientWidthTwips, kStatusBarTopTwips));
    setCentralWidget(board);
    buildCells(board);
    buildTemplates(board, blankPictureLeftTwips);
    buildStatusBar(panelTexts, panelWidthsInTwips);
    connectMenus();
    holdDesignedSize();
}

TwipsScale BoardWindow::boardScale()
{
    // The window's width that shows the menus in one row, as a scale.
    const double forMenus = double(menuBar()->sizeHint().width()) * kTwipsPerPixel / kClientWidthTwips;
    return TwipsScale(std::max(scaleForFont(font()).factor(), forMenus));
}

void BoardWindow::buildStatusBar(const QStringList& panelTexts, const QList<int>& panelWidthsInTwips)
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    // At least as high as a line of its text. The panels are placed by hand
    // over the bar's whole height: the bar's own layout keeps pixels above
    // and below them that the designed height has no room for.
    const int height = std::max(scale_.pixels(kClientHeightTwips - kStatusBarTopTwips), bar->fontMetrics().height());
    bar->setFixedHeight(height);
    const int inset = scale_.pixels(kPanelInsetTwips);
    int leftTwips = 0;
    for (int i = 0; i < panelTexts.size(); ++i) {
        auto* label = new QLabel(panelTexts.at(i), bar);
        label->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        label->setGeometry(scale_.pixels(leftTwips), 0, scale_.pixels(panelWidthsInTwips.at(i)), height);
        label->setContentsMargins(inset, 0, inset, 0);
        leftTwips += panelWidthsInTwips.at(i);
    }
}

void BoardWindow::buildCells(QWidget* board)
{
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const QPoint corner = kCellCornersTwips.at(static_cast<std::size_t>(cell - 1));
        const QRect place = scale_.rect(corner.x(), corner.y(), kCellSizeTwips, kCellSizeTwips);
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
    auto makeTemplate = [board, this](const char* name, const QRect& place, Mark mark) {
        auto* label = new QLabel(board);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(place);
        label->setAlignment(Qt::AlignCenter);
        // The marks grow with the cells: a sharper variant, drawn larger.
        QPixmap picture = markPixmap(mark, board->devicePixelRatioF() * scale_.factor());
        picture.setDevicePixelRatio(picture.devicePixelRatio() / scale_.factor());
        label->setPixmap(picture);
        label->hide();
        return label;
    };
    croix_ = makeTemplate("croix", scale_.rect(240, 2400, 615, 615), Mark::Cross);
    rond_ = makeTemplate("rond", scale_.rect(480, 2400, 615, 615), Mark::Nought);
    vide_ = makeTemplate("vide", scale_.rect(blankPictureLeftTwips, 2760, 255, 255), Mark::None);
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
    for (const LanguageInfo& info : kLanguages)
        connectLanguageItem(info);
}

void BoardWindow::connectLanguageItem(const LanguageInfo& info)
{
    QAction* action = menuItem(info.menuItem);
    const Language language = info.language;
    connect(action, &QAction::triggered, this, [this, action, language](bool checkedByQt) {
        action->setChecked(!checkedByQt);
        program_.chooseLanguage(language, *this);
    });
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
    // below the menu bar at its laid-out size (at the window's scale),
    // whatever the user drags.
    const int width = scale_.pixels(kClientWidthTwips);
    const int client = centralWidget()->height() + statusBar()->height();
    setFixedSize(width, std::max(menuBar()->heightForWidth(width), menuBar()->sizeHint().height()) + client);
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
    movesToSpeak_.append(
        caption(markKey(mark), language_) + QStringLiteral(", ") + caption(cellKey(cell).constData(), language_));
}

void BoardWindow::play(int cell)
{
    // A click or key that comes while the end-of-game box is up, or that was
    // queued before the new board was laid out, was meant for the finished
    // game: it plays on neither board.
    if (!takesPlay_)
        return;
    game().move(cell);
    if (movesToSpeak_.isEmpty())
        return;
    movesToSpeak_.append(turnWords());
    speak(movesToSpeak_.join(caption("Spoken.then", language_)));
    movesToSpeak_.clear();
}

void BoardWindow::showEndOfGame(Outcome outcome, Language language, const char* noughtsWinKey)
{
    const char* text = outcome == Outcome::PlayerOneWins ? "Box.playerOneWins"
        : outcome == Outcome::PlayerTwoWins              ? noughtsWinKey
                                                         : "Box.draw";
    const char* title = outcome == Outcome::Draw ? "Box.drawTitle" : "Box.title";
    // The last moves are heard before the box, which is announced itself.
    speak(movesToSpeak_.join(caption("Spoken.then", language_)));
    movesToSpeak_.clear();
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
    movesToSpeak_.clear();
    speak(freshBoardWords());
    // Posted behind whatever input is already queued, which goes by unplayed.
    if (!takesPlay_)
        QMetaObject::invokeMethod(
            this, [this] { takesPlay_ = true; }, Qt::QueuedConnection);
}

void BoardWindow::describeCell(int cell, Mark mark)
{
    const QString name
        = caption(cellKey(cell).constData(), language_) + QStringLiteral(", ") + caption(markKey(mark), language_);
    buttons_.at(static_cast<std::size_t>(cell - 1))->setAccessibleName(name);
    images_.at(static_cast<std::size_t>(cell - 1))->setAccessibleName(name);
}

void BoardWindow::lang()
{
    const std::optional<Language> language = languageOrNone(settings_.lan());
    if (!language)
        return;
    for (const LanguageInfo& info : kLanguages)
        setChecked(info.menuItem, info.language == *language);
    for (const char* item : captionedMenuItems())
        menuItem(item)->setText(caption(item, *language));
    applyWindowTexts(*language);
    language_ = *language;
    for (int cell = 1; cell <= kCellCount; ++cell)
        describeCell(cell, board().mark(cell));
    // What the object in focus says takes the new language too.
    speak(freshBoardWords());
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
