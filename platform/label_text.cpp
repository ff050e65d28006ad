// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/label_text.h"

#include <QFontMetrics>
#include <QLabel>

namespace velmora {

void setTextElidedToWidth(QLabel& label, const QString& text)
{
    const QFontMetrics metrics(label.font());
    const int room = label.contentsRect().width();
    const bool fits = metrics.horizontalAdvance(text) <= room;
    label.setText(fits ? text : metrics.elidedText(text, Qt::ElideRight, room));
    label.setToolTip(fits ? QString() : text);
    label.setAccessibleName(text);
}

} // namespace velmora
