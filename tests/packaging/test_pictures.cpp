// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's pictures as Qt reads them: the board marks, the two window
// icons with their exact 16-colour layout, the pictures built into the
// program, and the application icons of the desktop theme.

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QXmlStreamReader>
#include <QtEndian>
#include <QtTest>

namespace {

QString sourceDir()
{
    return qEnvironmentVariable("VELMORA_SOURCE_DIR");
}

QString resource(const QString& name)
{
    return sourceDir() + QStringLiteral("/resources/") + name;
}

// How far a colour is from another, channel by channel.
int distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

const QRgb boardGreen = qRgb(0, 128, 0);

// One entry of an .ico directory together with the bitmap header it points to.
struct IconEntry {
    int width = 0;
    int height = 0;
    int colourCount = 0;
    int planes = 0;
    int bitCount = 0;
    quint32 bytes = 0;
    quint32 offset = 0;
    quint32 headerSize = 0;
    qint32 headerWidth = 0;
    qint32 headerHeight = 0;
    quint16 headerBitCount = 0;
    quint32 compression = 0;
};

// Reads the directory of an .ico file; an empty list if it is not one.
QList<IconEntry> iconEntries(const QByteArray& data)
{
    QList<IconEntry> entries;
    if (data.size() < 6)
        return entries;
    const auto* p = reinterpret_cast<const uchar*>(data.constData());
    if (qFromLittleEndian<quint16>(p) != 0 || qFromLittleEndian<quint16>(p + 2) != 1)
        return entries;
    const int count = qFromLittleEndian<quint16>(p + 4);
    if (data.size() < 6 + 16 * count)
        return entries;
    for (int i = 0; i < count; ++i) {
        const uchar* e = p + 6 + 16 * i;
        IconEntry entry;
        entry.width = e[0] == 0 ? 256 : e[0];
        entry.height = e[1] == 0 ? 256 : e[1];
        entry.colourCount = e[2];
        entry.planes = qFromLittleEndian<quint16>(e + 4);
        entry.bitCount = qFromLittleEndian<quint16>(e + 6);
        entry.bytes = qFromLittleEndian<quint32>(e + 8);
        entry.offset = qFromLittleEndian<quint32>(e + 12);
        if (qint64(entry.offset) + 40 <= data.size()) {
            const uchar* h = p + entry.offset;
            entry.headerSize = qFromLittleEndian<quint32>(h);
            entry.headerWidth = qFromLittleEndian<qint32>(h + 4);
            entry.headerHeight = qFromLittleEndian<qint32>(h + 8);
            entry.headerBitCount = qFromLittleEndian<quint16>(h + 14);
            entry.compression = qFromLittleEndian<quint32>(h + 16);
        }
        entries.append(entry);
    }
    return entries;
}

// The bytes of a 16-colour icon image of the given size: header, palette,
// 4-bit pixels and 1-bit mask, rows padded to 32 bits.
quint32 sixteenColourImageBytes(int size)
{
    const int pixelRow = (size * 4 + 31) / 32 * 4;
    const int maskRow = (size + 31) / 32 * 4;
    return 40 + 16 * 4 + quint32(pixelRow * size + maskRow * size);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void qtReadsTheFormats();
    void marks_data();
    void marks();
    void icons_data();
    void icons();
    void iconsAreTransparentOutside();
    void builtInPictures();
    void applicationIcons_data();
    void applicationIcons();
    void scalableApplicationIcon();
};

void TestPictures::initTestCase()
{
    QVERIFY2(!sourceDir().isEmpty(), "VELMORA_SOURCE_DIR is not set");
}

void TestPictures::qtReadsTheFormats()
{
    // Both come with Qt's own GUI library; without them the windows lose
    // their marks and icons without a word.
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    QVERIFY2(formats.contains("ico"), "Qt cannot read .ico files");
    QVERIFY2(formats.contains("jpeg"), "Qt cannot read JPEG files");
}

void TestPictures::marks_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("centreMarked");
    QTest::addColumn<QPoint>("onStroke");
    QTest::addColumn<QRgb>("strokeColour");

    // The cross passes through the middle; the nought leaves it green and
    // is drawn 11 pixels out from it.
    QTest::newRow("cross") << QStringLiteral("cross.jpg") << true << QPoint(10, 10) << qRgb(255, 255, 255);
    QTest::newRow("nought") << QStringLiteral("nought.jpg") << false << QPoint(18, 7) << qRgb(255, 214, 0);
}

void TestPictures::marks()
{
    QFETCH(QString, file);
    QFETCH(bool, centreMarked);
    QFETCH(QPoint, onStroke);
    QFETCH(QRgb, strokeColour);

    QImageReader reader(resource(file));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(37, 37));

    // A margin of board green all round, so that the picture does not
    // show as a square on the board.
    for (int i = 0; i < 37; ++i) {
        for (const QPoint p : {QPoint(i, 0), QPoint(i, 36), QPoint(0, i), QPoint(36, i), QPoint(i, 2), QPoint(2, i)}) {
            QVERIFY2(distance(image.pixel(p), boardGreen) <= 8,
                qPrintable(QStringLiteral("%1 at %2,%3 is %4")
                               .arg(file)
                               .arg(p.x())
                               .arg(p.y())
                               .arg(QColor(image.pixel(p)).name())));
        }
    }
    const QRgb centre = image.pixel(18, 18);
    if (centreMarked)
        QVERIFY(distance(centre, strokeColour) <= 24);
    else
        QVERIFY(distance(centre, boardGreen) <= 8);
    QVERIFY(distance(image.pixel(onStroke), strokeColour) <= 24);
}

void TestPictures::icons_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<qint64>("fileSize");
    QTest::addColumn<QList<int>>("sizes");

    QTest::newRow("board") << QStringLiteral("board.ico") << qint64(766) << QList<int>{32};
    QTest::newRow("about") << QStringLiteral("about.ico") << qint64(1078) << QList<int>{32, 16};
}

void TestPictures::icons()
{
    QFETCH(QString, file);
    QFETCH(qint64, fileSize);
    QFETCH(QList<int>, sizes);

    const QByteArray data = readAll(resource(file));
    QCOMPARE(qint64(data.size()), fileSize);

    const QList<IconEntry> entries = iconEntries(data);
    QCOMPARE(entries.size(), sizes.size());
    quint32 expectedOffset = 6 + 16 * quint32(entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        const IconEntry& e = entries.at(i);
        const int size = sizes.at(i);
        QCOMPARE(e.width, size);
        QCOMPARE(e.height, size);
        QCOMPARE(e.colourCount, 16);
        QCOMPARE(e.planes, 1);
        QCOMPARE(e.bitCount, 4);
        QCOMPARE(e.offset, expectedOffset);
        QCOMPARE(e.bytes, sixteenColourImageBytes(size));
        QCOMPARE(e.headerSize, quint32(40));
        QCOMPARE(e.headerWidth, size);
        QCOMPARE(e.headerHeight, 2 * size); // the colours and the mask
        QCOMPARE(e.headerBitCount, quint16(4));
        QCOMPARE(e.compression, quint32(0));
        expectedOffset += e.bytes;
    }
    QCOMPARE(qint64(expectedOffset), fileSize);

    // And Qt agrees.
    QImageReader reader(resource(file), "ico");
    QCOMPARE(reader.imageCount(), sizes.size());
    for (int i = 0; i < sizes.size(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(sizes.at(i), sizes.at(i)));
    }
}

void TestPictures::iconsAreTransparentOutside()
{
    // The board icon is a rounded green square and the About icon a disc:
    // the corners are see-through, the middle is not.
    for (const QString& file : {QStringLiteral("board.ico"), QStringLiteral("about.ico")}) {
        QImageReader reader(resource(file), "ico");
        for (int i = 0; i < reader.imageCount(); ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read();
            QVERIFY(!image.isNull());
            const int last = image.width() - 1;
            for (const QPoint p : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
                QCOMPARE(qAlpha(image.pixel(p)), 0);
            QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
        }
    }
    // In the board icon, the middle of the nought shows the board's green.
    const QImage board(resource(QStringLiteral("board.ico")), "ico");
    QVERIFY(distance(board.pixel(16, 16), boardGreen) <= 8);
}

void TestPictures::builtInPictures()
{
    // The windows load their pictures from the program's resources; each must
    // be there, byte for byte the file in the tree.
    for (const char* name : {"cross.jpg", "nought.jpg", "board.ico", "about.ico"}) {
        QFile builtIn(QStringLiteral(":/images/") + QLatin1String(name));
        QFile inTree(resource(QLatin1String(name)));
        QVERIFY2(builtIn.open(QIODevice::ReadOnly), name);
        QVERIFY2(inTree.open(QIODevice::ReadOnly), name);
        QCOMPARE(builtIn.readAll(), inTree.readAll());
    }
}

void TestPictures::applicationIcons_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

void TestPictures::applicationIcons()
{
    QFETCH(int, size);
    const QString path
        = sourceDir() + QStringLiteral("/packaging/icons/hicolor/%1x%1/apps/org.velmora.Velmora.png").arg(size);
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size - 1, size - 1)), 0);
    // The middle of the nought, in the centre cell, is board green.
    QVERIFY(distance(image.pixel(size / 2, size / 2), boardGreen) <= 8);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
}

void TestPictures::scalableApplicationIcon()
{
    QFile svg(sourceDir() + QStringLiteral("/packaging/icons/hicolor/scalable/apps/org.velmora.Velmora.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    bool root = false;
    int shapes = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (!root) {
            QCOMPARE(xml.name().toString(), QStringLiteral("svg"));
            QCOMPARE(xml.namespaceUri().toString(), QStringLiteral("http://www.w3.org/2000/svg"));
            QVERIFY(!xml.attributes().value(QLatin1String("viewBox")).isEmpty());
            root = true;
        } else if (xml.name() != QLatin1String("title")) {
            ++shapes;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(root);
    QVERIFY(shapes > 0);
}

QTEST_GUILESS_MAIN(TestPictures)
#include "test_pictures.moc"
