// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classfigures.h"

#include <QCoreApplication>
#include <QRectF>
#include <array>

class QPainter;

// The class graph, drawn alike in the class window and in the printed report: every pupil's counts
// as a faint line, per year the whole range and the middle half of the class as bands with the
// class median across them, and the rabbits really on the island as a line of its own, so that the
// class sees its estimates against the truth. A year no pupil counted breaks the median and the
// bands, as the table leaves it blank. A count far above the rest (a slip of the keyboard)
// runs off the top rather than squashing everyone else's lines flat.
class ClassGraph {
    Q_DECLARE_TR_FUNCTIONS(ClassGraph)

public:
    ClassGraph(const QList<ClassFolder::Pupil> &pupils, const std::array<int, HandInCsv::Years> &island);

    // Whether the rabbits really there are drawn (they are unless the teacher hides them).
    void setTruthShown(bool shown) { m_truth = shown; }
    // Draws into `area`; `unit` is a hair line's width (1 on a screen), for the lines and the text.
    void paint(QPainter &painter, const QRectF &area, double unit) const;
    // What the graph shows, in words, one line a year: the class median, the middle half and the
    // whole range, and the rabbits really there when they are shown.
    QStringList inWords() const;

    // The rabbits really on the island in years 0 to 9, as the lesson's island has them.
    static std::array<int, HandInCsv::Years> islandRabbits();

private:
    const QList<ClassFolder::Pupil> &m_pupils;
    std::array<YearFigures, HandInCsv::Years> m_figures;
    std::array<int, HandInCsv::Years> m_island;
    bool m_truth = true;
};
