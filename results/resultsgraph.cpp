// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsgraph.h"

#include "lessonstyle.h"
#include "resultsgraphparts.h"
#include "twips.h"

#include <QBuffer>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <algorithm>
#include <cmath>

using namespace GraphDrawing;

ResultsGraph::ResultsGraph(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Graph of rabbits counted each year"));
    describe();
}

ResultsGraph::~ResultsGraph() = default;

void ResultsGraph::setScales(const Scale &x, const Scale &y)
{
    m_x = x;
    m_y = y;
    m_x.divisions = std::max(1, m_x.divisions);
    m_y.divisions = std::max(1, m_y.divisions);
    update();
    describe();
}

ResultsGraph::Layout ResultsGraph::layout() const
{
    Layout l;
    l.titleFont = Twips::font(Twips::Face::Arial, 12, true);
    l.axisTitleFont = Twips::font(Twips::Face::Arial, 9, true);
    l.labelFont = Twips::font(Twips::Face::Arial, 8);
    l.valueFont = Twips::font(Twips::Face::Arial, 8, true);
    const QFontMetricsF titleMetrics(l.titleFont);
    const QFontMetricsF axisTitleMetrics(l.axisTitleFont);
    const QFontMetricsF labelMetrics(l.labelFont);
    const auto labelWidth = [&](const QString &t) { return labelMetrics.horizontalAdvance(t) + 2 * TextMargin; };

    const double marginLeft = Twips::px(60);
    const double marginTop = Twips::px(90);
    const double marginRight = Twips::px(120);
    const double marginBottom = Twips::px(30);
    const double titleHeight = boxHeight(titleMetrics);
    l.labelHeight = boxHeight(labelMetrics);
    l.axisTitleHeight = boxHeight(axisTitleMetrics);

    double widestLabel = 0;
    for (int i = 0; i <= m_y.divisions; ++i)
        widestLabel = std::max(
            widestLabel, labelWidth(divisionLabel(m_y.minimum + (m_y.maximum - m_y.minimum) * i / m_y.divisions)));
    const double lastLabel = labelWidth(divisionLabel(m_x.maximum));

    // The title across the room between the side margins; the plot below it.
    const double titleRoom = width() - marginLeft - marginRight;
    l.title = titleMetrics.elidedText(m_title, Qt::ElideRight, std::max(0.0, titleRoom - 2 * TextMargin));
    const double titleWidth = titleMetrics.horizontalAdvance(l.title) + 2 * TextMargin;
    l.titleAt = QPointF(Inset + std::round(width() / 2.0 - Twips::scale() * 2 - titleWidth / 2), Inset + marginTop);

    l.left = Inset + marginLeft + 2;
    const double top = Inset + marginTop + (m_title.isEmpty() ? 0 : titleHeight + TitleGap) + l.labelHeight / 2;
    const double left = l.left + l.axisTitleHeight + LabelGap + widestLabel + Tick;
    const double right = Inset + width() - marginRight - lastLabel / 2 - 1.5 * Twips::scale();
    const double bottom = Inset + height() - 2 - marginBottom - l.axisTitleHeight - AxisTitleGap - l.labelHeight - Tick;
    l.plot = QRectF(QPointF(left, top), QPointF(std::max(left + 1, right), std::max(top + 1, bottom)));
    return l;
}

QRectF ResultsGraph::plotArea() const
{
    return layout().plot;
}

QPointF ResultsGraph::position(const QPointF &value) const
{
    return placed(plotArea(), value);
}

QPointF ResultsGraph::placed(const QRectF &plot, const QPointF &value) const
{
    const double x = drawable(value.x());
    const double y = std::clamp(drawable(value.y()), m_y.minimum, m_y.maximum);
    return {plot.left() + (x - m_x.minimum) / (m_x.maximum - m_x.minimum) * plot.width(),
            plot.bottom() - (y - m_y.minimum) / (m_y.maximum - m_y.minimum) * plot.height()};
}

QRectF ResultsGraph::valueBox(const Layout &l, const QPointF &tip, int out, const QString &value) const
{
    const Marks m;
    const QFontMetricsF valueMetrics(l.valueFont);
    const double w = valueMetrics.horizontalAdvance(value);
    const double left =
        tip.x() > l.plot.center().x() ? tip.x() - m.arrowWidth / 2 - m.gap - w : tip.x() + m.arrowWidth / 2 + m.gap;
    const double top = out > 0 ? tip.y() : tip.y() - (boxHeight(valueMetrics) - 2 * TextMargin);
    return QRectF(left, top, w, boxHeight(valueMetrics));
}

QRect ResultsGraph::pointsArea() const
{
    if (m_points.isEmpty() || width() <= 0 || height() <= 0)
        return QRect();
    const Layout l = layout();
    const Marks m;
    const QRectF inside = l.plot.adjusted(-0.5, -0.5, 0.5, 0.5);
    // Every point with room for the line's square ends and for its marker; the line between two
    // points lies within the box round them.
    const double reach = std::max({double(m.line), m.disc / 2, m.arrowWidth / 2, m.arrowHeight}) + 1;
    QRectF area;
    for (const QPointF &v : m_points) {
        const QPointF at = placed(l.plot, v);
        area |= QRectF(at - QPointF(reach, reach), at + QPointF(reach, reach));
        if (const int out = offScale(v.y(), m_y); out != 0 && inside.contains(at))
            area |= valueBox(l, at, out, number(v.y()));
    }
    // Whole pixels, with a pixel more for the edges the antialiasing softens.
    return area.toAlignedRect().adjusted(-2, -2, 2, 2) & rect();
}

void ResultsGraph::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paint(p);
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange))
        LessonStyle::drawFocusRing(&p, rect());
}

void ResultsGraph::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    updateRing();
}

void ResultsGraph::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    updateRing();
}

// The focus ring lies along the edges: only they are drawn again.
void ResultsGraph::updateRing()
{
    const int ring = LessonStyle::focusRingWidth();
    update(QRegion(rect()).subtracted(rect().adjusted(ring, ring, -ring, -ring)));
}

// A new table or the join toggle draws again only where the points and the line were and are.
void ResultsGraph::setPoints(const QList<QPointF> &points)
{
    const QRect before = pointsArea();
    m_points = points;
    update(before | pointsArea());
    describe();
}

int ResultsGraph::markersShown() const
{
    const QRectF inside = plotArea().adjusted(-0.5, -0.5, 0.5, 0.5);
    return int(std::count_if(m_points.cbegin(), m_points.cend(),
                             [&](const QPointF &v) { return inside.contains(position(v)); }));
}

int ResultsGraph::offScaleMarkersShown() const
{
    const QRectF inside = plotArea().adjusted(-0.5, -0.5, 0.5, 0.5);
    return int(std::count_if(m_points.cbegin(), m_points.cend(), [&](const QPointF &v) {
        return offScale(v.y(), m_y) != 0 && inside.contains(position(v));
    }));
}

void ResultsGraph::setJoined(bool joined)
{
    if (joined == m_joined)
        return;
    m_joined = joined;
    update(pointsArea());
}

void ResultsGraph::setTitle(const QString &title)
{
    m_title = title;
    update();
}

QString ResultsGraph::shownTitle() const
{
    return m_title.isEmpty() ? QString() : layout().title;
}

QImage ResultsGraph::image() const
{
    const qreal ratio = devicePixelRatioF();
    QImage picture(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    QPainter p(&picture);
    paint(p);
    return picture;
}

void ResultsGraph::copyToClipboard() const
{
    // A Wayland compositor that keeps a copy for after the lesson has quit keeps only the first
    // type offered; a PNG is what other programs paste, Qt's own image type only Qt programs.
    const QImage picture = image();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    auto *data = new QMimeData;
    data->setData(QStringLiteral("image/png"), png);
    data->setImageData(picture);
    QGuiApplication::clipboard()->setMimeData(data);
}

// A screen reader user hears the points drawn, each as the table names its year ("Start" for
// year 0) and the number: "Start 10, 1 14, 2 20".
void ResultsGraph::describe()
{
    QStringList values;
    for (const QPointF &p : std::as_const(m_points)) {
        const QString year = p.x() == 0 ? tr("Start") : number(p.x());
        if (offScale(p.y(), m_y) > 0)
            //: Spoken: a point of the pupil's graph above its top; %1 is the year ("Start" or a number), %2 the number
            //: of rabbits.
            values << tr("%1 %2 (above the graph)").arg(year, number(p.y()));
        else if (offScale(p.y(), m_y) < 0)
            //: Spoken: a point of the pupil's graph below its bottom; %1 is the year ("Start" or a number), %2 the
            //: number of rabbits.
            values << tr("%1 %2 (below the graph)").arg(year, number(p.y()));
        else
            values << QStringLiteral("%1 %2").arg(year, number(p.y()));
    }
    setAccessibleDescription(values.isEmpty() ? tr("No points") : values.join(QStringLiteral(", ")));
}
