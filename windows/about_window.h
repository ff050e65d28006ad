// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/captions.h"

#include <QDialog>

namespace velmora {

// `Apropos²`: the maker, a notice, the version and the About icon. "OK"
// hides it; its close box destroys it.
class AboutWindow final : public QDialog {
    Q_OBJECT

public:
    AboutWindow();

    // Only the title changes with the language.
    void applyLanguage(Language language);

public Q_SLOTS:
    void btnOK_Click();
};

} // namespace velmora
