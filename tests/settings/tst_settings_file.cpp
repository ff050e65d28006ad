// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <utility>

using velmora::StoredSettings;

// Shows both codes as bytes when a comparison fails.
namespace velmora {
char* toString(const StoredSettings& settings)
{
    return QTest::toString(QStringLiteral("{lan [%1], pt [%2]}")
                               .arg(QString::fromLatin1(settings.lan.toLatin1().toHex(' ')),
                                   QString::fromLatin1(settings.pt.toLatin1().toHex(' '))));
}
} // namespace velmora

namespace {

const QFileDevice::Permissions kReadOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;

// The bits stored with the file, without those Qt adds for the current user.
QFileDevice::Permissions storedPermissions(const QString& path)
{
    return QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

void expectOneWarning(const QString& path)
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(path)));
}

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readRaw(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The first line and the game-type line as raw bytes, found by splitting the
// data rather than by walking it: CR LF counts as CR, and a final line end
// does not start another line.
std::pair<QByteArray, QByteArray> splitLines(QByteArray bytes)
{
    bytes.replace("\r\n", "\r");
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    const QList<QByteArray> lines = bytes.split('\r');
    if (lines.first().isEmpty() || lines.size() < 2)
        return {lines.first(), {}};
    return {lines.first(), lines.last()};
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void init();

    void writtenBytes_data();
    void writtenBytes();
    void parsedLines_data();
    void parsedLines();
    void randomBytesReadAndWrittenBack();

    void pathFollowsXdgConfigHome();
    void readingWithoutUsableFile();
    void readingStopsAfter64KiB();

    void savingCreatesFolderAndReadsBack();
    void savingReplacesWholeFileKeepingPermissions();
    void refusedSaveLeavesOldContent_data();
    void refusedSaveLeavesOldContent();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_config;
};

void TestSettingsFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_config = m_dir->filePath(QStringLiteral("config"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config));
    // Each failure must log exactly the one line a test expects, nothing more.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
}

void TestSettingsFile::writtenBytes_data()
{
    QTest::addColumn<QString>("lan");
    QTest::addColumn<QString>("pt");
    QTest::addColumn<QByteArray>("bytes");
    const auto row = [](const char* name, const QString& lan, const QString& pt, const QByteArray& bytes) {
        QTest::newRow(name) << lan << pt << bytes;
    };
    row("French, Easy", "F", "F", "\x46\x0D\x46\x0D\x0A");
    row("English, two players", "A", "", "\x41\x0D\x0D\x0A");
    row("English, Hard", "A", "I", "\x41\x0D\x49\x0D\x0A");
    row("no language, Easy", "", "F", "\x0D\x46\x0D\x0A");
    row("codes kept as they are", "a", "F ", "a\rF \r\n");
    row("Latin-1", QStringLiteral("\u00E9"), "", "\xE9\r\r\n");
}

void TestSettingsFile::writtenBytes()
{
    QFETCH(QString, lan);
    QFETCH(QString, pt);
    QFETCH(QByteArray, bytes);
    QCOMPARE(velmora::settingsFileBytes({lan, pt}), bytes);
}

void TestSettingsFile::parsedLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("lan");
    QTest::addColumn<QString>("pt");
    const auto row = [](const char* name, const QByteArray& bytes, const QString& lan, const QString& pt) {
        QTest::newRow(name) << bytes << lan << pt;
    };
    row("French, Easy", "\x46\x0D\x46\x0D\x0A", "F", "F");
    row("English, two players", "\x41\x0D\x0D\x0A", "A", "");
    row("English, Hard", "\x41\x0D\x49\x0D\x0A", "A", "I");
    row("no language, Easy", "\x0D\x46\x0D\x0A", "", "");
    row("lines ended by CR LF", "A\r\nN\r\n", "A", "N");
    row("three lines", "A\rI\r\nN\r\n", "A", "N");
    row("empty first line, then I", "\r\nI\r\n", "", "");
    row("lower case kept", "a\rf\r\n", "a", "f");
    row("blanks kept", "F \r I\r\n", "F ", " I");
    row("lone LF in lines", "A\nB\rN\nI\r\n", "A\nB", "N\nI");
    row("LF after CR LF", "A\r\n\nI", "A", "\nI");
    row("final empty line", "A\rI\r\n\r\n", "A", "");
    row("only a first line", "F\r\n", "F", "");
    row("no line end", "A", "A", "");
    row("last line without end", "A\rI", "A", "I");
    row("empty", "", "", "");
    row("Latin-1, not UTF-8", "\xE9\r\xC3\xA9", QStringLiteral("\u00E9"), QStringLiteral("\u00C3\u00A9"));
}

void TestSettingsFile::parsedLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, lan);
    QFETCH(QString, pt);
    QCOMPARE(velmora::parseSettingsBytes(bytes), (StoredSettings{lan, pt}));
}

void TestSettingsFile::randomBytesReadAndWrittenBack()
{
    QRandomGenerator random(20260214);
    // Mostly bytes that matter to the format, the rest anything at all.
    static constexpr char kFrequent[] = "\r\n\r\nAFNI a\0\xE9\xFF";
    const QByteArray alphabet(kFrequent, sizeof kFrequent - 1);
    for (int round = 0; round < 5000; ++round) {
        QByteArray bytes;
        for (int i = random.bounded(24); i > 0; --i)
            bytes += random.bounded(4) ? alphabet.at(random.bounded(alphabet.size())) : char(random.bounded(256));
        const auto [firstLine, lastLine] = splitLines(bytes);
        const StoredSettings parsed = velmora::parseSettingsBytes(bytes);
        const QByteArray written = velmora::settingsFileBytes(parsed);
        const QByteArray input = bytes.toHex(' ');
        QVERIFY2(written == firstLine + '\r' + lastLine + "\r\n", input.constData());
        // Read back, the game type loses a leading line feed: it follows the
        // CR that ends the first line, and CR LF is one line end.
        const StoredSettings reread = velmora::parseSettingsBytes(written);
        QVERIFY2(reread.lan == parsed.lan, input.constData());
        QVERIFY2(reread.pt == (parsed.pt.startsWith('\n') ? parsed.pt.mid(1) : parsed.pt), input.constData());
    }
}

void TestSettingsFile::pathFollowsXdgConfigHome()
{
    QCOMPARE(velmora::settingsFilePath(), m_config + QStringLiteral("/Velmora.ini"));
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(velmora::settingsFilePath(), QDir::homePath() + QStringLiteral("/.config/Velmora.ini"));
}

void TestSettingsFile::readingWithoutUsableFile()
{
    const QString path = velmora::settingsFilePath();
    QCOMPARE(velmora::readSettingsFile(path), StoredSettings());

    QVERIFY(QDir().mkpath(m_config));
    writeRaw(path, {});
    QCOMPARE(velmora::readSettingsFile(path), StoredSettings());

    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path));
    expectOneWarning(path);
    QCOMPARE(velmora::readSettingsFile(path), StoredSettings());
}

void TestSettingsFile::readingStopsAfter64KiB()
{
    // Within the first 64 KiB the lines are "A", a long one and "N"; the
    // binary rest of the mebibyte ends with the line "F".
    QByteArray bytes = "A\r" + QByteArray(64 * 1024 - 4, 'z') + "\rN";
    QRandomGenerator random(64);
    while (bytes.size() < 1024 * 1024 - 4)
        bytes += char(random.bounded(256));
    bytes += "\rF\r\n";
    QCOMPARE(velmora::parseSettingsBytes(bytes).pt, QStringLiteral("F"));

    const QString path = velmora::settingsFilePath();
    QVERIFY(QDir().mkpath(m_config));
    writeRaw(path, bytes);
    QCOMPARE(velmora::readSettingsFile(path), (StoredSettings{"A", "N"}));
}

void TestSettingsFile::savingCreatesFolderAndReadsBack()
{
    m_config = m_dir->filePath(QStringLiteral("not/yet"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config));
    const QString path = velmora::settingsFilePath();
    QVERIFY(velmora::writeSettingsFile(path, {"A", "I"}));
    QCOMPARE(readRaw(path), QByteArray("A\rI\r\n"));
    QCOMPARE(velmora::readSettingsFile(path), (StoredSettings{"A", "I"}));
}

void TestSettingsFile::savingReplacesWholeFileKeepingPermissions()
{
    const QString path = velmora::settingsFilePath();
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QDir().mkpath(m_config));
    writeRaw(path, "F\rN\rI\ra much longer old file\r\n");
    QVERIFY(QFile::setPermissions(path, permissions));

    QVERIFY(velmora::writeSettingsFile(path, {"A", ""}));
    QCOMPARE(readRaw(path), QByteArray("A\r\r\n"));
    QCOMPARE(storedPermissions(path), permissions);
    QCOMPARE(
        QDir(m_config).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"Velmora.ini"});
}

enum class Obstacle { ReadOnlyFile, FolderIsAFile, FileIsAFolder, UnwritableFolder };

void TestSettingsFile::refusedSaveLeavesOldContent_data()
{
    QTest::addColumn<Obstacle>("obstacle");
    QTest::newRow("read-only file") << Obstacle::ReadOnlyFile;
    QTest::newRow("configuration folder is a file") << Obstacle::FolderIsAFile;
    QTest::newRow("folder in place of the file") << Obstacle::FileIsAFolder;
    QTest::newRow("unwritable folder") << Obstacle::UnwritableFolder;
}

void TestSettingsFile::refusedSaveLeavesOldContent()
{
    QFETCH(Obstacle, obstacle);
    const QString path = velmora::settingsFilePath();
    const QByteArray old("F\rN\r\n");
    // Lets the temporary folder be removed again whatever happens.
    const auto restoreFolder = qScopeGuard([this] {
        QFile::setPermissions(m_config, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });
    const QString oldPath = obstacle == Obstacle::FolderIsAFile ? m_config
        : obstacle == Obstacle::FileIsAFolder                   ? path + QStringLiteral("/kept")
                                                                : path;
    QVERIFY(QDir().mkpath(QFileInfo(oldPath).absolutePath()));
    writeRaw(oldPath, old);
    if (obstacle == Obstacle::ReadOnlyFile)
        QVERIFY(QFile::setPermissions(path, kReadOnly));
    if (obstacle == Obstacle::UnwritableFolder) {
        QVERIFY(QFile::setPermissions(m_config, kReadOnly | QFileDevice::ExeOwner));
        if (QFileInfo(m_config).isWritable())
            QSKIP("this user may write into any folder");
    }

    expectOneWarning(path);
    QVERIFY(!velmora::writeSettingsFile(path, {"A", "I"}));
    QCOMPARE(readRaw(oldPath), old);
    if (obstacle == Obstacle::ReadOnlyFile)
        QCOMPARE(storedPermissions(path), kReadOnly);
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settings_file.moc"
