// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The marks on the board, as designed and on a screen scaled to 200 %: ctest
// runs this twice, the second time with QT_SCALE_FACTOR=2.

#include "support/gui_support.h"
#include "windows/two_player_window.h"

#include <QLabel>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

class TestPictures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aMarkIsShownPixelForPixelFromThePictureOfTheScreensRatio()
    {
        TestProgram test;
        TwoPlayerWindow& window = test.program().velmora();
        QVERIFY(activate(window));
        const int ratio = qEnvironmentVariableIntValue("VELMORA_EXPECTED_RATIO");
        QCOMPARE(window.devicePixelRatioF(), qreal(ratio));
        clickCells(window, "Hg Bd");
        const QString suffix = ratio > 1 ? QStringLiteral("@%1x.jpg").arg(ratio) : QStringLiteral(".jpg");
        for (const auto& [image, picture] : {std::pair{"Imhg", "/cross"}, {"Imbd", "/nought"}}) {
            const QImage file(qEnvironmentVariable("VELMORA_SOURCE_DIR") + "/resources" + picture + suffix);
            QCOMPARE(file.size(), QSize(37, 37) * ratio);
            auto* label = window.findChild<QLabel*>(image);
            QCOMPARE(label->pixmap().size(), file.size());
            QCOMPARE(label->pixmap().deviceIndependentSize(), QSizeF(37, 37));
            // What the label paints, in device pixels: the picture unscaled in
            // its centre.
            const QImage shown = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QPoint corner((shown.width() - file.width()) / 2, (shown.height() - file.height()) / 2);
            QCOMPARE(shown.copy(QRect(corner, file.size())), file.convertToFormat(QImage::Format_RGB32));
        }
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
