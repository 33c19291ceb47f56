// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// Every position and size of the lesson is given in twips (1/1440 inch). One conversion turns twips
// into pixels: 15 twips to a pixel, times one lesson-wide scale. Fonts are sized in pixels from their
// point size at 96 dots per inch times the same scale, so the layout does not depend on the DPI the
// display reports.
namespace Twips {

double scale();
// Set once at start-up, before the first window is made.
void setScale(double scale);

// The lesson-wide scale for a display whose available area is given in pixels: a lesson screen,
// frame included, as large as fits within `margin` of it (a little of the desktop showing round the
// lesson by default), never below 1 (so exactly 1 on 640 x 480).
double scaleToFit(const QSize &available, double margin = 0.95);

int px(double twips);
QRect rect(double left, double top, double width, double height);
QSize size(double width, double height);
// Pixels back to twips (used where the lesson reads a window's size back).
double fromPx(int pixels);

enum class Face { MSSansSerif, Arial };
QFont font(Face face, double points, bool bold = false);

} // namespace Twips
