// SPDX-License-Identifier: GPL-3.0-or-later
// The results graph's painting: the frame, grid and texts drawn once into a picture of their own
// and painted from its rows, and the points and line over them.
#include "resultsgraphparts.h"

#include <QPainter>
#include <cstring>

using namespace GraphDrawing;

namespace {

const QColor Ink(0x1f, 0x4e, 0x9c);
const QColor Words(0x40, 0x40, 0x44);
const QColor Grid(0xd8, 0xd8, 0xd8);
const QColor AxisLine(0xd6, 0xd6, 0xd6);
const QColor Frame(0x9f, 0x9f, 0x9f);

// A text drawn from the top left of its box, as given: a tab shows as a blank.
void drawTextAt(QPainter &p, const QPointF &boxTopLeft, const QFontMetricsF &metrics, const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1Char('\t'), QLatin1Char(' '));
    p.drawText(QPointF(boxTopLeft.x() + TextMargin, boxTopLeft.y() + TextMargin + metrics.ascent()), shown);
}

} // namespace

void ResultsGraph::paint(QPainter &p) const
{
    // What changes only with the size, the scales and the title is drawn once into a picture of
    // its own: large texts are drawn glyph by glyph as outlines, which takes milliseconds at a
    // large scale, and a new table or the join toggle redraws only the points and the line.
    const qreal ratio = p.device()->devicePixelRatioF();
    const QString key = QStringLiteral("%1x%2@%3,%4|%5|%6 %7 %8|%9 %10 %11|%12|%13")
                            .arg(width())
                            .arg(height())
                            .arg(ratio)
                            .arg(Twips::scale())
                            .arg(m_title)
                            .arg(m_x.minimum)
                            .arg(m_x.maximum)
                            .arg(m_x.divisions)
                            .arg(m_y.minimum)
                            .arg(m_y.maximum)
                            .arg(m_y.divisions)
                            .arg(m_x.title, m_y.title);
    if (key != m_backgroundKey || m_background.isNull() || !m_layout) {
        m_layout = std::make_unique<Layout>(layout());
        const Layout &l = *m_layout;
        m_background = QImage(size() * ratio, QImage::Format_RGB32);
        m_background.setDevicePixelRatio(ratio);
        QPainter background(&m_background);
        paintBackground(background, l);
        background.end();
        m_backgroundKey = key;
        m_pieces.clear();
        // Left of the plot the numbers make rows differ; across the plot most rows repeat.
        const int split = std::clamp(int(std::floor((l.plot.left() - Tick) * ratio)) - 2, 0, m_background.width());
        for (const QRect &strip : {QRect(0, 0, split, m_background.height()),
                                   QRect(split, 0, m_background.width() - split, m_background.height())})
            cutIntoPieces(strip);
    }
    if (ratio != 1.0) {
        p.drawImage(QPointF(0, 0), m_background);
    } else {
        for (const Piece &piece : std::as_const(m_pieces)) {
            if (piece.alike.isNull()) {
                p.drawImage(piece.rect, m_background, piece.rect);
            } else {
                p.setBrushOrigin(piece.rect.topLeft());
                p.fillRect(piece.rect, QBrush(piece.alike));
            }
        }
        p.setBrushOrigin(0, 0);
    }
    paintPoints(p, *m_layout);
}

void ResultsGraph::cutIntoPieces(const QRect &strip) const
{
    if (strip.isEmpty())
        return;
    constexpr int Repeated = 8; // rows alike from which one row is read for all
    const qsizetype bytes = qsizetype(strip.width()) * 4;
    const auto row = [&](int y) { return m_background.constScanLine(y) + qsizetype(strip.left()) * 4; };
    int copyFrom = strip.top(); // the first row not yet in a piece
    for (int y = strip.top(); y <= strip.bottom();) {
        int end = y + 1;
        while (end <= strip.bottom() && std::memcmp(row(end), row(y), size_t(bytes)) == 0)
            ++end;
        if (end - y >= Repeated) {
            if (copyFrom < y)
                m_pieces.append({QRect(strip.left(), copyFrom, strip.width(), y - copyFrom), QImage()});
            m_pieces.append(
                {QRect(strip.left(), y, strip.width(), end - y), m_background.copy(strip.left(), y, strip.width(), 1)});
            copyFrom = end;
        }
        y = end;
    }
    if (copyFrom <= strip.bottom())
        m_pieces.append({QRect(strip.left(), copyFrom, strip.width(), strip.bottom() + 1 - copyFrom), QImage()});
}

void ResultsGraph::paintBackground(QPainter &p, const Layout &l) const
{
    const QRectF plot = l.plot;
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Frame);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(0, 0, width() - 2, height() - 2));
    p.setRenderHint(QPainter::Antialiasing, true);

    // The grid, a line at every division, and the axes with their ticks.
    const auto xAt = [&](int i) { return plot.left() + plot.width() * i / m_x.divisions; };
    const auto yAt = [&](int j) { return plot.bottom() - plot.height() * j / m_y.divisions; };
    p.setPen(QPen(Grid, 1));
    for (int i = 0; i <= m_x.divisions; ++i)
        p.drawLine(QPointF(xAt(i), plot.top()), QPointF(xAt(i), plot.bottom()));
    for (int j = 0; j <= m_y.divisions; ++j)
        p.drawLine(QPointF(plot.left(), yAt(j)), QPointF(plot.right(), yAt(j)));
    const double axisX = std::floor(plot.left() - Inset) + Inset;
    p.setPen(QPen(AxisLine, 1));
    p.drawLine(QPointF(axisX, plot.top()), QPointF(axisX, plot.bottom()));
    p.drawLine(QPointF(plot.left(), plot.bottom()), QPointF(plot.right(), plot.bottom()));
    for (int i = 0; i <= m_x.divisions; ++i)
        p.drawLine(QPointF(xAt(i), plot.bottom()), QPointF(xAt(i), plot.bottom() + Tick));
    for (int j = 0; j <= m_y.divisions; ++j)
        p.drawLine(QPointF(axisX - Tick, yAt(j)), QPointF(axisX, yAt(j)));

    // The numbers of the divisions, on whole pixels as a text is best drawn.
    const QFontMetricsF labelMetrics(l.labelFont);
    p.setFont(l.labelFont);
    p.setPen(Words);
    for (int i = 0; i <= m_x.divisions; ++i) {
        const QString label = divisionLabel(m_x.minimum + (m_x.maximum - m_x.minimum) * i / m_x.divisions);
        const double w = labelMetrics.horizontalAdvance(label) + 2 * TextMargin;
        drawTextAt(p, QPointF(std::round(xAt(i) - Inset - w / 2) + Inset, plot.bottom() + Tick), labelMetrics, label);
    }
    for (int j = 0; j <= m_y.divisions; ++j) {
        const QString label = divisionLabel(m_y.minimum + (m_y.maximum - m_y.minimum) * j / m_y.divisions);
        const double w = labelMetrics.horizontalAdvance(label) + 2 * TextMargin;
        drawTextAt(p,
                   QPointF(std::round(plot.left() - Inset - Tick - w) + Inset,
                           std::round(yAt(j) - Inset - l.labelHeight / 2) + Inset),
                   labelMetrics, label);
    }

    // The axis titles: across under the numbers, and up the left side.
    const QFontMetricsF axisTitleMetrics(l.axisTitleFont);
    p.setFont(l.axisTitleFont);
    const double xTitleWidth = axisTitleMetrics.horizontalAdvance(m_x.title) + 2 * TextMargin;
    drawTextAt(p, QPointF(plot.center().x() - xTitleWidth / 2, plot.bottom() + Tick + l.labelHeight + AxisTitleGap),
               axisTitleMetrics, m_x.title);
    const double yTitleWidth = axisTitleMetrics.horizontalAdvance(m_y.title) + 2 * TextMargin;
    p.save();
    p.translate(l.left, plot.center().y() + yTitleWidth / 2);
    p.rotate(-90);
    drawTextAt(p, QPointF(0, 0), axisTitleMetrics, m_y.title);
    p.restore();

    if (!m_title.isEmpty()) {
        p.setFont(l.titleFont);
        drawTextAt(p, l.titleAt, QFontMetricsF(l.titleFont), l.title);
    }
}

void ResultsGraph::paintPoints(QPainter &p, const Layout &l) const
{
    const QRectF plot = l.plot;
    const Marks m;
    p.setRenderHint(QPainter::Antialiasing, true);
    // The line under the markers, inside the plot.
    QList<QPointF> at;
    at.reserve(m_points.size());
    for (const QPointF &v : m_points)
        at << placed(plot, v);
    if (m_joined && at.size() > 1) {
        // Drawn a segment at a time, which the raster engine draws far faster than a joined path;
        // the segments' square ends overlap where they meet, and lie under the markers.
        p.setPen(QPen(Ink, m.line, Qt::SolidLine, Qt::SquareCap));
        QList<QLineF> segments;
        for (qsizetype i = 1; i < at.size(); ++i)
            segments << QLineF(at[i - 1], at[i]);
        p.drawLines(segments);
    }

    // A disc for a point on the scales; an arrow head on the edge, pointing out, and the value
    // beside it for one beyond them, on the side towards the middle so that it is never cut off.
    const QRectF inside = plot.adjusted(-0.5, -0.5, 0.5, 0.5);
    const QFontMetricsF valueMetrics(l.valueFont);
    p.setFont(l.valueFont);
    for (qsizetype i = 0; i < at.size(); ++i) {
        if (!inside.contains(at[i]))
            continue;
        const int out = offScale(m_points[i].y(), m_y);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Ink);
        if (out == 0) {
            p.drawEllipse(at[i], m.disc / 2, m.disc / 2);
            continue;
        }
        const double base = out > 0 ? m.arrowHeight : -m.arrowHeight;
        const QPointF tip = at[i];
        p.drawPolygon(QPolygonF{tip, tip + QPointF(-m.arrowWidth / 2, base), tip + QPointF(m.arrowWidth / 2, base)});
        const QString value = number(m_points[i].y());
        const QRectF box = valueBox(l, tip, out, value);
        p.setPen(Ink);
        p.drawText(QPointF(box.left(), box.top() + std::ceil(valueMetrics.ascent())), value);
    }
    p.setBrush(Qt::NoBrush);
}
