// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pictures.h"

#include <QLoggingCategory>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcPictures, "velmora.pictures")

namespace velmora {

namespace {

constexpr int kLargestScale = 3;

QPixmap loadMark(Mark mark, int scale)
{
    if (mark == Mark::None)
        return {};
    const QString name = mark == Mark::Cross ? QStringLiteral("cross") : QStringLiteral("nought");
    const QString suffix = scale > 1 ? QStringLiteral("@%1x").arg(scale) : QString();
    QPixmap picture(QStringLiteral(":/images/%1%2.jpg").arg(name, suffix));
    if (picture.isNull())
        qCWarning(lcPictures) << "the built-in picture" << name << suffix << "cannot be read";
    picture.setDevicePixelRatio(scale);
    return picture;
}

} // namespace

QPixmap markPixmap(Mark mark, qreal devicePixelRatio)
{
    // A ratio of 1.25 takes the double picture and lets the painter shrink
    // it: shrinking keeps the strokes sharp where enlarging would blur them.
    const double wanted = std::isfinite(devicePixelRatio) ? std::ceil(devicePixelRatio - 0.01) : 1.0;
    return loadMark(mark, static_cast<int>(std::clamp(wanted, 1.0, double(kLargestScale))));
}

QPixmap largestMarkPixmap(Mark mark)
{
    return loadMark(mark, kLargestScale);
}

QIcon boardIcon()
{
    return QIcon::fromTheme(QStringLiteral("org.velmora.Velmora"), QIcon(QStringLiteral(":/images/board.ico")));
}

QIcon aboutIcon()
{
    return QIcon(QStringLiteral(":/images/about.ico"));
}

} // namespace velmora
