// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the results graph's layout and its painting share: the sizes of its parts and the rules by
// which values become texts and places. For resultsgraph*.cpp alone.
#include "resultsgraph.h"
#include "twips.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace GraphDrawing {

// The face starts inside the frame and a pixel of white.
constexpr double Inset = 2;
// Room round a text: its box is a pixel wider and taller than the text on every side.
constexpr double TextMargin = 1;
// The ticks' length, and the gaps between the ticks, the numbers and the axis titles.
constexpr double Tick = 4;
constexpr double TitleGap = 1;
constexpr double AxisTitleGap = 3;
constexpr double LabelGap = 4;

// Values far outside the graph are brought within a range the drawing handles safely; a point
// that far out is off the graph either way.
inline double drawable(double v)
{
    constexpr double limit = 1e6;
    return std::isnan(v) ? 0 : std::clamp(v, -limit, limit);
}

inline QString number(double value)
{
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

// What a division of a scale is labelled: its value, as a whole number.
inline QString divisionLabel(double value)
{
    return QString::number(std::lround(value));
}

// Which edge a value lies beyond: 1 above the scale, -1 below it, 0 on it.
inline int offScale(double y, const ResultsGraph::Scale &scale)
{
    return y > scale.maximum ? 1 : y < scale.minimum ? -1 : 0;
}

// The height of a text's box: whole pixels above and below the baseline, and the margins.
inline double boxHeight(const QFontMetricsF &metrics)
{
    return std::ceil(metrics.ascent()) + std::ceil(metrics.descent()) + 2 * TextMargin;
}

} // namespace GraphDrawing

struct ResultsGraph::Layout {
    QFont titleFont, axisTitleFont, labelFont, valueFont;
    QRectF plot;
    QString title;
    QPointF titleAt;
    double labelHeight = 0;
    double axisTitleHeight = 0;
    double left = 0; // where the axis titles' boxes start
};

// The sizes of what marks a point: the disc, the arrow head of one off the scale and the gap to its
// value, and the joining line's width.
struct ResultsGraph::Marks {
    double disc = Twips::px(120);
    double arrowWidth = Twips::px(180);
    double arrowHeight = Twips::px(150);
    double gap = Twips::px(30);
    int line = std::max(1, Twips::px(30));
};
