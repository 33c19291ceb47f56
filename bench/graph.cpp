// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of drawing the results graph at a scale (a 4K display by default): the median time of
// one full drawing of a known table, joined, with an off-scale point, and of what a new table draws
// again. With a file name it also
// saves the picture, to compare the graph's look between versions.
//   bench_graph [SCALE [OUT.png [joined|separate [inside]]]]
#include "resultsgraph.h"
#include "twips.h"

#include <QApplication>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const double scale = argc > 1 ? QString::fromLocal8Bit(argv[1]).toDouble() : 4.5;
    Twips::setScale(scale > 0 ? scale : 1);
    ResultsGraph graph;
    graph.setGeometry(Twips::rect(480, 360, 5655, 4095));
    graph.setScales({0, 9, 9, QStringLiteral("Year")}, {0, 100, 10, QStringLiteral("Number of rabbits")});
    // A fourth argument "inside" keeps every point on the scales.
    const bool inside = argc > 4 && QString::fromLocal8Bit(argv[4]) == QLatin1String("inside");
    graph.setPoints({{0, 10},
                     {1, 14},
                     {2, 20},
                     {3, 30},
                     {4, 45},
                     {5, inside ? 95.0 : 104.0},
                     {6, 86},
                     {7, 60},
                     {8, 0},
                     {9, inside ? 100.0 : -5.0}});
    graph.setTitle(QStringLiteral("Rabbits on the island"));
    graph.setJoined(argc <= 3 || QString::fromLocal8Bit(argv[3]) != QLatin1String("separate"));
    graph.show();
    QApplication::processEvents();
    if (argc > 2)
        graph.image().save(QString::fromLocal8Bit(argv[2]));

    // Drawn as the window draws it, into a picture that is already there (opaque, as a window on a
    // 24-bit X11 display is). A redraw (a new table,
    // the join toggle) finds the frame, grid and titles drawn; a first drawing (a new size or
    // title) draws them too.
    QImage target(graph.size() * graph.devicePixelRatioF(), QImage::Format_RGB32);
    target.setDevicePixelRatio(graph.devicePixelRatioF());
    const auto median = [&](bool first) {
        constexpr int calls = 50;
        std::vector<double> times;
        for (int i = 0; i < calls; ++i) {
            if (first)
                graph.setTitle(QStringLiteral("Rabbits on the island %1").arg(i));
            const auto start = std::chrono::steady_clock::now();
            graph.render(&target, QPoint(), QRegion(), QWidget::RenderFlags());
            const auto end = std::chrono::steady_clock::now();
            times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
        std::nth_element(times.begin(), times.begin() + calls / 2, times.end());
        return times[calls / 2];
    };
    const double redraw = median(false);
    const double first = median(true);
    // What a new table costs: the graph draws again only where the points and the line were and are.
    const QList<QPointF> tables[2] = {
        graph.points(), {{0, 10}, {1, 12}, {2, 25}, {3, 33}, {4, 52}, {5, 71}, {6, 64}, {7, 40}, {8, 31}, {9, 18}}};
    std::vector<double> times;
    for (int i = 0; i < 50; ++i) {
        const QRect before = graph.pointsArea();
        graph.setPoints(tables[(i + 1) % 2]);
        const QRect area = before | graph.pointsArea();
        const auto start = std::chrono::steady_clock::now();
        graph.render(&target, area.topLeft(), QRegion(area), QWidget::RenderFlags());
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::nth_element(times.begin(), times.begin() + 25, times.end());
    std::printf("graph %dx%d at scale %.2f: median %.3f ms to redraw, %.3f ms to draw anew, %.3f ms for a new table "
                "(50 drawings each)\n",
                graph.width(), graph.height(), Twips::scale(), redraw, first, times[25]);
    return 0;
}
