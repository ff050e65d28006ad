// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;

namespace {

const auto codes = [](const StoredSettings& s) { return QStringList{s.lan, s.pt}; };

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readRaw(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // Each failure must log exactly the one line a test expects, nothing more.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("."))); }

    // Each row: the bytes of a file and the codes they hold; an empty first line
    // leaves the game type unread. Saving the codes of a row marked as written
    // writes exactly its bytes.
    void bytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("lan");
        QTest::addColumn<QString>("pt");
        QTest::addColumn<bool>("written");
        const auto row = [](const char* name, const QByteArray& bytes, const QString& lan, const QString& pt,
                             bool written) { QTest::newRow(name) << bytes << lan << pt << written; };
        row("46 0D 46 0D 0A: French, Easy", "\x46\x0D\x46\x0D\x0A", "F", "F", true);
        row("41 0D 0D 0A: English, two players", "\x41\x0D\x0D\x0A", "A", "", true);
        row("41 0D 49 0D 0A: English, Hard", "\x41\x0D\x49\x0D\x0A", "A", "I", true);
        row("0D 46 0D 0A: no language, Easy", "\x0D\x46\x0D\x0A", "", "F", true);
        row("codes kept as they are", "a\rF \r\n", "a", "F ", true);
        row("Latin-1", "\xE9\r\r\n", QStringLiteral("\u00E9"), "", true);
        row("CR LF ends lines", "A\r\nN\r\n", "A", "N", false);
        row("three lines: the last is the game type", "A\rI\r\nN\r\n", "A", "N", false);
        row("empty first line, then I", "\r\nI\r\n", "", "I", false);
        row("lone LF inside lines", "A\nB\rN\nI\r\n", "A\nB", "N\nI", false);
        row("Latin-1, not UTF-8", "\xE9\r\xC3\xA9", QStringLiteral("\u00E9"), QStringLiteral("\u00C3\u00A9"), false);
    }

    void bytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, lan);
        QFETCH(QString, pt);
        QFETCH(bool, written);
        QCOMPARE(codes(parseSettingsBytes(bytes)), (QStringList{lan, lan.isEmpty() ? QString() : pt}));
        QVERIFY(!written || settingsFileBytes({lan, pt}) == bytes);
    }

    // Thousands of byte strings, mostly of the bytes that matter to the format:
    // saving what was read writes the first line, CR, the game type, CR LF. The
    // lines are found here by splitting rather than by walking the data.
    void randomBytes()
    {
        QRandomGenerator random(20260214);
        static constexpr char kFrequent[] = "\r\n\r\nAFNI a\0\xE9\xFF";
        const QByteArray alphabet(kFrequent, sizeof kFrequent - 1);
        for (int round = 0; round < 5000; ++round) {
            QByteArray bytes;
            for (int i = random.bounded(24); i > 0; --i)
                bytes += random.bounded(4) ? alphabet.at(random.bounded(alphabet.size())) : char(random.bounded(256));
            QByteArray split = QByteArray(bytes).replace("\r\n", "\r"); // CR LF is one line end
            split.chop(split.endsWith('\r') ? 1 : 0); // a final line end starts no other line
            const QList<QByteArray> lines = split.split('\r');
            const QByteArray gameType = lines.first().isEmpty() || lines.size() < 2 ? QByteArray() : lines.last();
            QVERIFY2(settingsFileBytes(parseSettingsBytes(bytes)) == lines.first() + '\r' + gameType + "\r\n",
                bytes.toHex(' ').constData());
        }
    }

    void files()
    {
        // Nothing to read yet; saving creates the missing folder, and a save
        // replaces a longer file whole.
        const QString path = m_dir.filePath(QStringLiteral("new/Velmora.ini"));
        QCOMPARE(codes(readSettingsFile(path)), QStringList({"", ""}));
        QVERIFY(writeSettingsFile(path, {"A", "I"}));
        QCOMPARE(readRaw(path), QByteArray("A\rI\r\n"));
        QVERIFY(writeSettingsFile(path, {"A", ""}));
        QCOMPARE(readRaw(path), QByteArray("A\r\r\n"));

        // A mebibyte of binary data, whose first 64 KiB hold the lines "A", a
        // long one and "N": only those are read.
        QByteArray bytes = "A\r" + QByteArray(64 * 1024 - 4, 'z') + "\rN";
        QRandomGenerator random(64);
        while (bytes.size() < 1024 * 1024 - 4)
            bytes += char(random.bounded(256));
        writeRaw(path, bytes + "\rF\r\n");
        QCOMPARE(codes(readSettingsFile(path)), QStringList({"A", "N"}));
    }

    // A save that must fail, by where the old content stands in the configuration
    // folder: the settings file made read-only (its permission bits decide, even
    // for root); the folder itself, a regular file in its place; a file inside a
    // folder in place of the settings file, which cannot be read either.
    void refusedSave_data()
    {
        QTest::addColumn<QString>("oldFile");
        QTest::newRow("read-only file") << "Velmora.ini";
        QTest::newRow("unwritable folder: a file in its place") << "";
        QTest::newRow("folder in place of the file") << "Velmora.ini/kept";
    }

    void refusedSave()
    {
        QFETCH(QString, oldFile);
        const QString folder = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        const QString path = folder + QStringLiteral("/Velmora.ini");
        const QString oldPath = oldFile.isEmpty() ? folder : folder + '/' + oldFile;
        writeRaw(oldPath, "F\rN\r\n");
        if (oldFile == QLatin1String("Velmora.ini"))
            QVERIFY(
                QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        const QRegularExpression warning(QRegularExpression::escape(path));
        QTest::ignoreMessage(QtWarningMsg, warning);
        QVERIFY(!writeSettingsFile(path, {"A", "I"}));
        QCOMPARE(readRaw(oldPath), QByteArray("F\rN\r\n"));
        if (oldFile.endsWith(QLatin1String("kept"))) {
            QTest::ignoreMessage(QtWarningMsg, warning);
            QCOMPARE(codes(readSettingsFile(path)), QStringList({"", ""}));
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settings_file.moc"
