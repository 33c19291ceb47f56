// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace Artwork {

QString path(const QString &name)
{
    return QStringLiteral(":/pictures/%1.svg").arg(name);
}

QPixmap pixmap(const QString &name, const QSize &size)
{
    // Many holes show the same few pictures at one size: render each once.
    static QHash<QString, QPixmap> cache;
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const QString key = QStringLiteral("%1@%2x%3@%4").arg(name).arg(size.width()).arg(size.height()).arg(ratio);
    if (auto found = cache.constFind(key); found != cache.constEnd())
        return *found;

    QPixmap picture(size * ratio);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(path(name));
    Q_ASSERT_X(renderer.isValid(), "Artwork::pixmap", qPrintable(name));
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    picture.setDevicePixelRatio(ratio);
    cache.insert(key, picture);
    return picture;
}

} // namespace Artwork
