// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/settings_file.h"

#include <QString>

namespace velmora {

// The program's two settings while it runs: the language code `Lan` and the
// game-type code `pt`. They are read from the settings file once at start
// and written back whole by `Save` after every change.
class ProgramSettings {
public:
    const QString& lan() const { return lan_; }
    void setLan(const QString& code) { lan_ = code; }
    const QString& pt() const { return pt_; }
    void setPt(const QString& code) { pt_ = code; }

    // Where the settings file is, found once: reading and writing use that
    // one path. Empty when there is no configuration folder.
    const QString& path() const { return path_; }

    // Replaces both codes with what the settings file holds.
    void load();
    // Rewrites the settings file with both codes.
    void Save() const;

private:
    QString path_ = settingsFilePath();
    // Neither a language nor a game type until start-up or a command sets
    // them.
    QString lan_ = QStringLiteral("Label10");
    QString pt_ = QStringLiteral("Label10");
};

} // namespace velmora
