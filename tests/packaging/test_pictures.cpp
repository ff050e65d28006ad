// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures built into the program, as Qt reads them. Their pixels are
// checked against the drawing script by packaging_pictures_reproducible.
#include <QFile>
#include <QImageReader>
#include <QTest>

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void pictures_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<qint64>("bytes"); // 0: any
        QTest::addColumn<QList<int>>("sizes");
        QTest::newRow("cross.jpg") << QByteArray("jpeg") << qint64(0) << QList<int>{37};
        QTest::newRow("nought.jpg") << QByteArray("jpeg") << qint64(0) << QList<int>{37};
        QTest::newRow("board.ico") << QByteArray("ico") << qint64(766) << QList<int>{32};
        QTest::newRow("about.ico") << QByteArray("ico") << qint64(1078) << QList<int>{32, 16};
    }

    // Each picture is built in, byte for byte the file in resources/, and Qt
    // reads every image in it at its size.
    void pictures()
    {
        QFETCH(QByteArray, format);
        QFETCH(qint64, bytes);
        QFETCH(QList<int>, sizes);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QFile builtIn(QStringLiteral(":/images/") + name);
        QFile inTree(qEnvironmentVariable("VELMORA_SOURCE_DIR") + QStringLiteral("/resources/") + name);
        QVERIFY(builtIn.open(QIODevice::ReadOnly) && inTree.open(QIODevice::ReadOnly));
        QCOMPARE(builtIn.readAll(), inTree.readAll());
        QVERIFY(bytes == 0 || builtIn.size() == bytes);

        QImageReader reader(builtIn.fileName());
        QCOMPARE(reader.format(), format);
        QCOMPARE(reader.imageCount(), sizes.size());
        for (int size : sizes) {
            QCOMPARE(reader.read().size(), QSize(size, size));
            reader.jumpToNextImage();
        }
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "test_pictures.moc"
