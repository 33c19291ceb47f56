// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of drawing the results graph at a scale (a 4K display by default): the median time of
// one full drawing of a known table, joined, with an off-scale point. With a file name it also
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

    constexpr int calls = 50;
    std::vector<double> times;
    for (int i = 0; i < calls; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const QImage picture = graph.image();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::nth_element(times.begin(), times.begin() + calls / 2, times.end());
    std::printf("graph %dx%d at scale %.2f: median %.3f ms to draw (%d drawings)\n", graph.width(), graph.height(),
                Twips::scale(), times[calls / 2], calls);
    return 0;
}
