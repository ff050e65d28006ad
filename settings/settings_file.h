// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace velmora {

// The two settings the program keeps between runs: the language code `Lan`
// and the game-type code `pt`, exactly as they stand in the file.
struct StoredSettings {
    QString lan;
    QString pt;

    bool operator==(const StoredSettings&) const = default;
};

// `Velmora.ini` in the user's configuration folder ($XDG_CONFIG_HOME when it
// is absolute and its bytes a name this program can use, else ~/.config);
// one path for reading and writing. Empty when there is no such folder, with
// a warning the first time: nothing is read then, and nothing saved.
QString settingsFilePath();

// At most the first 80 characters of a value, marked as cut when it is
// longer: what a log line quotes of a value read from outside.
QString logExcerpt(const QString& value);

// Reads the file: the first line is the language; when it is not empty, the
// last line is the game type, none when the file has no second line. A line
// ends at CR or at CR LF; a lone LF belongs to the line. Bytes are taken as
// Latin-1, untrimmed. A line longer than 1 MiB is not kept, rather than kept
// cut: it reads as empty (no language, or two players), with a warning. Only
// the start and the end of the file are read, however big it is. A missing
// or unreadable file gives two empty codes.
StoredSettings readSettingsFile(const QString& path);

// Rewrites the file whole, or leaves the old one exactly as it was, on a full
// disk too. Only a regular file is replaced (a link to one is written
// through); a file whose permission bits forbid writing is left alone even
// when the program runs as root, and as root the file keeps its owner and
// group. Folders it creates are private to their owner (0700). Nothing else
// beside the file is touched: a save that was killed may leave a temporary,
// as any such save can. Failures are logged and reported by the result only.
bool writeSettingsFile(const QString& path, const StoredSettings& settings);

} // namespace velmora
