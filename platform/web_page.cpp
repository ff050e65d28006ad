// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web_page.h"

#include <QDesktopServices>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcWeb, "velmora.web")

namespace velmora {

void openWebPage(const QUrl& url)
{
    if (!QDesktopServices::openUrl(url))
        qCWarning(lcWeb) << "could not open" << url.toString();
}

} // namespace velmora
