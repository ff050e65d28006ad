// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include "settings/owned_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>

#include <algorithm>
#include <optional>

Q_LOGGING_CATEGORY(lcSettings, "velmora.settings")

namespace velmora {

namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';

// The longest line kept, generous for a code of one letter: a longer line
// is not kept at all rather than kept cut, and finding the file's first and
// last lines reads no more than about twice this, however big the file.
constexpr qsizetype kMaxLineBytes = 1024 * 1024;

// Enough of a value to recognise it in a log line.
constexpr qsizetype kMaxLoggedCharacters = 80;

// Where the line after the line end at `cr` starts. A line ends at CR, or at
// CR LF taken as one end; a lone line feed belongs to the line.
qsizetype startAfterLineEnd(const QByteArray& bytes, qsizetype cr)
{
    return cr + 1 < bytes.size() && bytes.at(cr + 1) == kLineFeed ? cr + 2 : cr + 1;
}

// The file's first line; `next` is set to where the line after it starts, the
// file's size when there is none. Nothing when the line is too long to keep.
std::optional<QByteArray> readFirstLine(QFile& file, qint64& next)
{
    // A line that can be kept, and its CR LF.
    QByteArray head = file.read(kMaxLineBytes + 2);
    const qsizetype cr = head.indexOf(kCarriageReturn);
    if (cr > kMaxLineBytes || (cr < 0 && head.size() > kMaxLineBytes))
        return std::nullopt;
    if (cr < 0) {
        next = file.size();
        return head;
    }
    next = startAfterLineEnd(head, cr);
    head.truncate(cr);
    return head;
}

// The file's last line, from `from`, the start of a line, on. It is found
// backwards from the end of the file, reading only the bytes a line that can
// be kept may take with its line ends. Nothing when it is too long to keep.
std::optional<QByteArray> readLastLine(QFile& file, qint64 from)
{
    const qint64 size = file.size();
    // A line that can be kept, the CR LF before it and the CR LF after it.
    const qint64 start = std::max(from, size - (kMaxLineBytes + 4));
    QByteArray tail = file.seek(start) ? file.read(size - start) : QByteArray();
    // The end of the file ends the last line, so a line end there starts no
    // line of its own.
    if (tail.endsWith("\r\n"))
        tail.chop(2);
    else if (tail.endsWith(kCarriageReturn))
        tail.chop(1);
    const qsizetype cr = tail.lastIndexOf(kCarriageReturn);
    // No line end in the bytes read: the line began before them.
    if (cr < 0 && start > from)
        return std::nullopt;
    tail.remove(0, cr < 0 ? 0 : startAfterLineEnd(tail, cr));
    if (tail.size() > kMaxLineBytes)
        return std::nullopt;
    return tail;
}

// The bytes a save writes: the language code, CR, the game-type code, CR LF.
QByteArray settingsFileBytes(const StoredSettings& settings)
{
    QByteArray bytes = settings.lan.toLatin1();
    bytes += kCarriageReturn;
    bytes += settings.pt.toLatin1();
    bytes += "\r\n";
    return bytes;
}

void warnNotRead(const QString& path, const QString& reason)
{
    qCWarning(lcSettings, "settings not read from %s: %s", qUtf8Printable(path), qUtf8Printable(reason));
}

void warnNotSaved(const QString& path, const QString& reason)
{
    qCWarning(lcSettings, "settings not saved to %s: %s", qUtf8Printable(path), qUtf8Printable(reason));
}

// Why the file at `path` may not be replaced, or an empty text when it may.
// The owner's permission bits decide, not access(): root may write anything,
// yet a file its owner marked read-only stays as it is.
QString refusalToReplace(const QFileInfo& info)
{
    if (!info.exists())
        return {};
    if (info.isDir())
        return QStringLiteral("a folder stands in place of the file");
    // A device, a pipe or a socket, itself or at the end of a link, is not
    // ours to replace: as root, a save would destroy a device node.
    if (!info.isFile())
        return QStringLiteral("not a regular file");
    if (!info.permissions().testFlag(QFileDevice::WriteOwner))
        return QStringLiteral("the file is read-only");
    return {};
}

// Writes `bytes` beside the file at `path` and renames them over it, so that
// a crash leaves the old file whole; QSaveFile keeps the old file's mode.
// Unbuffered, each write reaches the system at once and a full disk is seen
// here: a buffered QSaveFile can lose a failed write and still commit an
// empty file over the old one. As root, the new file belongs to the owner of
// `ownerModel`, the old file or the folder of a new one: a user's settings
// saved by root stay the user's to change.
bool replaceFile(const QString& path, const QString& ownerModel, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        warnNotSaved(path, file.errorString());
        return false;
    }
    QString failure;
    if (!giveOwnerOf(file.handle(), ownerModel))
        failure = QStringLiteral("cannot give the new file the owner of %1").arg(ownerModel);
    else if (file.write(bytes) != bytes.size())
        failure = file.errorString();
    if (!failure.isEmpty()) {
        warnNotSaved(path, failure);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        warnNotSaved(path, file.errorString());
        return false;
    }
    return true;
}

// An environment variable that names a folder. Bytes that are no name Qt can
// hold unchanged would name some other folder: the variable is ignored then,
// with a warning.
QString folderVariable(const char* name)
{
    const QByteArray bytes = qgetenv(name);
    const QString folder = QFile::decodeName(bytes);
    if (QFile::encodeName(folder) == bytes)
        return folder;
    qCWarning(lcSettings, "%s is ignored: its bytes are not a file name this program can use", name);
    return {};
}

// The folder that holds the user's settings: $XDG_CONFIG_HOME when it is an
// absolute path (a relative one is ignored), else ~/.config; empty when
// neither is known. Qt's own answer would put U+FFFD in place of bytes that
// are not UTF-8, and the root of the filesystem in place of a missing HOME.
QString configFolder()
{
    if (const QString folder = folderVariable("XDG_CONFIG_HOME"); QDir::isAbsolutePath(folder))
        return QDir::cleanPath(folder);
    const QString home = folderVariable("HOME");
    return QDir::isAbsolutePath(home) ? QDir::cleanPath(home + QStringLiteral("/.config")) : QString();
}

} // namespace

QString settingsFilePath()
{
    const QString folder = configFolder();
    if (folder.isEmpty()) {
        static bool warned = false;
        if (!warned)
            qCWarning(lcSettings,
                "no configuration folder: neither XDG_CONFIG_HOME nor HOME is an absolute path; "
                "the settings are kept for this session only");
        warned = true;
        return {};
    }
    return folder + QStringLiteral("/Velmora.ini");
}

QString logExcerpt(const QString& value)
{
    if (value.size() <= kMaxLoggedCharacters)
        return value;
    return value.left(kMaxLoggedCharacters) + QStringLiteral("... (%1 characters)").arg(value.size());
}

StoredSettings readSettingsFile(const QString& path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    // Only a regular file is opened: a folder has no lines and a pipe could
    // keep the program waiting for ever.
    if (!info.isFile()) {
        warnNotRead(path, QStringLiteral("not a regular file"));
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warnNotRead(path, file.errorString());
        return {};
    }
    qint64 next = 0;
    const std::optional<QByteArray> first = readFirstLine(file, next);
    // A first line too long to keep is still a line that is not empty; the
    // last line may then start anywhere after the start of the file.
    std::optional<QByteArray> last = QByteArray();
    if ((!first || !first->isEmpty()) && next < file.size())
        last = readLastLine(file, next);
    if (!first || !last)
        qCWarning(lcSettings, "in %s, the %s line is longer than 1 MiB: it is not kept and reads as empty",
            qUtf8Printable(path), first ? "last" : "first");
    return {QString::fromLatin1(first.value_or(QByteArray())), QString::fromLatin1(last.value_or(QByteArray()))};
}

bool writeSettingsFile(const QString& path, const StoredSettings& settings)
{
    // No folder to save in: settingsFilePath has said so once already.
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (const QString refusal = refusalToReplace(info); !refusal.isEmpty()) {
        warnNotSaved(path, refusal);
        return false;
    }
    if (!makePrivateFolders(info.absolutePath())) {
        warnNotSaved(path, QStringLiteral("cannot create the folder %1").arg(info.absolutePath()));
        return false;
    }
    if (!replaceFile(path, info.exists() ? path : info.absolutePath(), settingsFileBytes(settings)))
        return false;
    // The rename is an entry of the folder that holds the file, the folder a
    // link names too: synced, the new file survives a power cut.
    if (!syncFolder(QFileInfo(path).canonicalPath()))
        qCWarning(
            lcSettings, "settings saved to %s, but its folder could not be synced to the disk", qUtf8Printable(path));
    return true;
}

} // namespace velmora
