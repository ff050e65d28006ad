// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/about_window.h"

#include "platform/font_scale.h"
#include "platform/label_text.h"
#include "platform/pictures.h"
#include "platform/window_placement.h"
#include "windows/build_config.h"

#include <QLabel>
#include <QPushButton>

namespace velmora {

namespace {

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setAccessibleName(text);
    return label;
}

} // namespace

AboutWindow::AboutWindow()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Apropos²"));
    setWindowTitle(laidOutCaption("Apropos.title"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QIcon icon = aboutIcon();
    setWindowIcon(icon);
    // The frame is sizable; the controls keep their places, so it may grow
    // but not shrink below the laid-out size.
    const TwipsScale scale = scaleForFont(font());
    resize(scale.size(3135, 1530));
    setMinimumSize(size());

    QLabel* maker = addLabel(this, "Label3", QStringLiteral("Tolm Games"), scale.rect(720, 120, 2295, 255));
    maker->setAlignment(Qt::AlignCenter);
    QFont bold = scaledFont(maker->font(), 12, scale);
    bold.setBold(true);
    maker->setFont(bold);
    QLabel* notice = addLabel(this, "Label1", QString(), scale.rect(960, 480, 1935, 225));
    setTextElidedToWidth(*notice, QString::fromUtf8(build::kPublisherNotice));
    addLabel(this, "Label2", QStringLiteral("Version 1.00"), scale.rect(1320, 720, 1455, 225));
    QLabel* image = addLabel(this, "Image", QString(), scale.rect(120, 480, 480, 480));
    image->setPixmap(icon.pixmap(32, 32));
    image->setAccessibleName(QStringLiteral("Velmora"));
    for (QLabel* label : findChildren<QLabel*>())
        growToTextHeight(*label);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setGeometry(scale.rect(1320, 1080, 1095, 375));
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &AboutWindow::btnOK_Click);
    centreOnScreen(*this);
}

void AboutWindow::applyLanguage(Language language)
{
    setWindowTitle(caption("Apropos.title", language));
}

void AboutWindow::btnOK_Click()
{
    hide();
}

} // namespace velmora
