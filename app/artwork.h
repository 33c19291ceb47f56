// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

// The lesson's pictures are SVG files built into the program. Each is rendered at the pixel size
// of the control that shows it (times the display's pixel ratio), so it stays sharp at any scale.
namespace Artwork {

// name: the file name under assets/ without ".svg", for example "rabbit_on_grass".
QPixmap pixmap(const QString &name, const QSize &size);
QString path(const QString &name);

} // namespace Artwork
