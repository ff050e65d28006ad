// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace velmora {

// The two settings the program keeps between runs: the language code `Lan`
// and the game-type code `pt`, exactly as they stand in the file.
struct StoredSettings {
    QString lan;
    QString pt;

    bool operator==(const StoredSettings&) const = default;
};

// `Velmora.ini` in the user's configuration folder ($XDG_CONFIG_HOME, else
// ~/.config); one path for reading and writing.
QString settingsFilePath();

// The bytes `Save` writes: the language code, CR, the game-type code, CR LF.
QByteArray settingsFileBytes(const StoredSettings& settings);

// Reads what the file holds: the first line is the language; when it is not
// empty, the last line is the game type. A line ends at CR or at CR LF; a
// lone LF belongs to the line. Bytes are taken as Latin-1, untrimmed.
StoredSettings parseSettingsBytes(const QByteArray& bytes);

// Reads the file; a missing or unreadable file gives two empty codes. At most
// the first 64 KiB are read.
StoredSettings readSettingsFile(const QString& path);

// Rewrites the file whole, or leaves the old one exactly as it was. A file
// whose permission bits forbid writing is left alone even when the program
// runs as root. Failures are logged and reported by the result only.
bool writeSettingsFile(const QString& path, const StoredSettings& settings);

} // namespace velmora
