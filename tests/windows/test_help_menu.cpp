// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu: the About window and the web links; and the names a screen
// reader gives the controls of the windows.

#include "support/gui_support.h"
#include "windows/about_window.h"
#include "windows/build_config.h"
#include "windows/computer_window.h"
#include "windows/print_window.h"
#include "windows/two_player_window.h"
#include "windows/welcome_window.h"

#include <QAccessible>
#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

// Stands in for the browser: keeps the addresses it is asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void record(const QUrl& url) { opened.append(url); }
};

namespace {

int aboutWindowCount()
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += window->objectName() == QStringLiteral("Apropos²") ? 1 : 0;
    return count;
}

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
    return control != nullptr ? control->text(QAccessible::Name) : QStringLiteral("<none>");
}

// The spoken names of the nine cells, buttons and images alike; they must agree.
QStringList cellNames(BoardWindow& window)
{
    QStringList names;
    for (const char* cell : {"Hg", "Hm", "Hd", "Mg", "Mm", "Md", "Bg", "Bm", "Bd"}) {
        const QString button = accessibleName(window.findChild<QPushButton*>(cell));
        const QString image = accessibleName(window.findChild<QLabel*>(QStringLiteral("Im") + QString(cell).toLower()));
        names.append(button == image ? button : button + QStringLiteral(" / ") + image);
    }
    return names;
}

// `marks` gives each cell as '.', 'X' or 'O'.
QStringList expectedCellNames(bool english, const char* marks)
{
    const QStringList french = {"haut gauche", "haut milieu", "haut droite", "milieu gauche", "centre", "milieu droite",
        "bas gauche", "bas milieu", "bas droite"};
    const QStringList inEnglish = {"top left", "top middle", "top right", "middle left", "centre", "middle right",
        "bottom left", "bottom middle", "bottom right"};
    QStringList names;
    for (int i = 0; i < 9; ++i) {
        const char mark = marks[i];
        const QString content = mark == 'X' ? (english ? "cross" : "croix")
            : mark == 'O'                   ? (english ? "nought" : "rond")
                                            : (english ? "empty" : "vide");
        names.append((english ? inEnglish : french).at(i) + QStringLiteral(", ") + content);
    }
    return names;
}

// What a screen reader says for each control that shows a text, in the
// order the controls were made.
QStringList spokenTexts(QWidget& window)
{
    QStringList names;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(control);
        auto* button = qobject_cast<QAbstractButton*>(control);
        if ((label != nullptr && !label->text().isEmpty()) || (button != nullptr && !button->text().isEmpty()))
            names.append(accessibleName(control));
    }
    return names;
}

} // namespace

class TestHelpMenu : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aboutShowsOneWindowBesideTheBoard();
    void okHidesTheWindowAndAboutShowsItAgainInPlace();
    void theCloseBoxDestroysItAndTheNextOneSpeaksTheLanguage();
    void eachWebLinkOpensItsOwnPageAndLeavesTheGame_data();
    void eachWebLinkOpensItsOwnPageAndLeavesTheGame();
    void theLinksAndNoticeAreTheConfiguredDefaults();
    void cellsAreNamedByPlaceAndMark();
    void theOtherWindowsAreNamedByTheirTexts();
};

void TestHelpMenu::aboutShowsOneWindowBesideTheBoard()
{
    TestProgram test;
    TwoPlayerWindow& board = test.program().velmora();
    board.show();
    board.menuItem("apropos")->trigger();
    test.program().velmoraco().menuItem("apropos")->trigger();
    QCOMPARE(aboutWindowCount(), 1);
    AboutWindow& about = test.program().apropos();
    QVERIFY(about.isVisible());
    QVERIFY(!about.isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(about.windowTitle(), QStringLiteral("A propos"));
    QCOMPARE(about.findChild<QLabel*>("Label3")->text(), QStringLiteral("Tolm Games"));
    QCOMPARE(about.findChild<QLabel*>("Label2")->text(), QStringLiteral("Version 1.00"));
    QVERIFY(!about.findChild<QLabel*>("Image")->pixmap().isNull());
    QCOMPARE(about.focusWidget(), about.findChild<QPushButton*>("btnOK"));
    // The board stays in play.
    QTest::mouseClick(board.findChild<QPushButton*>("Mm"), Qt::LeftButton);
    QCOMPARE(board.property("Label5").toString(), QStringLiteral("0"));
}

void TestHelpMenu::okHidesTheWindowAndAboutShowsItAgainInPlace()
{
    TestProgram test;
    test.program().velmora().menuItem("apropos")->trigger();
    QPointer<AboutWindow> about = &test.program().apropos();
    about->move(123, 77);
    QTest::mouseClick(about->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    QVERIFY(about->isHidden());
    QTest::qWait(10);
    QVERIFY(test.program().hasApropos());
    test.program().velmoraco().menuItem("apropos")->trigger();
    QCOMPARE(&test.program().apropos(), about.data());
    QVERIFY(about->isVisible());
    QCOMPARE(about->pos(), QPoint(123, 77));
    QCOMPARE(aboutWindowCount(), 1);
}

void TestHelpMenu::theCloseBoxDestroysItAndTheNextOneSpeaksTheLanguage()
{
    TestProgram test;
    TwoPlayerWindow& board = test.program().velmora();
    board.menuItem("apropos")->trigger();
    test.program().apropos().close();
    QTRY_VERIFY(!test.program().hasApropos());
    QCOMPARE(aboutWindowCount(), 0);
    board.menuItem("angl")->trigger();
    board.menuItem("apropos")->trigger();
    QCOMPARE(test.program().apropos().windowTitle(), QStringLiteral("About"));
    // A hidden window follows the language too.
    QTest::mouseClick(test.program().apropos().findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    test.program().velmoraco().menuItem("franc")->trigger();
    board.menuItem("apropos")->trigger();
    QCOMPARE(test.program().apropos().windowTitle(), QStringLiteral("A propos"));
    QCOMPARE(aboutWindowCount(), 1);
}

void TestHelpMenu::eachWebLinkOpensItsOwnPageAndLeavesTheGame_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QUrl>("page");
    for (const char* window : {"Velmora", "Velmoraco"}) {
        QTest::addRow("%s, program", window) << window << "velmora1" << QUrl(build::kUrlProgram);
        QTest::addRow("%s, sibling game", window) << window << "dozi" << QUrl(build::kUrlSibling);
        QTest::addRow("%s, author", window) << window << "vek" << QUrl(build::kUrlAuthor);
    }
}

void TestHelpMenu::eachWebLinkOpensItsOwnPageAndLeavesTheGame()
{
    QFETCH(QString, window);
    QFETCH(QString, item);
    QFETCH(QUrl, page);
    TestProgram test;
    BoardWindow& board = window == QLatin1String("Velmora") ? static_cast<BoardWindow&>(test.program().velmora())
                                                            : test.program().velmoraco();
    if (&board == &test.program().velmoraco())
        board.setProperty("typepart", "1");
    board.show();
    MessageBoxAnswerer answerer;
    test.random().script({2, 3});
    for (const char* cell : {"Hg", "Mm"})
        QTest::mouseClick(board.findChild<QPushButton*>(cell), Qt::LeftButton);
    const QStringList before = marks(board);
    const QString turn = board.property("Joueur1").toString();
    const QString count = board.property("nbjouer").toString();
    QVERIFY(count.toInt() >= 2);

    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "record");
    board.menuItem(item.toLatin1().constData())->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(recorder.opened, QList<QUrl>({page}));
    QCOMPARE(marks(board), before);
    QCOMPARE(board.property("Joueur1").toString(), turn);
    QCOMPARE(board.property("nbjouer").toString(), count);
    QVERIFY(board.isVisible());
    QVERIFY(answerer.seen().isEmpty());
}

void TestHelpMenu::theLinksAndNoticeAreTheConfiguredDefaults()
{
    // A build configured with other addresses changes these on purpose.
    QCOMPARE(QString(build::kUrlProgram), QStringLiteral("https://velmora.example.org/"));
    QCOMPARE(QString(build::kUrlSibling), QStringLiteral("https://velmora.example.org/dozi/"));
    QCOMPARE(QString(build::kUrlAuthor), QStringLiteral("https://velmora.example.org/author/"));
    TestProgram test;
    TwoPlayerWindow& board = test.program().velmora();
    QCOMPARE(board.menuItem("velmora1")->text(), QStringLiteral("www.velmora.example.org"));
    QCOMPARE(board.menuItem("dozi")->text(), QStringLiteral("www.velmora.example.org/dozi"));
    QCOMPARE(board.menuItem("vek")->text(), QStringLiteral("The Velmora developers"));
    QCOMPARE(
        test.program().apropos().findChild<QLabel*>("Label1")->text(), QStringLiteral("Free software, GPL 3 or later"));
}

void TestHelpMenu::cellsAreNamedByPlaceAndMark()
{
    TestProgram test;
    MessageBoxAnswerer answerer;
    TwoPlayerWindow& velmora = test.program().velmora();
    velmora.show();
    QCOMPARE(cellNames(velmora), expectedCellNames(false, "........."));
    QTest::mouseClick(velmora.findChild<QPushButton*>("Hg"), Qt::LeftButton);
    QTest::mouseClick(velmora.findChild<QPushButton*>("Mm"), Qt::LeftButton);
    QCOMPARE(cellNames(velmora), expectedCellNames(false, "X...O...."));
    velmora.menuItem("Newgame")->trigger();
    QCOMPARE(cellNames(velmora), expectedCellNames(false, "........."));
    QTest::mouseClick(velmora.findChild<QPushButton*>("Bd"), Qt::LeftButton);
    velmora.menuItem("angl")->trigger();
    QCOMPARE(cellNames(velmora), expectedCellNames(true, "........X"));

    // The window against the computer follows the language too, and names
    // the computer's noughts.
    velmora.menuItem("facile")->trigger();
    ComputerWindow& velmoraco = test.program().velmoraco();
    QCOMPARE(cellNames(velmoraco), expectedCellNames(true, "........."));
    test.random().script({3});
    QTest::mouseClick(velmoraco.findChild<QPushButton*>("Mm"), Qt::LeftButton);
    QCOMPARE(cellNames(velmoraco), expectedCellNames(true, "..O.X...."));
    velmoraco.menuItem("franc")->trigger();
    QCOMPARE(cellNames(velmoraco), expectedCellNames(false, "..O.X...."));
    QCOMPARE(cellNames(velmora), expectedCellNames(false, "........X"));
}

void TestHelpMenu::theOtherWindowsAreNamedByTheirTexts()
{
    TestProgram test;
    test.program().start();
    const QString notice = QString::fromUtf8(build::kPublisherNotice);
    QCOMPARE(spokenTexts(test.program().acceuil()), QStringList({"Velmora", "Version 1.0.0", notice, "00:00:00"}));
    test.program().acceuil().Frame1_Click();
    QCOMPARE(spokenTexts(test.program().apropos()), QStringList({"Tolm Games", notice, "Version 1.00", "OK"}));
    QCOMPARE(spokenTexts(test.program().printer1()),
        QStringList({"Impression de grille pour jouer au Velmora (par 15) ", "Imprimer", "Annuler"}));
    test.program().velmora().menuItem("angl")->trigger();
    QCOMPARE(spokenTexts(test.program().printer1()),
        QStringList({"Impression of grid to play Velmora (by 15)", "Print", "Cancel"}));
}

QTEST_MAIN(TestHelpMenu)
#include "test_help_menu.moc"
