// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QString;

namespace velmora {

// Shows `text` on one line in the label; a text too wide for the label is
// cut with an ellipsis and shown whole in its tooltip. A screen reader
// always reads the whole text.
void setTextElidedToWidth(QLabel& label, const QString& text);

} // namespace velmora
