// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <memory>

class QPainter;

// The results graph: one series of points on fixed scales, shown as markers with or without a line
// joining them in order, under a title, and copied to the clipboard as the picture that shows. It
// draws itself, from its points, at the lesson's scale; the results screen uses only these
// operations.
//
// The look: a white face in a thin grey frame; the title centred at the top (left out, with its
// room, while empty); the plot with a light grid line at every division, the divisions' numbers
// left of it and under it, the axis titles beside them; blue discs for the points, the line under
// them.
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
    Scale xScale() const { return m_x; }
    Scale yScale() const { return m_y; }

    // The points, in the order the joining line takes them. Every point shows as a marker; a point
    // above the scale shows on the top edge, one below it on the bottom edge, as an arrow head
    // pointing out of the graph with its value beside it, and the joining line runs to it there.
    void setPoints(const QList<QPointF> &points);
    QList<QPointF> points() const { return m_points; }
    // How many markers show now, and how many of those are the arrow heads of points off the scale.
    int markersShown() const;
    int offScaleMarkersShown() const;
    // Where the marker of a value stands in the graph, in pixels; off the scale, on its edge.
    QPointF position(const QPointF &value) const;
    // The plot, inside the axes, in pixels.
    QRectF plotArea() const;
    // Where the points, their values and the line are drawn, in pixels: what a new table or the
    // join toggle draws again.
    QRect pointsArea() const;

    void setJoined(bool joined);
    bool joined() const { return m_joined; }

    // The title shows exactly as given: every character, blanks and all, never read as markup,
    // shortened with an ellipsis where it is wider than the graph.
    void setTitle(const QString &title);
    QString title() const { return m_title; }
    // The title as drawn now.
    QString shownTitle() const;

    // The graph as it shows now, without the focus ring, and the same picture put on the system
    // clipboard (as a PNG first).
    QImage image() const;
    void copyToClipboard() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Where everything goes at the graph's size and the lesson's scale.
    struct Layout;
    Layout layout() const;
    struct Marks;
    QPointF placed(const QRectF &plot, const QPointF &value) const;
    QRectF valueBox(const Layout &layout, const QPointF &tip, int out, const QString &value) const;
    void paint(QPainter &painter) const;
    void paintBackground(QPainter &painter, const Layout &layout) const;
    void cutIntoPieces(const QRect &strip) const;
    void paintPoints(QPainter &painter, const Layout &layout) const;
    void describe();
    void updateRing();

    Scale m_x{0, 1, 1, QString()};
    Scale m_y{0, 1, 1, QString()};
    QList<QPointF> m_points;
    bool m_joined = false;
    QString m_title;
    // The frame, grid, numbers and titles as last drawn, and what they were drawn for.
    mutable QImage m_background;
    mutable QString m_backgroundKey;
    // That picture in pieces to copy: a run of rows that are all alike is painted from one of them,
    // which is read once instead of row by row.
    struct Piece {
        QRect rect;   // in the picture's pixels
        QImage alike; // the row the whole piece repeats; null to copy the piece from the picture
    };
    mutable QList<Piece> m_pieces;
    mutable std::unique_ptr<Layout> m_layout; // the layout they were drawn with
};
