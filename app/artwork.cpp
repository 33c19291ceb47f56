// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace Artwork {

QString name(Picture picture)
{
    // No default: a picture added to the enum without its file here is a warning, which the
    // project's builds treat as an error.
    switch (picture) {
    case Picture::Burrow:
        return QStringLiteral("burrow");
    case Picture::Calendar:
        return QStringLiteral("calendar");
    case Picture::CartoonRabbit:
        return QStringLiteral("cartoon_rabbit");
    case Picture::Fox:
        return QStringLiteral("fox");
    case Picture::FoxMarked:
        return QStringLiteral("fox_marked");
    case Picture::FoxUp:
        return QStringLiteral("fox_up");
    case Picture::Icon:
        return QStringLiteral("icon");
    case Picture::PracticeRabbit:
        return QStringLiteral("practice_rabbit");
    case Picture::Question:
        return QStringLiteral("question");
    case Picture::RabbitHead:
        return QStringLiteral("rabbit_head");
    case Picture::RabbitMarked:
        return QStringLiteral("rabbit_marked");
    case Picture::RabbitOnGrass:
        return QStringLiteral("rabbit_on_grass");
    case Picture::RabbitUp:
        return QStringLiteral("rabbit_up");
    case Picture::Ring:
        return QStringLiteral("ring");
    case Picture::Speaker:
        return QStringLiteral("speaker");
    case Picture::Stop:
        return QStringLiteral("stop");
    }
    return QString();
}

QString path(Picture picture)
{
    return QStringLiteral(":/pictures/%1.svg").arg(name(picture));
}

QPixmap pixmap(Picture picture, const QSize &size)
{
    // Many holes show the same few pictures at one size: render each once.
    static QHash<QString, QPixmap> cache;
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const QString key = QStringLiteral("%1@%2x%3@%4").arg(int(picture)).arg(size.width()).arg(size.height()).arg(ratio);
    if (auto found = cache.constFind(key); found != cache.constEnd())
        return *found;

    QPixmap rendered(size * ratio);
    rendered.fill(Qt::transparent);
    QSvgRenderer renderer(path(picture));
    {
        QPainter painter(&rendered);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    rendered.setDevicePixelRatio(ratio);
    cache.insert(key, rendered);
    return rendered;
}

} // namespace Artwork
