// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsgraph.h"

#include "lessonstyle.h"
#include "twips.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QGraphicsEllipseItem>
#include <QGraphicsLayout>
#include <QGraphicsPolygonItem>
#include <QGraphicsSimpleTextItem>
#include <QGuiApplication>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace {

const QColor Ink(0x1f, 0x4e, 0x9c);

// The drawing code works in floats; values far outside the plot are brought within a range it
// handles safely. A point that far out is off the plot either way, and the line still leaves the
// plot in the right direction.
QPointF drawable(const QPointF &p)
{
    constexpr double limit = 1e6;
    return {std::clamp(p.x(), -limit, limit), std::clamp(p.y(), -limit, limit)};
}

void setUpAxis(QValueAxis *axis, const ResultsGraph::Scale &scale)
{
    axis->setRange(scale.minimum, scale.maximum);
    axis->setTickCount(scale.divisions + 1);
    axis->setTitleText(scale.title);
}

ResultsGraph::Scale scaleOf(const QValueAxis *axis)
{
    return {axis->min(), axis->max(), axis->tickCount() - 1, axis->titleText()};
}

// The chart draws its title as rich text, in which "<" opens a tag, "&" an entity and a run of
// blanks is one blank. Escaped, with every blank a non-breaking one, the text shows as it is.
QString asRichText(const QString &text)
{
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
    html.replace(QLatin1Char('\t'), QStringLiteral("&nbsp;"));
    return html;
}

// The lesson's focus ring round the chart, over it, while the chart has the focus from the keyboard.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget *chart) : QWidget(chart)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        chart->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            update();
        return false;
    }
    void paintEvent(QPaintEvent *) override
    {
        QWidget *chart = parentWidget();
        if (!chart->hasFocus() || !chart->window()->testAttribute(Qt::WA_KeyboardFocusChange))
            return;
        QPainter painter(this);
        LessonStyle::drawFocusRing(&painter, rect());
    }
};

QString number(double value)
{
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

ResultsGraph::ResultsGraph(QWidget *parent)
    : QWidget(parent), m_view(new QChartView(this)), m_chart(new QChart), m_points(new QScatterSeries),
      m_line(new QLineSeries), m_x(new QValueAxis), m_y(new QValueAxis)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    m_view->setChart(m_chart);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setFrameShape(QFrame::Box);
    m_view->setFocusPolicy(Qt::TabFocus);
    m_view->setAccessibleName(tr("Graph of rabbits counted each year"));
    setFocusProxy(m_view);
    m_ring = new FocusRing(m_view);

    m_chart->legend()->hide();
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(Twips::px(60), Twips::px(90), Twips::px(120), Twips::px(30)));
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_chart->setTitleFont(Twips::font(Twips::Face::Arial, 12, true));

    const QFont axisTitle = Twips::font(Twips::Face::Arial, 9, true);
    const QFont axisLabels = Twips::font(Twips::Face::Arial, 8);
    for (QValueAxis *axis : {m_x, m_y}) {
        axis->setTitleFont(axisTitle);
        axis->setLabelsFont(axisLabels);
        axis->setLabelFormat(QStringLiteral("%.0f"));
        axis->setGridLineColor(QColor(0xd8, 0xd8, 0xd8));
    }
    m_chart->addAxis(m_x, Qt::AlignBottom);
    m_chart->addAxis(m_y, Qt::AlignLeft);

    // The line lies under the markers, so each point shows whole whether joined or not.
    QPen pen(Ink);
    pen.setWidthF(std::max(1.0, Twips::px(30) * 1.0));
    m_line->setPen(pen);
    m_line->setVisible(false);
    m_points->setColor(Qt::transparent);
    m_points->setBorderColor(Qt::transparent);
    for (QXYSeries *series : std::initializer_list<QXYSeries *>{m_line, m_points}) {
        m_chart->addSeries(series);
        series->attachAxis(m_x);
        series->attachAxis(m_y);
    }
    connect(m_chart, &QChart::plotAreaChanged, this, &ResultsGraph::placeMarkers);
    describe();
}

ResultsGraph::~ResultsGraph() = default;

void ResultsGraph::setScales(const Scale &x, const Scale &y)
{
    setUpAxis(m_x, x);
    setUpAxis(m_y, y);
}

ResultsGraph::Scale ResultsGraph::xScale() const
{
    return scaleOf(m_x);
}
ResultsGraph::Scale ResultsGraph::yScale() const
{
    return scaleOf(m_y);
}

void ResultsGraph::setPoints(const QList<QPointF> &points)
{
    m_given = points;
    // A point off the scale is drawn at the edge it lies beyond, where the joining line runs to it.
    const double low = m_y->min();
    const double high = m_y->max();
    QList<QPointF> shown;
    shown.reserve(points.size());
    for (const QPointF &p : points)
        shown.append(QPointF(drawable(p).x(), std::clamp(p.y(), low, high)));
    m_points->replace(shown);
    m_line->replace(shown);
    while (m_markers.size() < shown.size()) {
        const double size = Twips::px(120);
        Marker marker;
        marker.point = new QGraphicsEllipseItem(-size / 2, -size / 2, size, size, m_chart);
        marker.point->setBrush(Ink);
        marker.point->setPen(QPen(Qt::white, 1));
        marker.arrow = new QGraphicsPolygonItem(m_chart);
        marker.arrow->setBrush(Ink);
        marker.arrow->setPen(QPen(Qt::white, 1));
        marker.value = new QGraphicsSimpleTextItem(m_chart);
        marker.value->setFont(Twips::font(Twips::Face::Arial, 8, true));
        marker.value->setBrush(Ink);
        for (QGraphicsItem *item : std::initializer_list<QGraphicsItem *>{marker.point, marker.arrow, marker.value})
            item->setZValue(1000);
        m_markers.append(marker);
    }
    while (m_markers.size() > shown.size()) {
        const Marker marker = m_markers.takeLast();
        delete marker.point;
        delete marker.arrow;
        delete marker.value;
    }
    placeMarkers();
    describe();
}

QList<QPointF> ResultsGraph::points() const
{
    return m_given;
}

int ResultsGraph::markersShown() const
{
    return int(std::count_if(m_markers.cbegin(), m_markers.cend(),
                             [](const Marker &m) { return m.point->isVisible() || m.arrow->isVisible(); }));
}

int ResultsGraph::offScaleMarkersShown() const
{
    return int(
        std::count_if(m_markers.cbegin(), m_markers.cend(), [](const Marker &m) { return m.arrow->isVisible(); }));
}

// A point on the scales shows as a disc. One above the top (or below the bottom) shows as an arrow
// head on that edge pointing out of the graph, with its value beside it, on the side towards the
// middle of the graph so that it is never cut off.
void ResultsGraph::placeMarkers()
{
    const QRectF plot = m_chart->plotArea();
    const QList<QPointF> shown = m_points->points();
    const double width = Twips::px(180);
    const double height = Twips::px(150);
    for (qsizetype i = 0; i < m_markers.size() && i < shown.size() && i < m_given.size(); ++i) {
        const Marker &marker = m_markers[i];
        const QPointF at = m_chart->mapToPosition(shown[i], m_points);
        const double y = m_given[i].y();
        const int out = y > m_y->max() ? 1 : y < m_y->min() ? -1 : 0;
        const bool inside = plot.adjusted(-0.5, -0.5, 0.5, 0.5).contains(at);
        marker.point->setPos(at);
        marker.point->setVisible(inside && out == 0);
        marker.arrow->setVisible(inside && out != 0);
        marker.value->setVisible(inside && out != 0);
        if (out == 0 || !inside)
            continue;
        // The tip on the edge, the base inside the graph.
        const double base = out > 0 ? height : -height;
        marker.arrow->setPolygon(QPolygonF{QPointF(0, 0), QPointF(-width / 2, base), QPointF(width / 2, base)});
        marker.arrow->setPos(at);
        marker.value->setText(number(y));
        const QRectF text = marker.value->boundingRect();
        const bool leftOfArrow = at.x() > plot.center().x();
        const double left =
            leftOfArrow ? at.x() - width / 2 - Twips::px(30) - text.width() : at.x() + width / 2 + Twips::px(30);
        const double top = out > 0 ? at.y() : at.y() - text.height();
        marker.value->setPos(left, top);
    }
}

void ResultsGraph::setJoined(bool joined)
{
    m_line->setVisible(joined);
}

bool ResultsGraph::joined() const
{
    return m_line->isVisible();
}

void ResultsGraph::setTitle(const QString &title)
{
    m_title = title;
    m_chart->setTitle(asRichText(title));
}

QString ResultsGraph::title() const
{
    return m_title;
}

QImage ResultsGraph::image() const
{
    // The graph, without the focus ring round it.
    m_ring->hide();
    const QImage picture = m_view->grab().toImage();
    m_ring->show();
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
    for (const QPointF &p : std::as_const(m_given)) {
        const QString year = p.x() == 0 ? tr("Start") : number(p.x());
        if (p.y() > m_y->max())
            values << tr("%1 %2 (above the graph)").arg(year, number(p.y()));
        else if (p.y() < m_y->min())
            values << tr("%1 %2 (below the graph)").arg(year, number(p.y()));
        else
            values << QStringLiteral("%1 %2").arg(year, number(p.y()));
    }
    m_view->setAccessibleDescription(values.isEmpty() ? tr("No points") : values.join(QStringLiteral(", ")));
}
