// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsgraph.h"

#include "lessonstyle.h"
#include "twips.h"

#include <QBuffer>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

const QColor Ink(0x1f, 0x4e, 0x9c);
const QColor Words(0x40, 0x40, 0x44);
const QColor Grid(0xd8, 0xd8, 0xd8);
const QColor AxisLine(0xd6, 0xd6, 0xd6);
const QColor Frame(0x9f, 0x9f, 0x9f);

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
double drawable(double v)
{
    constexpr double limit = 1e6;
    return std::isnan(v) ? 0 : std::clamp(v, -limit, limit);
}

QString number(double value)
{
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

// What a division of a scale is labelled: its value, as a whole number.
QString divisionLabel(double value)
{
    return QString::number(std::lround(value));
}

// Which edge a value lies beyond: 1 above the scale, -1 below it, 0 on it.
int offScale(double y, const ResultsGraph::Scale &scale)
{
    return y > scale.maximum ? 1 : y < scale.minimum ? -1 : 0;
}

// The height of a text's box: whole pixels above and below the baseline, and the margins.
double boxHeight(const QFontMetricsF &metrics)
{
    return std::ceil(metrics.ascent()) + std::ceil(metrics.descent()) + 2 * TextMargin;
}

// A text drawn from the top left of its box, as given: a tab shows as a blank.
void drawTextAt(QPainter &p, const QPointF &boxTopLeft, const QFontMetricsF &metrics, const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1Char('\t'), QLatin1Char(' '));
    p.drawText(QPointF(boxTopLeft.x() + TextMargin, boxTopLeft.y() + TextMargin + metrics.ascent()), shown);
}

} // namespace

struct ResultsGraph::Layout {
    QFont titleFont, axisTitleFont, labelFont, valueFont;
    QRectF plot;
    QString title;
    QPointF titleAt;
    double labelHeight = 0;
    double axisTitleHeight = 0;
    double left = 0; // where the axis titles' boxes start
};

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

// The sizes of what marks a point: the disc, the arrow head of one off the scale and the gap to its
// value, and the joining line's width.
struct ResultsGraph::Marks {
    double disc = Twips::px(120);
    double arrowWidth = Twips::px(180);
    double arrowHeight = Twips::px(150);
    double gap = Twips::px(30);
    int line = std::max(1, Twips::px(30));
};

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
            values << tr("%1 %2 (above the graph)").arg(year, number(p.y()));
        else if (offScale(p.y(), m_y) < 0)
            values << tr("%1 %2 (below the graph)").arg(year, number(p.y()));
        else
            values << QStringLiteral("%1 %2").arg(year, number(p.y()));
    }
    setAccessibleDescription(values.isEmpty() ? tr("No points") : values.join(QStringLiteral(", ")));
}
