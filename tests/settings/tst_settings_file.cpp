// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

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

// A pipe at `path`, or a link there to the test's own copy of the null
// device: a fault must never replace one of the system's devices.
bool makeNode(const QString& path, bool pipe)
{
    const QString node = pipe ? path : QFileInfo(path).absolutePath() + QStringLiteral("/null");
    return QDir().mkpath(QFileInfo(path).absolutePath())
        && ::mknod(QFile::encodeName(node).constData(), (pipe ? S_IFIFO : S_IFCHR) | 0666, makedev(1, 3)) == 0
        && (pipe || QFile::link(node, path));
}

// What the path leads to: S_IFREG, S_IFIFO, S_IFCHR...
unsigned nodeType(const QString& path)
{
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & S_IFMT : 0;
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

        // Of what killed saves left beside the file, a save removes the old
        // temporaries and nothing else; saved through a link, the link stays.
        const QString folder = QFileInfo(path).absolutePath();
        const QStringList kept = {"Velmora.ini", "Velmora.ini.1234567", "Velmora.ini.bak", "Velmora.ini.young1"};
        for (const QString& name : QStringList{"Velmora.ini.Ab12Cd", "Velmora.ini.xY9876"} + kept.mid(1)) {
            QFile leftOver(folder + '/' + name);
            QVERIFY(leftOver.open(QIODevice::WriteOnly)
                && (name.endsWith(QLatin1String("young1"))
                    || leftOver.setFileTime(QDateTime(QDate(2025, 1, 1), QTime()), QFileDevice::FileModificationTime)));
        }
        QVERIFY(writeSettingsFile(path, {"F", "N"}));
        QCOMPARE(QDir(folder).entryList({"Velmora.ini*"}, QDir::AllEntries | QDir::System, QDir::Name), kept);
        QVERIFY(QFile::rename(path, folder + "/kept.ini") && QFile::link("kept.ini", path));
        QVERIFY(writeSettingsFile(path, {"A", "N"}));
        QVERIFY(QFileInfo(path).isSymLink() && readRaw(folder + "/kept.ini") == "A\rN\r\n");
    }

    // With no absolute configuration folder, nothing is read or written, and
    // one warning says so.
    void configurationFolder()
    {
        const QByteArray oldHome = qgetenv("HOME");
        const QByteArray home = QFile::encodeName(m_dir.filePath(QStringLiteral("home")));
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
        QCOMPARE(settingsFilePath(), m_dir.filePath(QStringLiteral("Velmora.ini")));
        qputenv("XDG_CONFIG_HOME", "relative/config");
        QCOMPARE(settingsFilePath(), QString::fromLocal8Bit(home) + "/.config/Velmora.ini");
        qunsetenv("HOME");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("kept for this session only"));
        for (int save = 0; save < 2; ++save) {
            QCOMPARE(settingsFilePath(), QString());
            QVERIFY(!writeSettingsFile(settingsFilePath(), {"A", "I"}));
            QCOMPARE(codes(readSettingsFile(settingsFilePath())), QStringList({"", ""}));
        }
        qputenv("HOME", oldHome);
        qunsetenv("XDG_CONFIG_HOME");
    }

    // A save that must fail, by what stands in the configuration folder: the
    // settings file made read-only (its permission bits decide, even for
    // root); a regular file in place of the folder; a folder, a pipe or a link
    // to a device in place of the file; a full disk, a disk without free
    // inodes, a read-only filesystem. The old content stays, or the node.
    void refusedSave_data()
    {
        QTest::addColumn<QString>("oldFile");
        QTest::addColumn<QString>("filesystem");
        const auto row = [](const char* name, const char* oldFile, const char* filesystem = "") {
            QTest::newRow(name) << QString(oldFile) << QString(filesystem);
        };
        row("read-only file", "Velmora.ini");
        row("unwritable folder: a file in its place", "");
        row("folder in place of the file", "Velmora.ini/kept");
        row("pipe in place of the file", "<fifo>");
        row("link to a device", "<device>");
        for (const char* filesystem : {"full", "inodes", "read-only"})
            row(filesystem, "Velmora.ini", filesystem);
    }

    void refusedSave()
    {
        QFETCH(QString, oldFile);
        QFETCH(QString, filesystem);
        QString folder = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        if (!filesystem.isEmpty()) {
            if (qEnvironmentVariableIsEmpty("VELMORA_SMALL_FILESYSTEMS"))
                QSKIP("needs the small filesystems that the ctest entry tst_settings_file_small_filesystems "
                      "mounts as root");
            folder = qEnvironmentVariable("VELMORA_SMALL_FILESYSTEMS") + '/' + filesystem;
        }
        const QString path = folder + QStringLiteral("/Velmora.ini");
        const QString oldPath = oldFile.isEmpty() ? folder : folder + '/' + oldFile;
        const bool node = oldFile.startsWith(QLatin1Char('<'));
        if (node && !makeNode(path, oldFile == QLatin1String("<fifo>")))
            QSKIP("making a device node needs root");
        if (!node && filesystem.isEmpty())
            writeRaw(oldPath, "F\rN\r\n");
        if (oldFile == QLatin1String("Velmora.ini") && filesystem.isEmpty())
            QVERIFY(
                QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        const QRegularExpression warning(QRegularExpression::escape(path));
        QTest::ignoreMessage(QtWarningMsg, warning);
        QVERIFY(!writeSettingsFile(path, {"A", "I"}));
        if (node)
            QCOMPARE(nodeType(path), oldFile == QLatin1String("<fifo>") ? S_IFIFO : S_IFCHR);
        else
            QCOMPARE(readRaw(oldPath), QByteArray("F\rN\r\n"));
        if (oldFile.endsWith(QLatin1String("kept"))) {
            QTest::ignoreMessage(QtWarningMsg, warning);
            QCOMPARE(codes(readSettingsFile(path)), QStringList({"", ""}));
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settings_file.moc"
