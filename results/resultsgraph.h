// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>

class QChart;
class QChartView;
class QGraphicsEllipseItem;
class QGraphicsPolygonItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

// The results graph: one series of points on an XY chart with fixed scales, shown as markers with
// or without a line joining them in order, under a title, and copied to the clipboard as the
// picture that shows. The results screen uses only these operations, so the chart library behind
// them (Qt Charts today) can be swapped without touching the screen.
class ResultsGraph : public QWidget {
    Q_OBJECT
public:
    // One axis: its fixed range, how many equal divisions it shows, and its title.
    struct Scale {
        double minimum = 0;
        double maximum = 1;
        int divisions = 1;
        QString title;
        bool operator==(const Scale &) const = default;
    };

    explicit ResultsGraph(QWidget *parent = nullptr);
    ~ResultsGraph() override;

    // Fixes both scales; no data changes them afterwards.
    void setScales(const Scale &x, const Scale &y);
    // The scales as the chart really has them.
    Scale xScale() const;
    Scale yScale() const;

    // The points, in the order the joining line takes them. Every point shows as a marker; a point
    // above the scale shows on the top edge, one below it on the bottom edge, as an arrow head
    // pointing out of the graph with its value beside it, and the joining line runs to it there.
    void setPoints(const QList<QPointF> &points);
    QList<QPointF> points() const;
    // How many markers show now, and how many of those are the arrow heads of points off the scale.
    int markersShown() const;
    int offScaleMarkersShown() const;

    void setJoined(bool joined);
    bool joined() const;

    // The title shows exactly as given: every character, blanks and all, never read as markup.
    void setTitle(const QString &title);
    QString title() const;

    // The graph as it shows now, and the same picture put on the system clipboard.
    QImage image() const;
    void copyToClipboard() const;

private:
    void describe();
    void placeMarkers();

    QChartView *m_view;
    QWidget *m_ring;
    QChart *m_chart;
    // Holds the points and places them; its own markers are not drawn, since the chart clips them
    // at the plot's edges and a point at 0 rabbits or in the last year would show only half.
    QScatterSeries *m_points;
    struct Marker {
        QGraphicsEllipseItem *point;
        QGraphicsPolygonItem *arrow;
        QGraphicsSimpleTextItem *value;
    };
    QList<Marker> m_markers;
    QLineSeries *m_line;
    QValueAxis *m_x;
    QValueAxis *m_y;
    QString m_title;
    // The points as given, before those far off the plot were brought within drawing range.
    QList<QPointF> m_given;
};
