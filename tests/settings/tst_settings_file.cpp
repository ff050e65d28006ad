// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

// Also QDir, QFile, QFileInfo, QTemporaryDir and QRegularExpression.
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace velmora;

static const auto codesOf = [](const StoredSettings& s) { return QStringList{s.lan, s.pt}; };
static const auto writeFile = [](const QString& path, const QByteArray& bytes, const QDateTime& written = {}) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size()
        && (written.isNull() || file.setFileTime(written, QFileDevice::FileModificationTime));
};
static const auto ownership = [](const QString& path) {
    struct stat info = {};
    ::stat(QFile::encodeName(path), &info);
    return QString::asprintf("%u:%u:%o", info.st_uid, info.st_gid, info.st_mode & 07777);
};
static const auto contentOf = [](const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
};

class TestSettingsFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // Each failure must log exactly the one line a test expects, nothing more.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("."))); }

    // Each row: the bytes of a file and the codes they hold; an empty first line
    // leaves the game type unread. Saving the codes of a row in the program's
    // own format writes exactly its bytes. A line over 1 MiB reads as empty,
    // with one warning. The long rows put line ends where the reads from
    // either end of the file stop.
    void bytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("codes");
        const qsizetype MiB = 1 << 20;
        const auto x = [](qsizetype size) { return QByteArray(size, 'x'); };
        QTest::newRow("English, two players") << QByteArray("A\r\r\n") << QStringList{"A", ""};
        QTest::newRow("codes kept as they are") << QByteArray("a\rF \r\n") << QStringList{"a", "F "};
        QTest::newRow("Latin-1") << QByteArray("\xE9\r\xC3\xA9\r\n") << QStringList{"\u00E9", "\u00C3\u00A9"};
        QTest::newRow("three lines, the last ends at CR") << QByteArray("A\r\nI\rN\r") << QStringList{"A", "N"};
        QTest::newRow("empty first line: no type") << QByteArray("\r\nI\r\n") << QStringList{"", ""};
        QTest::newRow("lone LF inside lines") << QByteArray("A\nB\rN\nI\n") << QStringList{"A\nB", "N\nI\n"};
        QTest::newRow("CR, then CR LF") << QByteArray("A\rN\r\r\n") << QStringList{"A", ""};
        QTest::newRow("first line of 100 KiB") << x(100 << 10) + "\rN\r\n" << QStringList{x(100 << 10), "N"};
        QTest::newRow("first line of 1 MiB") << x(MiB) + "\r\nI" << QStringList{x(MiB), "I"};
        QTest::newRow("first line over 1 MiB") << x(MiB + 1) + "\rN\r\n" << QStringList{"", "N"};
        QTest::newRow("only line over 1 MiB") << x(2 * MiB) + "\r\n" << QStringList{"", ""};
        QTest::newRow("last line of 1 MiB, beyond 64 KiB") << "A\rI\r\n" + x(MiB) + "\r\n" << QStringList{"A", x(MiB)};
        QTest::newRow("last line over 1 MiB") << "A\rI\r\n" + x(MiB + 1) + "\r\n" << QStringList{"A", ""};
    }

    void bytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, codes);
        const QString path = m_dir.filePath("bytes.ini");
        QVERIFY(writeFile(path, bytes));
        if (QByteArray(QTest::currentDataTag()).endsWith("over 1 MiB"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("longer than 1 MiB"));
        QCOMPARE(codesOf(readSettingsFile(path)), codes);
        if (bytes == (codes.join('\r') + "\r\n").toLatin1())
            QVERIFY(writeSettingsFile(path, {codes.at(0), codes.at(1)}) && contentOf(path) == bytes);
    }

    // A sparse file of 100 GB, its first and last lines at either end: what
    // lies between is never read.
    void sparseFile()
    {
        QFile file(m_dir.filePath("sparse.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write("A\r") == 2);
        if (!file.resize(qint64(100) << 30) || !file.seek(file.size() - 4) || file.write("\rN\r\n") != 4)
            QSKIP("the temporary folder's filesystem refuses a sparse file of 100 GB");
        QCOMPARE(codesOf(readSettingsFile(file.fileName())), QStringList({"A", "N"}));
    }

    // Saving creates the missing folders. However old, the user's own files
    // beside the settings file survive every save byte for byte, a save
    // through a link from another folder too. As root, a save keeps the old
    // file's owner, group and mode; what it creates belongs to the owner of
    // the folder it is made in, a folder private to its owner.
    void savesKeepTheUsersFiles()
    {
        const QString home = m_dir.filePath("home"), path = home + "/new/config/Velmora.ini";
        const QString link = m_dir.filePath("Velmora.ini");
        const bool root = ::geteuid() == 0;
        QVERIFY(QDir().mkdir(home) && (!root || !::chown(QFile::encodeName(home), 12345, 12346)));
        QVERIFY(writeSettingsFile(path, {}) && QFile::link(path, link));
        QVERIFY(!root || ownership(path).startsWith("12345:12346:"));
        QVERIFY(!::chmod(QFile::encodeName(path), 0640) && (!root || !::chown(QFile::encodeName(path), 23456, 23457)));
        const QStringList users = {path + ".backup", path + ".before", path + ".old123"};
        for (const QString& user : users)
            QVERIFY(writeFile(user, user.toUtf8(), QDateTime::currentDateTime().addSecs(-3 * 3600)));
        for (const char* code : {"F", "N", "I"})
            QVERIFY(writeSettingsFile(path, {"A", code}) && writeSettingsFile(link, {"F", code}));
        for (const QString& user : users)
            QCOMPARE(contentOf(user), user.toUtf8());
        QCOMPARE(codesOf(readSettingsFile(path)), QStringList({"F", "I"}));
        if (!root)
            QSKIP("what a save gives to other owners can only be seen as root");
        QCOMPARE(ownership(home + "/new/config"), "12345:12346:700");
        QCOMPARE(ownership(path), "23456:23457:640");
    }

    // A save that must fail, by what stands in the configuration folder: the
    // settings file made read-only (its permission bits decide, even for
    // root); a regular file in place of the folder; a folder, a pipe or a link
    // to a device in place of the file; a full disk, a disk without free
    // inodes, a read-only filesystem. The old content stays, or the node.
    void refusedSave_data()
    {
        QTest::addColumn<QString>("oldFile");
        QTest::addColumn<bool>("smallFilesystem");
        QTest::newRow("read-only file") << QString("Velmora.ini") << false;
        QTest::newRow("unwritable folder: a file in its place") << QString() << false;
        QTest::newRow("folder in place of the file") << QString("Velmora.ini/kept") << false;
        QTest::newRow("pipe in place of the file") << QString("<fifo>") << false;
        QTest::newRow("link to a device") << QString("<device>") << false;
        for (const char* filesystem : {"full", "inodes", "read-only"})
            QTest::newRow(filesystem) << QString("Velmora.ini") << true;
    }

    void refusedSave()
    {
        QFETCH(QString, oldFile);
        QFETCH(bool, smallFilesystem);
        if (smallFilesystem && qEnvironmentVariableIsEmpty("VELMORA_SMALL_FILESYSTEMS"))
            QSKIP("needs the small filesystems that the ctest entry tst_settings_file_small_filesystems mounts");
        const QString folder = (smallFilesystem ? qEnvironmentVariable("VELMORA_SMALL_FILESYSTEMS") : m_dir.path())
            + '/' + QTest::currentDataTag();
        const QString path = folder + "/Velmora.ini", oldPath = oldFile.isEmpty() ? folder : folder + '/' + oldFile;
        const bool node = oldFile.startsWith('<'), fifo = oldFile == QLatin1String("<fifo>");
        QVERIFY(QDir().mkpath(QFileInfo(oldPath).absolutePath()));
        // A pipe, or a link to the test's own copy of the null device: a
        // fault must never replace one of the system's devices.
        if (node
            && (::mknod(
                    QFile::encodeName(fifo ? path : folder + "/null"), (fifo ? S_IFIFO : S_IFCHR) | 0666, makedev(1, 3))
                || !(fifo || QFile::link("null", path))))
            QSKIP("making a device node needs root");
        if (!node && !smallFilesystem)
            QVERIFY(writeFile(oldPath, "F\rN\r\n")
                && (oldFile != QLatin1String("Velmora.ini") || QFile::setPermissions(oldPath, QFile::ReadOwner)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(path)));
        QVERIFY(!writeSettingsFile(path, {"A", "I"}));
        QVERIFY(node ? QFileInfo::exists(path) && !QFileInfo(path).isFile()
                     : codesOf(readSettingsFile(oldPath)) == QStringList({"F", "N"}));
    }

    // A relative XDG_CONFIG_HOME is ignored, and so is one whose bytes name no
    // folder this program can reach; with no absolute configuration
    // folder at all, nothing is read or written, and one warning says so.
    // Last, for it leaves no HOME behind.
    void configurationFolder()
    {
        qputenv("HOME", QFile::encodeName(m_dir.filePath("home")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()) + "/\xFF");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("XDG_CONFIG_HOME is ignored"));
        QCOMPARE(settingsFilePath(), m_dir.filePath("home/.config/Velmora.ini"));
        qputenv("XDG_CONFIG_HOME", "relative/config");
        QCOMPARE(settingsFilePath(), m_dir.filePath("home/.config/Velmora.ini"));
        qunsetenv("HOME");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("kept for this session only"));
        for (int save = 0; save < 2; ++save) {
            QCOMPARE(settingsFilePath(), QString());
            QVERIFY(!writeSettingsFile(settingsFilePath(), {"A", "I"}));
            QCOMPARE(codesOf(readSettingsFile(settingsFilePath())), QStringList({"", ""}));
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settings_file.moc"
