// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace velmora {

// Makes Qt's own texts (standard buttons, the printer dialog) speak the
// given language ("fr" or "en"). Installing the language already in force
// does nothing.
void useQtTranslation(const QString& languageName);

} // namespace velmora
