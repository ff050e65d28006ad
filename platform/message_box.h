// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace velmora {

// The program's only kind of message: modal, the exclamation-mark icon and a
// single OK button. Returns once the user has dismissed it.
void showExclamationBox(QWidget* parent, const QString& text, const QString& title);

} // namespace velmora
