// SPDX-License-Identifier: GPL-3.0-or-later
#include "classgraph.h"

#include "islandyear.h"
#include "lapinar1.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

const QColor Ink(0x1f, 0x4e, 0x9c);
const QColor Words(0x40, 0x40, 0x44);
const QColor Grid(0xd8, 0xd8, 0xd8);
const QColor Range(0x9c, 0xb8, 0xe0, 70);
const QColor MiddleHalf(0x3f, 0x72, 0xc4, 90);
const QColor Truth(0xc0, 0x39, 0x2b);

// A step between grid lines of 1, 2 or 5 times a power of ten, giving about five lines.
double niceStep(double span)
{
    const double rough = span / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= rough)
            return m * power;
    return 10 * power;
}

} // namespace

ClassGraph::ClassGraph(const QList<ClassFolder::Pupil> &pupils, const std::array<int, HandInCsv::Years> &island)
    : m_pupils(pupils), m_figures(ClassFigures::perYear(pupils)), m_island(island)
{}

std::array<int, HandInCsv::Years> ClassGraph::islandRabbits()
{
    LAPINAR1 state;
    IslandYear::FillYearTable(state);
    std::array<int, HandInCsv::Years> rabbits{};
    for (int year = 0; year < HandInCsv::Years; ++year)
        rabbits[size_t(year)] = state.YearTable[size_t(year + IslandYear::FirstYear)].Rabbits;
    return rabbits;
}

QStringList ClassGraph::inWords() const
{
    const QLocale here;
    const auto number = [&](double value) { return here.toString(value, 'g', 6); };
    QStringList lines;
    for (int year = 0; year < HandInCsv::Years; ++year) {
        const YearFigures &f = m_figures[size_t(year)];
        QString line = f.counted
                           //: A year of the class graph said in words; %1 is the year, %2 the class median, %3 to %4
                           //: the middle half of the class's counts, %5 to %6 the whole range.
                           ? tr("Year %1: class median %2, middle half %3 to %4, whole range %5 to %6")
                                 .arg(QString::number(year), number(f.median), number(f.lowerQuartile),
                                      number(f.upperQuartile), number(f.lowest), number(f.highest))
                           //: A year of the class graph said in words when no pupil gave a count; %1 is the year.
                           : tr("Year %1: no counts").arg(year);
        if (m_truth)
            //: Follows a year of the class graph said in words; %1 is the number of rabbits on the island.
            line += QStringLiteral("; ") + tr("rabbits really there %1").arg(m_island[size_t(year)]);
        lines << line + QLatin1Char('.');
    }
    return lines;
}

void ClassGraph::paint(QPainter &painter, const QRectF &area, double unit) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    const QFontMetricsF metrics(font, painter.device());
    const double line = metrics.height();

    // Hidden, the truth shapes nothing: not even the scale gives it away.
    double top = m_truth ? *std::max_element(m_island.begin(), m_island.end()) : 10.0;
    double bottom = 0;
    for (const YearFigures &f : m_figures) {
        top = std::max(top, f.upperQuartile * 2 > f.highest ? f.highest : f.upperQuartile * 2);
        bottom = std::min(bottom, f.lowerQuartile);
    }
    const double step = niceStep(std::max(1.0, top - bottom));
    top = std::ceil(top / step) * step;
    bottom = std::floor(bottom / step) * step;

    const double left = area.left() + metrics.horizontalAdvance(QString::number(-top)) + 2 * unit + line * 0.5;
    // The key takes more lines where the graph is too narrow for it on one.
    QStringList keyWords{tr("each pupil"), tr("class median"), tr("middle half"), tr("whole range"),
                         tr("rabbits really there")};
    // The truth's key goes with its line; the words stay for the list of keys below.
    const QStringList shownKeyWords = m_truth ? keyWords : keyWords.mid(0, keyWords.size() - 1);
    int keyLines = 1;
    for (double at = left; const QString &words : shownKeyWords) {
        const double width = metrics.horizontalAdvance(words);
        if (at + line * 2.0 + width > area.right() && at > left) {
            ++keyLines;
            at = left;
        }
        at += line * 3.0 + width;
    }
    const QRectF plot(left, area.top() + line * 0.5, area.right() - left - line * 0.5,
                      area.height() - line * (2.7 + 1.1 * keyLines));
    const auto x = [&](int year) { return plot.left() + plot.width() * year / (HandInCsv::Years - 1); };
    const auto y = [&](double value) { return plot.bottom() - plot.height() * (value - bottom) / (top - bottom); };

    // The grid, its numbers and the years.
    painter.setPen(QPen(Grid, unit));
    for (double v = bottom; v <= top + step / 2; v += step) {
        painter.setPen(QPen(Grid, unit));
        painter.drawLine(QPointF(plot.left(), y(v)), QPointF(plot.right(), y(v)));
        painter.setPen(Words);
        painter.drawText(QRectF(area.left(), y(v) - line / 2, plot.left() - area.left() - line * 0.3, line),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    }
    for (int year = 0; year < HandInCsv::Years; ++year)
        painter.drawText(QRectF(x(year) - line * 2, plot.bottom() + line * 0.2, line * 4, line), Qt::AlignCenter,
                         QString::number(year));
    painter.drawText(QRectF(plot.left(), plot.bottom() + line * 1.2, plot.width(), line), Qt::AlignCenter, tr("Year"));

    painter.save();
    // Wide enough at the sides for the points of the first and last years to show whole.
    painter.setClipRect(plot.adjusted(-6 * unit, -unit, 6 * unit, unit));
    // The class's figures run from year to year across the years someone counted; a year no pupil
    // counted breaks them, as it does in the table, rather than drawing a median of 0.
    QList<std::pair<int, int>> runs;
    for (int year = 0; year < HandInCsv::Years; ++year) {
        if (!m_figures[size_t(year)].counted)
            continue;
        if (!runs.isEmpty() && runs.last().second == year - 1)
            runs.last().second = year;
        else
            runs.append({year, year});
    }
    // The range and the middle half, as bands; a year standing alone as a short bar.
    const auto band = [&](double YearFigures::*low, double YearFigures::*high, const QColor &colour) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        for (const auto &[first, last] : std::as_const(runs)) {
            const double alone = first == last ? 4 * unit : 0;
            QPolygonF shape;
            for (int year = first; year <= last; ++year)
                shape << QPointF(x(year) - (year == first ? alone : 0), y(m_figures[size_t(year)].*high));
            if (alone > 0)
                shape << QPointF(x(last) + alone, y(m_figures[size_t(last)].*high));
            for (int year = last; year >= first; --year)
                shape << QPointF(x(year) + (year == last ? alone : 0), y(m_figures[size_t(year)].*low));
            if (alone > 0)
                shape << QPointF(x(first) - alone, y(m_figures[size_t(first)].*low));
            painter.drawPolygon(shape);
        }
    };
    band(&YearFigures::lowest, &YearFigures::highest, Range);
    band(&YearFigures::lowerQuartile, &YearFigures::upperQuartile, MiddleHalf);
    // Every pupil faint: the fainter, the more pupils there are, so a year group stays readable.
    QColor faint(0x30, 0x30, 0x40);
    faint.setAlphaF(std::clamp(6.0 / std::sqrt(double(std::max<qsizetype>(1, m_pupils.size()))), 0.05, 0.45));
    painter.setPen(QPen(faint, unit));
    painter.setBrush(Qt::NoBrush);
    for (const ClassFolder::Pupil &pupil : m_pupils) {
        // A year without a count breaks the pupil's line rather than dropping it to 0.
        QPolygonF points;
        for (int year = 0; year <= HandInCsv::Years; ++year) {
            const std::optional<qint16> rabbits =
                year < HandInCsv::Years ? pupil.handIn.rabbits[size_t(year)] : std::nullopt;
            if (rabbits) {
                points << QPointF(x(year), y(*rabbits));
                continue;
            }
            if (points.size() == 1)
                painter.drawPoint(points.front());
            painter.drawPolyline(points);
            points.clear();
        }
    }
    const auto curve = [&](const auto &valueOf, const QPen &pen, int first, int last) {
        QPolygonF points;
        for (int year = first; year <= last; ++year)
            points << QPointF(x(year), y(valueOf(year)));
        painter.setPen(pen);
        painter.drawPolyline(points);
        painter.setBrush(pen.color());
        for (const QPointF &p : points)
            painter.drawEllipse(p, pen.widthF() * 1.2, pen.widthF() * 1.2);
        painter.setBrush(Qt::NoBrush);
    };
    for (const auto &[first, last] : std::as_const(runs))
        curve([&](int year) { return m_figures[size_t(year)].median; }, QPen(Ink, 3 * unit), first, last);
    QPen truth(Truth, 2.5 * unit, Qt::DashLine);
    if (m_truth)
        curve([&](int year) { return double(m_island[size_t(year)]); }, truth, 0, HandInCsv::Years - 1);
    painter.restore();

    painter.setPen(QPen(Words, unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);

    // The key, below the years.
    double keyTop = plot.bottom() + line * 2.3;
    QList<std::pair<QString, std::function<void(const QRectF &)>>> keys{
        {keyWords[0],
         [&](const QRectF &r) {
             painter.setPen(QPen(QColor(0x30, 0x30, 0x40, 140), unit));
             painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
         }},
        {keyWords[1],
         [&](const QRectF &r) {
             painter.setPen(QPen(Ink, 3 * unit));
             painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
         }},
        {keyWords[2], [&](const QRectF &r) { painter.fillRect(r, MiddleHalf); }},
        {keyWords[3], [&](const QRectF &r) { painter.fillRect(r, Range); }},
        {keyWords[4],
         [&](const QRectF &r) {
             painter.setPen(truth);
             painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
         }},
    };
    if (!m_truth)
        keys.removeLast();
    double keyLeft = plot.left();
    for (const auto &[words, sign] : keys) {
        if (keyLeft + line * 2.0 + metrics.horizontalAdvance(words) > area.right() && keyLeft > plot.left()) {
            keyLeft = plot.left();
            keyTop += line * 1.1;
        }
        sign(QRectF(keyLeft, keyTop + line * 0.2, line * 1.6, line * 0.6));
        painter.setPen(Words);
        const double width = metrics.horizontalAdvance(words);
        painter.drawText(QRectF(keyLeft + line * 1.9, keyTop, width + line, line), Qt::AlignLeft | Qt::AlignVCenter,
                         words);
        keyLeft += line * 3.0 + width;
    }
    painter.restore();
}
