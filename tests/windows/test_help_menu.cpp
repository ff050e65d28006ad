// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu: the About window and the web links; the names a screen
// reader gives the controls of the board; the sizable windows and the notice.

#include "platform/label_text.h"
#include "support/gui_support.h"
#include "windows/about_window.h"
#include "windows/build_config.h"
#include "windows/computer_window.h"
#include "windows/print_window.h"
#include "windows/two_player_window.h"
#include "windows/welcome_window.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

// What a screen reader says of the window's control of that name; nothing
// when there is no such control.
QString spoken(QWidget& window, const QString& name, QAccessible::Text text = QAccessible::Name)
{
    QWidget* control = window.findChild<QWidget*>(name);
    return control == nullptr ? QString() : QAccessible::queryAccessibleInterface(control)->text(text);
}

} // namespace

class TestHelpMenu : public QObject {
    Q_OBJECT

public:
    // Stands in for the browser: keeps the addresses it is asked to open.
    Q_INVOKABLE void openUrl(const QUrl& url) { opened_.append(url); }
    QList<QUrl> opened_;

private Q_SLOTS:
    void aboutAndPrintOpenCentredGrowAndFitTheirTexts();
    void controlsSayWhatTheyAreAndWebLinksLeaveTheGame();
    void aboutIsHiddenByOkAndDestroyedByItsCloseBox();
    void aPageThatCannotOpenSaysWhatIsMissing();
};

void TestHelpMenu::aboutAndPrintOpenCentredGrowAndFitTheirTexts()
{
    TestProgram test;
    QPointer<AboutWindow> about = &test.program().apropos();
    PrintWindow& print = test.program().printer1();
    // Both open centred on the screen and may grow, their controls staying
    // where they were laid out; the print text is at its laid-out size.
    for (QWidget* window : QList<QWidget*>({about, &print})) {
        const QRect place = window->geometry(), controls = window->childrenRect();
        QCOMPARE(place.center(), QGuiApplication::primaryScreen()->availableGeometry().center());
        window->resize(place.size() + QSize(60, 40));
        QVERIFY(window->size() == place.size() + QSize(60, 40) && window->childrenRect() == controls);
    }
    QCOMPARE(print.findChild<QLabel*>("Label1")->font().pointSizeF(), 9.75);
    // The print window wears the program's icon, as the board windows do
    // (theirs is never null: it falls back on the built-in one).
    QCOMPARE(print.windowIcon().pixmap(32).toImage(), test.program().velmora().windowIcon().pixmap(32).toImage());
    // A notice longer than its labels is cut and shown whole in the tooltip
    // (the one set at configure time fits them: test_font_sizes).
    const QString longer = QString::fromUtf8(build::kPublisherNotice).repeated(3);
    for (QLabel* label :
        {test.program().acceuil().findChild<QLabel*>("lblCopyright"), about->findChild<QLabel*>("Label1")}) {
        const int room = label->contentsRect().width();
        setTextElidedToWidth(*label, longer);
        QVERIFY(label->toolTip() == longer && label->text() != longer
            && label->fontMetrics().horizontalAdvance(label->text()) <= room);
    }
}

void TestHelpMenu::controlsSayWhatTheyAreAndWebLinksLeaveTheGame()
{
    // A screen reader says of a cell what its button and its image are named
    // (the names are approved with the other texts), and the button that
    // takes the digit keys the last move and whose turn it is.
    TestProgram test;
    TwoPlayerWindow& velmora = test.program().velmora();
    clickCells(velmora, "Hg Mm");
    QCOMPARE(QStringList({spoken(velmora, "Hg"), spoken(velmora, "Imhg")}), QStringList(2, "haut gauche, croix"));
    QCOMPARE(spoken(velmora, "Command1", QAccessible::Description), "rond, centre ; au tour du joueur 1");
    // Each web link opens its own page, once, and leaves the game as it was:
    // the cells keep their marks.
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
    for (const char* item : {"velmora1", "dozi", "vek"})
        chooseItem(velmora, item);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(opened_, QList<QUrl>({QUrl(build::kUrlProgram), QUrl(build::kUrlSibling), QUrl(build::kUrlAuthor)}));
    QCOMPARE(spoken(velmora, "Immm"), "centre, rond");
}

void TestHelpMenu::aboutIsHiddenByOkAndDestroyedByItsCloseBox()
{
    // "OK" only hides About: the other window's command shows it again in
    // place. Its close box destroys it; the next one speaks the language
    // chosen since.
    TestProgram test;
    TwoPlayerWindow& velmora = test.program().velmora();
    chooseItem(velmora, "apropos");
    QPointer<AboutWindow> about = &test.program().apropos();
    about->move(123, 77);
    QTest::mouseClick(about->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    QVERIFY(about->isHidden());
    chooseItem(test.program().velmoraco(), "apropos");
    QVERIFY(&test.program().apropos() == about && about->isVisible() && about->pos() == QPoint(123, 77));
    about->close();
    QTRY_VERIFY(about.isNull());
    chooseItem(velmora, "angl");
    QCOMPARE(test.program().apropos().windowTitle(), QStringLiteral("About"));
}

// On X11, Qt starts the first xdg-open on PATH (test_help_menu_x11 runs
// this on the test script's X server): with none there, or one that cannot
// run, a box in the language in force names the page and what is missing;
// one that runs gets the page, and no box.
void TestHelpMenu::aPageThatCannotOpenSaysWhatIsMissing()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("Qt starts a browser only on a real display");
    TestProgram test;
    ModalAnswerer answerer;
    QTemporaryDir bin;
    qputenv("PATH", bin.path().toLocal8Bit());
    qunsetenv("BROWSER");
    chooseItem(test.program().velmora(), "angl");
    QFile xdgOpen(bin.filePath("xdg-open"));
    for (const auto& [item, script] :
        {std::pair{"velmora1", ""}, {"dozi", "#!/nowhere/sh\n"}, {"vek", "#!/bin/sh\necho \"$1\" >\"$0.page\"\n"}}) {
        if (*script != '\0')
            QVERIFY(xdgOpen.open(QIODevice::WriteOnly) && xdgOpen.write(script) > 0
                && xdgOpen.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        xdgOpen.close();
        chooseItem(test.program().velmora(), item);
    }
    QTRY_COMPARE(QFileInfo(bin.filePath("xdg-open.page")).size(), qint64(qstrlen(build::kUrlAuthor) + 1));
    const QString box = QStringLiteral("Velmora: Could not open the page %1: install the package xdg-utils.");
    QCOMPARE(seenBoxes(answerer), box.arg(build::kUrlProgram) + "\n" + box.arg(build::kUrlSibling));
}

QTEST_MAIN(TestHelpMenu)
#include "test_help_menu.moc"
