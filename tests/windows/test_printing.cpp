// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the sheet of 15 blank grids through the real print path, to a PDF
// file that pdftoppm (poppler-utils) renders back.

#include "support/gui_support.h"
#include "windows/computer_window.h"
#include "windows/grid_sheet.h"
#include "windows/print_window.h"
#include "windows/two_player_window.h"

#include <QDir>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

// The pages in greys, as pdftoppm renders them at 384 dpi: four dots to a
// screen pixel.
QList<QImage> renderPages(const QString& pdf)
{
    QTemporaryDir out;
    if (!QFile::exists(pdf))
        return {};
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("384"), pdf, out.filePath("p")});
    pdftoppm.waitForFinished(20000);
    QList<QImage> pages;
    for (const QString& page : QDir(out.path()).entryList(QDir::Files, QDir::Name))
        pages << QImage(out.filePath(page)).convertToFormat(QImage::Format_Grayscale8);
    return pages;
}

// The page as designed, at 384 dpi, from the top left of the printable area
// at `origin`: 15 squares of 2040 twips, 5 across and 3 down, each crossed by
// two lines each way at 600 and 1320 twips from its edge, all a screen pixel
// (15 twips) thick.
QImage designedPage(const QSize& size, const QPointF& origin)
{
    QImage page(size, QImage::Format_Grayscale8);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.translate(origin);
    painter.scale(384 / 1440.0, 384 / 1440.0);
    for (int top : {120, 2280, 4560})
        for (int left : {120, 2400, 4560, 6840, 9120})
            for (int at : {600, 1320}) {
                painter.fillRect(QRectF(left + at - 7.5, top, 15, 2040), Qt::black);
                painter.fillRect(QRectF(left, top + at - 7.5, 2040, 15), Qt::black);
            }
    return page;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void onlyPrintPutsFifteenGridsOnOnePage();
    void withoutAPrinterTheSheetGoesToAPdfFile();
    void aPageLostOnAFullDiskIsReported_data();
    void aPageLostOnAFullDiskIsReported();
};

void TestPrinting::onlyPrintPutsFifteenGridsOnOnePage()
{
    TestProgram test;
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("grilles.pdf"));
    test.program().printer().setOutputFileName(pdf);
    ModalAnswerer answerer;
    TwoPlayerWindow& velmora = test.program().velmora();
    ComputerWindow& velmoraco = test.program().velmoraco();

    // Printer setup prints nothing, whichever button ends it.
    QVERIFY(activate(velmoraco));
    for (bool print : {true, false}) {
        answerer.acceptDialogs = print;
        chooseItem(velmoraco, "propimpri");
    }
    QCOMPARE(answerer.dialogsAnswered(), 2);
    // Printer1, opened with Ctrl+P, leaves the board in play. "&Annuler"
    // closes it without a printer dialog, and cancelling that dialog closes
    // it too, printing nothing; two prints give the same single page, the
    // second replacing the file once the printer dialog has asked.
    QList<QImage> pages;
    for (const auto& [button, print] :
        {std::pair{"Command2", true}, {"Command1", false}, {"Command1", true}, {"Command1", true}}) {
        answerer.acceptDialogs = print;
        QVERIFY(activate(velmora));
        QTest::keyClick(&velmora, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(test.program().hasPrinter1());
        // The first move comes through the window system, which a modal
        // window would block.
        if (fieldText(velmora, "nbjouer") == QLatin1String("0"))
            QTest::mouseClick(velmora.windowHandle(), Qt::LeftButton, {},
                velmora.findChild<QPushButton*>("Mm")->mapTo(&velmora, QPoint(5, 5)));
        QTest::mouseClick(test.program().printer1().findChild<QPushButton*>(button), Qt::LeftButton);
        QTRY_VERIFY(!test.program().hasPrinter1());
        pages << renderPages(pdf);
    }
    QCOMPARE(fieldText(velmora, "Label5"), QStringLiteral("0"));
    QCOMPARE(answerer.dialogsAnswered(), 5);
    QCOMPARE(answerer.questionsAnswered(), 1);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages.at(1), pages.at(0));
    const QPointF origin = test.program().printer().pageLayout().paintRect(QPageLayout::Point).topLeft() * 384 / 72;
    const QImage designed = designedPage(pages.at(0).size(), origin);
    for (int y = 0; y < designed.height(); ++y)
        for (int x = 0; x < designed.width(); ++x)
            if (std::abs(pages.at(0).constScanLine(y)[x] - designed.constScanLine(y)[x]) > 128)
                QFAIL(qPrintable(QString::asprintf("the page is not as designed at dot (%d, %d)", x, y)));
    // The sheet is drawn for the printer alone: never shown, nor hidden.
    QVERIFY(!test.program().printgrille().testAttribute(Qt::WA_WState_ExplicitShowHide));
}

void TestPrinting::withoutAPrinterTheSheetGoesToAPdfFile()
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("a printer is installed here");
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    // The documents folder, or the home folder on an account that has none.
    for (const QString& folder : {home.path(), home.filePath(QStringLiteral("Papiers"))}) {
        QVERIFY(QDir().mkpath(folder));
        TestProgram test;
        QFile userDirs(QFileInfo(test.settingsPath()).dir().filePath(QStringLiteral("user-dirs.dirs")));
        QVERIFY(userDirs.open(QIODevice::WriteOnly) && userDirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Papiers\"\n") > 0);
        userDirs.close();
        QCOMPARE(
            test.program().printer().outputFileName(), QDir(folder).filePath(QStringLiteral("Velmora-grilles.pdf")));
    }
    qputenv("HOME", oldHome);
}

void TestPrinting::aPageLostOnAFullDiskIsReported_data()
{
    QTest::addColumn<QString>("lan");
    QTest::addColumn<QString>("message");
    QTest::newRow("French") << "F"
                            << "Imprimer: Impression impossible : le fichier est vide ou absent (disque plein ?) (%1)";
    QTest::newRow("English") << "A"
                             << "Print: Printing failed: the file is empty or missing (disk full?) (%1)";
}

void TestPrinting::aPageLostOnAFullDiskIsReported()
{
    // Every write to /dev/full fails for want of space, as on a full disk.
    if (!QFileInfo(QStringLiteral("/dev/full")).exists())
        QSKIP("needs /dev/full");
    QFETCH(QString, lan);
    QFETCH(QString, message);
    TestProgram test;
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("grilles.pdf"));
    QVERIFY(QFile::link(QStringLiteral("/dev/full"), pdf));
    test.program().printer().setOutputFileName(pdf);
    test.program().velmora().setLan(lan);
    ModalAnswerer answerer;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("empty or missing")));
    test.program().velmora().print2_Click();
    QTest::mouseClick(test.program().printer1().findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QTRY_VERIFY(!test.program().hasPrinter1());
    QCOMPARE(seenBoxes(answerer), message.arg(pdf));
}

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
