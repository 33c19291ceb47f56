// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "twips.h"

#include <QFont>
#include <QRectF>

// What the lesson's printed pages share: lengths in millimetres at the resolution they are drawn
// at, and the lesson's face in points, whatever the scale of the screen.
namespace Paper {

// Dots per inch of the drawing, fine enough for hair lines.
constexpr int Resolution = 720;

inline double mm(double millimetres)
{
    return millimetres * Resolution / 25.4;
}

inline QRectF mmRect(double left, double top, double width, double height)
{
    return QRectF(mm(left), mm(top), mm(width), mm(height));
}

inline QFont face(double points, bool bold = false)
{
    QFont font = Twips::font(Twips::Face::Arial, points, bold);
    font.setPointSizeF(points);
    return font;
}

} // namespace Paper
