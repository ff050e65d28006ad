// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcSettings, "velmora.settings")

namespace velmora {

namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';

// Nothing sensible is ever longer; reading stops here so that a huge or binary
// file costs no more than a small one.
constexpr qint64 kMaxReadBytes = 64 * 1024;

// Enough of a value to recognise it in a log line.
constexpr qsizetype kMaxLoggedCharacters = 80;

// The next line from `pos`, which is moved past the line and its end. A line
// ends at CR, or at CR LF taken as one end; the end of the data ends the last
// line; a lone line feed belongs to the line.
QByteArray takeLine(const QByteArray& bytes, qsizetype& pos)
{
    const qsizetype start = pos;
    qsizetype end = bytes.indexOf(kCarriageReturn, start);
    if (end < 0) {
        end = bytes.size();
        pos = end;
    } else {
        pos = end + 1;
        if (pos < bytes.size() && bytes.at(pos) == kLineFeed)
            ++pos;
    }
    return bytes.mid(start, end - start);
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

// The folder that holds the user's settings: $XDG_CONFIG_HOME when it is an
// absolute path (a relative one is ignored), else ~/.config; empty when
// neither is known.
QString configFolder()
{
    if (QDir::isAbsolutePath(qEnvironmentVariable("XDG_CONFIG_HOME")))
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // Without HOME, Qt would answer the root of the filesystem.
    const QString home = qEnvironmentVariable("HOME");
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

QByteArray settingsFileBytes(const StoredSettings& settings)
{
    QByteArray bytes = settings.lan.toLatin1();
    bytes += kCarriageReturn;
    bytes += settings.pt.toLatin1();
    bytes += "\r\n";
    return bytes;
}

StoredSettings parseSettingsBytes(const QByteArray& bytes)
{
    qsizetype pos = 0;
    StoredSettings settings;
    settings.lan = QString::fromLatin1(takeLine(bytes, pos));
    if (settings.lan.isEmpty())
        return settings;

    // Lines are read while data is left, so a final line end does not make an
    // empty line of its own; the last line read is the game type.
    QByteArray lastLine;
    while (pos < bytes.size())
        lastLine = takeLine(bytes, pos);
    settings.pt = QString::fromLatin1(lastLine);
    return settings;
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
    return parseSettingsBytes(file.read(kMaxReadBytes));
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
    if (!QDir().mkpath(info.absolutePath())) {
        warnNotSaved(path, QStringLiteral("cannot create the folder %1").arg(info.absolutePath()));
        return false;
    }

    // QSaveFile writes beside the file and renames over it on commit, so a
    // crash leaves the old file whole; it also keeps the old file's
    // permissions. Unbuffered, each write reaches the system at once and a
    // full disk is seen here: a buffered QSaveFile can lose a failed write
    // and still commit an empty file over the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        warnNotSaved(path, file.errorString());
        return false;
    }
    const QByteArray bytes = settingsFileBytes(settings);
    if (file.write(bytes) != bytes.size()) {
        warnNotSaved(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        warnNotSaved(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace velmora
