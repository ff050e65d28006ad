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
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

class TestPrinting : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Printer1, opened with Ctrl+P: "&Annuler" closes it without a printer
    // dialog, and cancelling that dialog closes it too, printing nothing; two
    // prints give the same single page, as designed, the second replacing the
    // file once the printer dialog has asked. On a full disk a box says the
    // page was lost, in the window's language.
    void onlyPrintGivesTheDesignedPageAndAFullDiskIsReported()
    {
        TestProgram test;
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("grilles.pdf"));
        test.program().printer().setOutputFileName(pdf);
        ModalAnswerer answerer;
        TwoPlayerWindow& velmora = test.program().velmora();
        const auto print = [&](const char* button, bool accept) {
            answerer.acceptDialogs = accept;
            QVERIFY(activate(velmora));
            QTest::keyClick(&velmora, Qt::Key_P, Qt::ControlModifier);
            QTest::mouseClick(test.program().printer1().findChild<QPushButton*>(button), Qt::LeftButton);
            QTRY_VERIFY(!topLevelWindow("Printer1"));
        };
        // Printer setup prints nothing, whichever button ends it.
        for (bool accept : {true, false}) {
            answerer.acceptDialogs = accept;
            chooseItem(velmora, "propimpri");
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

        // Every write to /dev/full fails for want of space, as on a full disk.
        QVERIFY(QFile::remove(pdf) && QFile::link(QStringLiteral("/dev/full"), pdf));
        for (const char* lan : {"F", "A"}) {
            velmora.setLan(lan);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("empty or missing")));
            print("Command1", true);
        }
        QCOMPARE(seenBoxes(answerer),
            QString("Imprimer: Impression impossible : le fichier est vide ou absent (disque plein ?) (%1)\n"
                    "Print: Printing failed: the file is empty or missing (disk full?) (%1)")
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
