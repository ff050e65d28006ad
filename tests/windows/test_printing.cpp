// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the sheet of 15 blank grids through the real print path, to a PDF
// file that pdftoppm (poppler-utils) renders back.

#include "support/gui_support.h"
#include "windows/print_window.h"
#include "windows/two_player_window.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QSemaphore>
#include <QTest>

#include <sys/resource.h>

#include <csignal>
#include <thread>

using namespace velmora;
using namespace velmora::testing;

class TestPrinting : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Printer1, opened with Ctrl+P: "&Annuler" closes it without a printer
    // dialog, and cancelling that dialog closes it too, printing nothing; two
    // prints give the same single page, as designed, the second replacing the
    // file once the printer dialog has asked. Then what cannot hold the page
    // is refused before anything is opened: a device, and a pipe, which would
    // hold the program in open() until something read it (the watchdog then
    // reads it and the test fails); the printer dialog offers no print button
    // for it, and is cancelled. A file cut short by a size limit, its signal
    // ignored, is reported as on a full disk. Each box speaks the window's
    // language and shows the path as it is, not as markup.
    void onlyPrintGivesTheDesignedPageAndWhatCannotHoldItIsReported()
    {
        TestProgram test;
        QTemporaryDir folder;
        const QString pdf = folder.filePath("<h1>BIG<font color=red>RED</font></h1>/grilles.pdf");
        QVERIFY(QDir().mkpath(QFileInfo(pdf).path()));
        test.program().printer().setOutputFileName(pdf);
        ModalAnswerer answerer;
        const auto print = [&](const char* button, bool accept) {
            answerer.acceptDialogs = accept;
            QVERIFY(activate(test.program().velmora()));
            QTest::keyClick(&test.program().velmora(), Qt::Key_P, Qt::ControlModifier);
            QTest::mouseClick(test.program().printer1().findChild<QPushButton*>(button), Qt::LeftButton);
            QTRY_VERIFY(!topLevelWindow("Printer1"));
        };
        // Printer setup prints nothing, whichever button ends it.
        for (bool accept : {true, false}) {
            answerer.acceptDialogs = accept;
            chooseItem(test.program().velmora(), "propimpri");
        }
        // The pages in greys, as pdftoppm renders them at 384 dpi: four dots
        // to a screen pixel.
        QList<QImage> pages;
        for (const auto& [button, accept] :
            {std::pair{"Command2", true}, {"Command1", false}, {"Command1", true}, {"Command1", true}}) {
            print(button, accept);
            QTemporaryDir out;
            if (QFile::exists(pdf))
                QProcess::execute("pdftoppm", {"-r", "384", "-gray", pdf, out.filePath("p")});
            for (const QString& page : QDir(out.path()).entryList(QDir::Files, QDir::Name))
                pages << QImage(out.filePath(page));
        }
        QCOMPARE(QList<int>({answerer.dialogsAnswered(), answerer.questionsAnswered()}), QList<int>({5, 1}));
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages.at(1), pages.at(0));

        // The page as designed, from the top left of the printable area: 15
        // squares of 2040 twips, 5 across and 3 down, each crossed by two
        // lines each way at 600 and 1320 twips from its edge, all a screen
        // pixel (15 twips) thick.
        QImage designed(pages.at(0).size(), QImage::Format_Grayscale8);
        designed.fill(Qt::white);
        QPainter painter(&designed);
        painter.translate(test.program().printer().pageLayout().paintRect(QPageLayout::Point).topLeft() * 384 / 72);
        painter.scale(384 / 1440.0, 384 / 1440.0);
        for (int top : {120, 2280, 4560})
            for (int left : {120, 2400, 4560, 6840, 9120})
                for (int at : {600, 1320}) {
                    painter.fillRect(QRectF(left + at - 7.5, top, 15, 2040), Qt::black);
                    painter.fillRect(QRectF(left, top + at - 7.5, 2040, 15), Qt::black);
                }
        painter.end();
        for (int y = 0; y < designed.height(); ++y)
            for (int x = 0; x < designed.width(); ++x)
                if (std::abs(pages.at(0).constScanLine(y)[x] - designed.constScanLine(y)[x]) > 128)
                    QFAIL(qPrintable(QString::asprintf("the page is not as designed at dot (%d, %d)", x, y)));

        QVERIFY(QFile::remove(pdf) && QFile::link("/dev/full", pdf));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a regular file"));
        print("Command1", true);
        QVERIFY(QFile::remove(pdf) && QProcess::execute("mkfifo", {pdf}) == 0);
        QSemaphore printed, heldUp;
        std::thread watchdog([&] {
            while (!printed.tryAcquire(1, 3000)) {
                heldUp.release();
                QFile pipe(pdf);
                if (pipe.open(QIODevice::ReadOnly))
                    pipe.readAll();
            }
        });
        test.program().velmora().setLan("A");
        print("Command1", true);
        chooseItem(test.program().velmora(), "propimpri");
        printed.release();
        watchdog.join();
        QVERIFY(heldUp.available() == 0 && QFile::remove(pdf));
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit oneKiB = {1024, unlimited.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &oneKiB) == 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("incomplete: 1024 of [0-9]+ bytes"));
        print("Command1", true);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &unlimited) == 0);
        QCOMPARE(seenBoxes(answerer),
            QString("Imprimer: Impression impossible : la destination n'est pas un fichier ordinaire (%1)\n"
                    "Print: Printing failed: the destination is not a regular file (%1)\n"
                    "Print: Printing failed: the file is incomplete (disk full?) (%1)")
                .arg(pdf));
    }

    // Without a printer, the sheet goes to Velmora-grilles.pdf in the
    // documents folder, or in the home folder on an account that has none.
    // Last, for it leaves HOME in a folder that is gone.
    void withoutAPrinterTheSheetGoesToAPdfFile()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("a printer is installed here");
        QTemporaryDir home;
        qputenv("HOME", home.path().toLocal8Bit());
        for (const QString& folder : {home.path(), home.filePath(QStringLiteral("Papiers"))}) {
            TestProgram test;
            QFile userDirs(QFileInfo(test.settingsPath()).dir().filePath(QStringLiteral("user-dirs.dirs")));
            QVERIFY(QDir().mkpath(folder) && userDirs.open(QIODevice::WriteOnly)
                && userDirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Papiers\"\n") && userDirs.flush());
            QCOMPARE(test.program().printer().outputFileName(), folder + QStringLiteral("/Velmora-grilles.pdf"));
        }
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
