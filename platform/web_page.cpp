// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web_page.h"

#include <QDesktopServices>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcWeb, "velmora.web")

namespace velmora {

bool openWebPage(const QUrl& url)
{
    if (QDesktopServices::openUrl(url))
        return true;
    qCWarning(lcWeb) << "could not open" << url.toString() << "- no browser could be started";
    return false;
}

} // namespace velmora
