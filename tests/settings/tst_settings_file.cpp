// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

// Also QDir, QFile, QFileInfo, QTemporaryDir and QRegularExpression.
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace velmora;

static const auto codesOf = [](const StoredSettings& s) { return QStringList{s.lan, s.pt}; };

class TestSettingsFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // Each failure must log exactly the one line a test expects, nothing more.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("."))); }

    // Each row: the bytes of a file and the codes they hold; an empty first line
    // leaves the game type unread. Saving the codes of a row marked "rewritten"
    // writes exactly its bytes; a row marked "dropped" holds a line over 1 MiB,
    // which reads as empty, with one warning. The long rows put line ends where
    // the reads from either end of the file stop.
    void bytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("after");
        const QString rewritten = "rewritten", dropped = "dropped";
        const qsizetype MiB = 1 << 20;
        const auto x = [](qsizetype size) { return QByteArray(size, 'x'); };
        QTest::newRow("French, Easy") << QByteArray("F\rF\r\n") << QStringList{"F", "F"} << rewritten;
        QTest::newRow("English, two players") << QByteArray("A\r\r\n") << QStringList{"A", ""} << rewritten;
        QTest::newRow("codes kept as they are") << QByteArray("a\rF \r\n") << QStringList{"a", "F "} << rewritten;
        QTest::newRow("Latin-1, not UTF-8")
            << QByteArray("\xE9\r\xC3\xA9\r\n") << QStringList{QStringLiteral("\u00E9"), QStringLiteral("\u00C3\u00A9")}
            << rewritten;
        QTest::newRow("three lines: the last") << QByteArray("A\r\nI\rN\r\n") << QStringList{"A", "N"} << QString();
        QTest::newRow("empty first line: no type") << QByteArray("\r\nI\r\n") << QStringList{"", ""} << QString();
        QTest::newRow("lone LF inside lines") << QByteArray("A\nB\rN\nI") << QStringList{"A\nB", "N\nI"} << QString();
        QTest::newRow("lone LF ends no line") << QByteArray("A\rN\n") << QStringList{"A", "N\n"} << QString();
        QTest::newRow("lone CR at the end") << QByteArray("A\r\nN\r") << QStringList{"A", "N"} << QString();
        QTest::newRow("CR, then CR LF") << QByteArray("A\rN\r\r\n") << QStringList{"A", ""} << QString();
        QTest::newRow("one line") << QByteArray("A\r\n") << QStringList{"A", ""} << QString();
        QTest::newRow("last line beyond 64 KiB") << "A\r" + x(70000) + "\rN\r\n" << QStringList{"A", "N"} << QString();
        QTest::newRow("first line of 100 KiB") << x(100 << 10) + "\rN\r\n"
                                               << QStringList{x(100 << 10), "N"} << rewritten;
        QTest::newRow("first line of 1 MiB") << x(MiB) + "\r\nI" << QStringList{x(MiB), "I"} << QString();
        QTest::newRow("first line over 1 MiB") << x(MiB + 1) + "\rN\r\n" << QStringList{"", "N"} << dropped;
        QTest::newRow("only line over 1 MiB") << x(2 * MiB) + "\r\n" << QStringList{"", ""} << dropped;
        QTest::newRow("last line of 1 MiB") << "A\rI\r\n" + x(MiB) + "\r\n" << QStringList{"A", x(MiB)} << QString();
        QTest::newRow("last line over 1 MiB") << "A\rI\r\n" + x(MiB + 1) + "\r\n" << QStringList{"A", ""} << dropped;
    }

    void bytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, codes);
        QFETCH(QString, after);
        QFile file(m_dir.filePath("bytes.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        if (after == "dropped")
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("longer than 1 MiB"));
        const StoredSettings read = readSettingsFile(file.fileName());
        QCOMPARE(codesOf(read), codes);
        QVERIFY(after != "rewritten"
            || (writeSettingsFile(file.fileName(), read) && file.open(QIODevice::ReadOnly) && file.readAll() == bytes));
    }

    // A sparse file of 100 GB, its first and last lines at either end: what
    // lies between is never read.
    void sparseFile()
    {
        constexpr qint64 size = qint64(100) << 30;
        QFile file(m_dir.filePath("sparse.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write("A\r") == 2);
        if (!file.resize(size) || !file.seek(size - 4) || file.write("\rN\r\n") != 4)
            QSKIP("the temporary folder's filesystem refuses a sparse file of 100 GB");
        file.close();
        QCOMPARE(codesOf(readSettingsFile(file.fileName())), QStringList({"A", "N"}));
        file.remove();
    }

    // Nothing to read yet; saving creates the missing folder. However old,
    // the user's own files beside the settings file, or beside the file that
    // a link in its place names, survive every save byte for byte.
    void savesKeepTheUsersFiles()
    {
        const QString plain = m_dir.filePath("plain"), target = m_dir.filePath("target");
        const QString link = m_dir.filePath("linking/Velmora.ini");
        const QStringList names = {"Velmora.ini.backup", "Velmora.ini.before", "Velmora.ini.old123"};
        QCOMPARE(codesOf(readSettingsFile(plain + "/Velmora.ini")), QStringList({"", ""}));
        QVERIFY(
            writeSettingsFile(plain + "/Velmora.ini", {"A", "I"}) && writeSettingsFile(target + "/Velmora.ini", {}));
        QVERIFY(QDir().mkpath(QFileInfo(link).path()) && QFile::link(target + "/Velmora.ini", link));
        const auto eachUserFile = [&](QIODevice::OpenMode mode, const auto& check) {
            for (const QString& path : {plain + '/', target + '/'})
                for (const QString& name : names) {
                    QFile file(path + name);
                    QVERIFY(file.open(mode | QIODevice::Unbuffered) && check(file, (path + name).toUtf8()));
                }
        };
        eachUserFile(QIODevice::WriteOnly, [](QFile& file, const QByteArray& bytes) {
            return file.write(bytes) == bytes.size()
                && file.setFileTime(QDateTime::currentDateTime().addSecs(-3 * 3600), QFileDevice::FileModificationTime);
        });
        for (const char* code : {"F", "N", "I"})
            QVERIFY(writeSettingsFile(plain + "/Velmora.ini", {"A", code}) && writeSettingsFile(link, {"F", code}));
        eachUserFile(QIODevice::ReadOnly, [](QFile& file, const QByteArray& bytes) { return file.readAll() == bytes; });
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(codesOf(readSettingsFile(target + "/Velmora.ini")), QStringList({"F", "I"}));
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
        QFile old(oldPath);
        QVERIFY(QDir().mkpath(QFileInfo(oldPath).absolutePath()));
        // A pipe, or a link to the test's own copy of the null device: a
        // fault must never replace one of the system's devices.
        if (node
            && (::mknod(
                    QFile::encodeName(fifo ? path : folder + "/null"), (fifo ? S_IFIFO : S_IFCHR) | 0666, makedev(1, 3))
                || !(fifo || QFile::link("null", path))))
            QSKIP("making a device node needs root");
        if (!node && !smallFilesystem)
            QVERIFY(old.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && old.write("F\rN\r\n") == 5
                && old.setPermissions(oldFile == QLatin1String("Velmora.ini") ? QFile::ReadOwner : old.permissions()));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(path)));
        QVERIFY(!writeSettingsFile(path, {"A", "I"}));
        if (node)
            QVERIFY(QFileInfo::exists(path) && !QFileInfo(path).isFile());
        else
            QCOMPARE(codesOf(readSettingsFile(oldPath)), QStringList({"F", "N"}));
    }

    // A relative XDG_CONFIG_HOME is ignored; with no absolute configuration
    // folder at all, nothing is read or written, and one warning says so.
    // Last, for it leaves no HOME behind.
    void configurationFolder()
    {
        qputenv("HOME", QFile::encodeName(m_dir.filePath("home")));
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
