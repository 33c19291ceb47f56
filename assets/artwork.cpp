// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QResource>

namespace Artwork {

namespace {
const PictureCache *store = nullptr;
} // namespace

void keepPicturesIn(const PictureCache *kept)
{
    store = kept;
}

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

    // Drawing a picture costs far more than reading back the pixels an earlier start drew.
    const QSize pixels = size * ratio;
    const QResource resource(path(picture));
    const QByteArrayView svg(reinterpret_cast<const char *>(resource.data()), resource.size());
    QImage image = store ? store->drawnBefore(name(picture), svg, pixels) : QImage();
    if (image.isNull() && !pixels.isEmpty()) {
        // Qt's SVG image format draws it, loaded only when a picture has to be drawn: a start that
        // finds all its pictures kept does without the SVG library.
        QImageReader reader(path(picture), "svg");
        reader.setScaledSize(pixels);
        image = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.size() == pixels) {
            if (store)
                store->keepDrawn(name(picture), svg, image);
        } else {
            qWarning("Lapinar: the picture %s could not be drawn: %s", qPrintable(name(picture)),
                     qPrintable(reader.errorString()));
            image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
        }
    }
    QPixmap rendered = QPixmap::fromImage(std::move(image));
    rendered.setDevicePixelRatio(ratio);
    cache.insert(key, rendered);
    return rendered;
}

} // namespace Artwork
