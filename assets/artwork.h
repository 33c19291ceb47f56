// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QString>

// Where pictures once drawn are kept for the next start (the kept pictures in the pupil's cache
// folder, which start-up hands over); without one, every start draws its pictures.
class PictureCache {
public:
    virtual ~PictureCache() = default;
    // The picture kept under this name, drawn from this SVG text at this size, or a null image.
    virtual QImage drawnBefore(const QString &name, QByteArrayView svg, const QSize &pixels) const = 0;
    // Keeps a picture drawn from this SVG text, in QImage::Format_ARGB32_Premultiplied.
    virtual void keepDrawn(const QString &name, QByteArrayView svg, const QImage &image) const = 0;
};

// The lesson's pictures are SVG files built into the program. Each is rendered at the pixel size
// of the control that shows it (times the display's pixel ratio), so it stays sharp at any scale,
// and kept by the picture store, when there is one, for the next start.
namespace Artwork {
Q_NAMESPACE

// Every picture of the lesson, one for each file under assets/: a picture is named by its
// constant, so one that does not exist cannot be asked for.
enum class Picture {
    Burrow,
    Calendar,
    CartoonRabbit,
    Fox,
    FoxMarked,
    FoxUp,
    Icon,
    PracticeRabbit,
    Question,
    RabbitHead,
    RabbitMarked,
    RabbitOnGrass,
    RabbitUp,
    Ring,
    Speaker,
    Stop,
};
Q_ENUM_NS(Picture)

// The picture's file name under assets/ without ".svg", for example "rabbit_on_grass".
QString name(Picture picture);
QString path(Picture picture);
QPixmap pixmap(Picture picture, const QSize &size);
// Pictures drawn from now on are looked for in, and kept by, this store (nullptr: none).
void keepPicturesIn(const PictureCache *store);

} // namespace Artwork

using Artwork::Picture;
