// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the sheet of 15 blank grids through the real print path, to a PDF
// file that is read back as a picture.

#include "support/gui_support.h"
#include "windows/computer_window.h"
#include "windows/print_window.h"
#include "windows/two_player_window.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace velmora;
using namespace velmora::testing;

namespace {

// Answers the printer dialogs that open while it lives, from a timer armed
// before the click: it prints or cancels, agrees to replace an existing file
// and closes any other box. It polls, so a dialog that opens late is still answered, and presses
// the button from a timer of its own, so that a question the dialog asks in
// turn is answered too. `afterPrint` runs once a dialog has been closed with
// its print button, before the program goes on.
class PrinterDialogAnswerer {
public:
    explicit PrinterDialogAnswerer(bool print, std::function<void()> afterPrint = {})
        : afterPrint_(std::move(afterPrint))
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this, print] {
            QWidget* modal = QApplication::activeModalWidget();
            if (pressing_ || modal == nullptr || !modal->isVisible())
                return;
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                ++boxes_;
                QAbstractButton* yes = box->button(QMessageBox::Yes);
                press(box, yes != nullptr ? yes : box->buttons().value(0), false);
            } else if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
                ++dialogs_;
                auto* buttons = dialog->findChild<QDialogButtonBox*>();
                press(dialog, buttons->button(print ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel), print);
            } else if (auto* other = qobject_cast<QDialog*>(modal)) {
                ++boxes_;
                other->reject();
            }
        });
        timer_.start();
    }

    int dialogs() const { return dialogs_; }
    // Message boxes and other dialogs, such as the question before a file
    // is replaced.
    int boxes() const { return boxes_; }

private:
    void press(QWidget* dialog, QAbstractButton* button, bool printing)
    {
        pressing_ = true;
        QTimer::singleShot(0, &timer_, [this, dialog = QPointer(dialog), button = QPointer(button), printing] {
            pressing_ = false;
            if (button.isNull())
                return;
            button->click();
            if (printing && afterPrint_ && !dialog.isNull() && !dialog->isVisible())
                afterPrint_();
        });
    }

    QTimer timer_;
    std::function<void()> afterPrint_;
    bool pressing_ = false;
    int dialogs_ = 0;
    int boxes_ = 0;
};

// The top-level windows shown while it lives, by name or else by class.
class ShownWindows : public QObject {
public:
    ShownWindows() { qApp->installEventFilter(this); }
    ~ShownWindows() override { qApp->removeEventFilter(this); }
    QStringList names;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget != nullptr && widget->isWindow())
            names.append(widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                        : widget->objectName());
        return false;
    }
};

// The sheet as designed, in twips: 15 squares of 2040, 5 across and 3 down,
// each crossed by two lines each way at 600 and 1320 from its edge.
QList<QLineF> designedLines()
{
    QList<QLineF> lines;
    for (int top : {120, 2280, 4560}) {
        for (int left : {120, 2400, 4560, 6840, 9120}) {
            for (int at : {600, 1320}) {
                lines.append(QLineF(left + at, top, left + at, top + 2040));
                lines.append(QLineF(left, top + at, left + 2040, top + at));
            }
        }
    }
    return lines;
}

int pageCount(const QString& pdf)
{
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.readAll();
    return int(bytes.count("/Type /Page") - bytes.count("/Type /Pages"));
}

// The first page in greys, as pdftoppm renders it.
QImage renderPage(const QString& pdf, int dotsPerInch)
{
    const QString base = pdf + QStringLiteral("-%1").arg(dotsPerInch);
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf,
            base});
    if (!pdftoppm.waitForFinished(20000) || pdftoppm.exitCode() != 0)
        return {};
    return QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

// Where a point of the sheet, in twips, lands on the page rendered at 96 dpi:
// the sheet starts at the top left of the printable area.
QPointF pixelOf(const QPointF& twips, const QPointF& printableTopLeftInches)
{
    return printableTopLeftInches * 96.0 + twips / 15.0;
}

double distanceToSegment(const QPointF& p, const QLineF& segment)
{
    const QPointF d = segment.p2() - segment.p1();
    const double t = std::clamp(QPointF::dotProduct(p - segment.p1(), d) / QPointF::dotProduct(d, d), 0.0, 1.0);
    const QPointF nearest = segment.p1() + t * d;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

// Every designed line is drawn whole at its place, and nothing else is on
// the page: each pixel darker than light grey lies on a designed line.
void verifyGridPage(const QImage& page, const QPointF& printableTopLeftInches)
{
    QList<QLineF> expected;
    for (const QLineF& line : designedLines())
        expected.append(QLineF(pixelOf(line.p1(), printableTopLeftInches), pixelOf(line.p2(), printableTopLeftInches)));
    QCOMPARE(expected.size(), 60);

    for (const QLineF& line : expected) {
        // Across the line, away from its ends and from the lines crossing it
        // (40 and 88 pixels along), the ink is centred on the designed place.
        const QPointF step = (line.p2() - line.p1()) / line.length();
        const QPointF across(step.y(), step.x());
        for (double along = 4; along < line.length() - 4; along += 1) {
            if (std::abs(along - 40) < 5 || std::abs(along - 88) < 5)
                continue;
            const QPointF centre = line.p1() + along * step;
            const QPoint middle(int(centre.x()), int(centre.y()));
            double ink = 0;
            double moment = 0;
            for (int offset = -3; offset <= 3; ++offset) {
                const QPoint pixel = middle + offset * across.toPoint();
                const double dark = 255 - qGray(page.pixel(pixel));
                ink += dark;
                moment += dark * QPointF::dotProduct(QPointF(pixel) + QPointF(0.5, 0.5) - centre, across);
            }
            if (ink < 128 || std::abs(moment / ink) > 0.35)
                QFAIL(qPrintable(QStringLiteral("a line is missing or out of place at pixel (%1, %2)")
                                     .arg(centre.x())
                                     .arg(centre.y())));
        }
    }
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) >= 192)
                continue;
            const QPointF centre(x + 0.5, y + 0.5);
            const bool onALine = std::any_of(expected.cbegin(), expected.cend(),
                [&centre](const QLineF& line) { return distanceToSegment(centre, line) <= 1.5; });
            if (!onALine)
                QFAIL(qPrintable(QStringLiteral("stray mark at pixel (%1,%2)").arg(x).arg(y)));
        }
    }
}

// Opens Printer1 from the board window with Ctrl+P; null when it did not open.
PrintWindow* openPrintWindow(TestProgram& test, QWidget& board)
{
    if (!activate(board))
        return nullptr;
    QTest::keyClick(&board, Qt::Key_P, Qt::ControlModifier);
    return test.program().hasPrinter1() ? &test.program().printer1() : nullptr;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void printingPutsFifteenGridsOnOnePage();
    void twoPrintsGiveTwoIdenticalPages();
    void cancellingEitherDialogPrintsNothing();
    void printerSetupFromTheComputerWindowPrintsNothing();
    void aFailedPrintIsOnlyLogged();
    void thePrintWindowSpeaksTheLanguageInForce();
    void withoutAPrinterTheSheetGoesToAPdfFile();

private:
    // A program whose printer writes the PDF file `pdf_`.
    void preparePrinter(TestProgram& test);

    std::unique_ptr<QTemporaryDir> output_;
    QString pdf_;
};

void TestPrinting::init()
{
    output_ = std::make_unique<QTemporaryDir>();
    QVERIFY(output_->isValid());
    pdf_ = output_->filePath(QStringLiteral("grilles.pdf"));
}

void TestPrinting::preparePrinter(TestProgram& test)
{
    test.program().printer().setOutputFormat(QPrinter::PdfFormat);
    test.program().printer().setOutputFileName(pdf_);
}

void TestPrinting::printingPutsFifteenGridsOnOnePage()
{
    TestProgram test;
    preparePrinter(test);
    ShownWindows shown;
    TwoPlayerWindow& board = test.program().velmora();
    QVERIFY(!test.program().hasPrinter1());
    PrintWindow* window = openPrintWindow(test, board);
    QVERIFY(window != nullptr);
    // Asked again, the same window comes forward.
    QCOMPARE(openPrintWindow(test, board), window);
    QCOMPARE(shown.names.count(QStringLiteral("Printer1")), 1);
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(window->focusWidget(), window->findChild<QPushButton*>("Command1"));

    // The board stays in play while the print window is open.
    QTest::mouseClick(board.findChild<QPushButton*>("Mm"), Qt::LeftButton);
    QCOMPARE(board.property("Label5").toString(), QStringLiteral("0"));

    PrinterDialogAnswerer answerer(true);
    QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(answerer.dialogs(), 1);
    QTRY_VERIFY(!test.program().hasPrinter1());
    QCOMPARE(pageCount(pdf_), 1);
    QVERIFY(!shown.names.contains(QStringLiteral("printgrille")));
    QCOMPARE(board.property("nbjouer").toString(), QStringLiteral("1"));

    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm (poppler-utils) is needed to look at the page");
    const QPointF printable = test.program().printer().pageLayout().paintRect(QPageLayout::Point).topLeft() / 72.0;
    const QImage page = renderPage(pdf_, 96);
    QVERIFY(!page.isNull());
    verifyGridPage(page, printable);

    // On paper a line is as thick as on screen, a pixel at 96 dpi: four dots
    // across at 384 dpi, where a hairline would leave one.
    const QImage fine = renderPage(pdf_, 384);
    QVERIFY(!fine.isNull());
    const QPointF middleOfFirstLine = pixelOf(QPointF(720, 500), printable) * 4;
    int thickness = 0;
    for (int x = int(middleOfFirstLine.x()) - 8; x <= int(middleOfFirstLine.x()) + 8; ++x)
        thickness += qGray(fine.pixel(x, int(middleOfFirstLine.y()))) < 128 ? 1 : 0;
    QVERIFY2(thickness >= 3 && thickness <= 5, qPrintable(QString::number(thickness)));
}

void TestPrinting::twoPrintsGiveTwoIdenticalPages()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm (poppler-utils) is needed to look at the pages");
    TestProgram test;
    preparePrinter(test);
    ComputerWindow& board = test.program().velmoraco();
    PrinterDialogAnswerer answerer(true);
    QImage first;
    for (int print = 1; print <= 2; ++print) {
        // The second print goes to the same file; the printer dialog asks
        // before replacing it.
        PrintWindow* window = openPrintWindow(test, board);
        QVERIFY(window != nullptr);
        QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QTRY_VERIFY(!test.program().hasPrinter1());
        if (print == 1)
            first = renderPage(pdf_, 96);
    }
    QVERIFY(!first.isNull());
    QCOMPARE(answerer.dialogs(), 2);
    QCOMPARE(answerer.boxes(), 1);
    QCOMPARE(pageCount(pdf_), 1);
    QCOMPARE(renderPage(pdf_, 96), first);
}

void TestPrinting::cancellingEitherDialogPrintsNothing()
{
    TestProgram test;
    preparePrinter(test);
    TwoPlayerWindow& board = test.program().velmora();
    {
        // "&Annuler" closes the print window without asking anything.
        PrinterDialogAnswerer answerer(true);
        QPointer<PrintWindow> window = openPrintWindow(test, board);
        QVERIFY(window != nullptr);
        QTest::mouseClick(window->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
        QVERIFY(!test.program().hasPrinter1());
        QCOMPARE(answerer.dialogs(), 0);
    }
    {
        // Cancelling the printer dialog cancels the print, and the print
        // window goes too.
        PrinterDialogAnswerer answerer(false);
        QPointer<PrintWindow> window = openPrintWindow(test, board);
        QVERIFY(window != nullptr);
        QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCOMPARE(answerer.dialogs(), 1);
        QTRY_VERIFY(window.isNull());
    }
    QVERIFY(!QFile::exists(pdf_));
}

void TestPrinting::printerSetupFromTheComputerWindowPrintsNothing()
{
    TestProgram test;
    preparePrinter(test);
    ComputerWindow& board = test.program().velmoraco();
    QVERIFY(activate(board));
    for (bool print : {true, false}) {
        PrinterDialogAnswerer answerer(print);
        board.menuItem("propimpri")->trigger();
        QCOMPARE(answerer.dialogs(), 1);
        QCOMPARE(answerer.boxes(), 0);
    }
    QVERIFY(!QFile::exists(pdf_));
    QVERIFY(!test.program().hasPrinter1());
    QVERIFY(board.isVisible());
}

void TestPrinting::aFailedPrintIsOnlyLogged()
{
    TestProgram test;
    preparePrinter(test);
    ShownWindows shown;
    PrintWindow* window = openPrintWindow(test, test.program().velmora());
    QVERIFY(window != nullptr);
    // The folder goes away between the printer dialog and the print.
    const QString folder = output_->path();
    PrinterDialogAnswerer answerer(true, [folder] { QDir(folder).removeRecursively(); });
    // One line of the program's own, and no second one.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^could not start printing")));
    QTest::failOnWarning(QRegularExpression(QStringLiteral("print")));
    QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(answerer.dialogs(), 1);
    QTRY_VERIFY(!test.program().hasPrinter1());
    QVERIFY(!QFile::exists(pdf_));
    QCOMPARE(shown.names, QStringList({"Velmora", "Printer1", "QPrintDialog"}));
}

void TestPrinting::thePrintWindowSpeaksTheLanguageInForce()
{
    TestProgram test;
    TwoPlayerWindow& board = test.program().velmora();
    const auto texts = [&test] {
        if (!test.program().hasPrinter1())
            return QStringList();
        PrintWindow& window = test.program().printer1();
        return QStringList{window.windowTitle(), window.findChild<QLabel*>("Label1")->text(),
            window.findChild<QPushButton*>("Command1")->text(), window.findChild<QPushButton*>("Command2")->text()};
    };
    openPrintWindow(test, board);
    QCOMPARE(texts(),
        QStringList({"Imprimer", "Impression de grille pour jouer au Velmora (par 15) ", "&Imprimer", "&Annuler"}));
    board.menuItem("angl")->trigger();
    QCOMPARE(texts(), QStringList({"Print", "Impression of grid to play Velmora (by 15)", "&Print", "&Cancel"}));
    QTest::mouseClick(test.program().printer1().findChild<QPushButton*>("Command2"), Qt::LeftButton);
    QTRY_VERIFY(!test.program().hasPrinter1());
    openPrintWindow(test, board);
    QCOMPARE(texts(), QStringList({"Print", "Impression of grid to play Velmora (by 15)", "&Print", "&Cancel"}));
    test.program().printer1().close();
    QTRY_VERIFY(!test.program().hasPrinter1());
    board.menuItem("franc")->trigger();
    openPrintWindow(test, board);
    QCOMPARE(texts(),
        QStringList({"Imprimer", "Impression de grille pour jouer au Velmora (par 15)", "&Imprimer", "&Annuler"}));
}

void TestPrinting::withoutAPrinterTheSheetGoesToAPdfFile()
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("a printer is installed here");
    // The documents folder, or the home folder on an account that has none.
    QTemporaryDir home;
    const QString documents = home.filePath(QStringLiteral("Papiers"));
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    {
        TestProgram test;
        QFile userDirs(QFileInfo(test.settingsPath()).dir().filePath(QStringLiteral("user-dirs.dirs")));
        QVERIFY(userDirs.open(QIODevice::WriteOnly));
        userDirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Papiers\"\n");
        userDirs.close();
        QCOMPARE(test.program().printer().outputFileName(), home.filePath(QStringLiteral("Velmora-grilles.pdf")));
    }
    QVERIFY(QDir().mkpath(documents));
    {
        TestProgram test;
        QFile userDirs(QFileInfo(test.settingsPath()).dir().filePath(QStringLiteral("user-dirs.dirs")));
        QVERIFY(userDirs.open(QIODevice::WriteOnly));
        userDirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Papiers\"\n");
        userDirs.close();
        const QPrinter& printer = test.program().printer();
        QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);
        QCOMPARE(printer.outputFileName(), QDir(documents).filePath(QStringLiteral("Velmora-grilles.pdf")));
    }
    qputenv("HOME", oldHome);
}

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
