// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPixmap>
#include <QString>

// The lesson's pictures are SVG files built into the program. Each is rendered at the pixel size
// of the control that shows it (times the display's pixel ratio), so it stays sharp at any scale,
// and kept in the user's cache folder for the next start (KeptPictures).
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

} // namespace Artwork

using Artwork::Picture;
