// SPDX-License-Identifier: GPL-3.0-or-later
#include "classreport.h"

#include "classgraph.h"
#include "classtext.h"
#include "paper.h"
#include "twips.h"

#include <QFile>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

namespace {

// The page in millimetres: A4, with margins a school printer leaves alone.
constexpr double Left = 18, Right = 192, Top = 15, Bottom = 282;
constexpr double Width = Right - Left;
constexpr double RowHeight = 4.8;
constexpr double NameWidth = 44;

using namespace Paper;

class Report {
public:
    Report(QPdfWriter &writer, const ClassFolder::Class &handIns)
        : m_writer(writer), m_painter(&writer), m_class(handIns)
    {}
    bool isActive() const { return m_painter.isActive(); }

    void draw(const QDate &date)
    {
        double y = Top;
        y += text(y, face(18, true), ClassText::title()) + 2;
        y += text(y, face(11),
                  QLocale().toString(date, QLocale::LongFormat) + QStringLiteral(" · ") + ClassText::summary(m_class)) +
             2;
        y += text(y, face(9), ClassText::names(m_class, 900)) + 4;
        m_painter.setFont(face(9));
        ClassGraph(m_class.pupils, ClassGraph::islandRabbits())
            .paint(m_painter, mmRect(Left, y, Width, std::min(150.0, Bottom - y)), mm(0.25));
        m_writer.newPage();
        table();
    }

private:
    double text(double top, const QFont &font, const QString &words)
    {
        m_painter.setFont(font);
        m_painter.setPen(Qt::black);
        QRectF used;
        m_painter.drawText(mmRect(Left, top, Width, 1000), Qt::TextWordWrap, words, &used);
        return used.height() * 25.4 / Resolution;
    }

    void row(double top, const QString &name, const std::array<double, HandInCsv::Years> &values, bool bold)
    {
        m_painter.setFont(face(8, bold));
        const QFontMetricsF metrics(m_painter.font(), &m_writer);
        m_painter.drawText(mmRect(Left, top, NameWidth - 1, RowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                           metrics.elidedText(name, Qt::ElideRight, mm(NameWidth - 1)));
        const double cell = (Width - NameWidth) / HandInCsv::Years;
        for (int year = 0; year < HandInCsv::Years; ++year)
            m_painter.drawText(
                mmRect(Left + NameWidth + cell * year, top, cell - 1, RowHeight), Qt::AlignRight | Qt::AlignVCenter,
                std::isnan(values[size_t(year)]) ? QString() : QLocale().toString(values[size_t(year)], 'g', 6));
    }

    void table()
    {
        double y = Top;
        y += text(y, face(12, true), ClassText::tableName()) + 2;
        m_painter.setFont(face(8, true));
        const double cell = (Width - NameWidth) / HandInCsv::Years;
        for (int year = 0; year < HandInCsv::Years; ++year)
            m_painter.drawText(mmRect(Left + NameWidth + cell * year, y, cell - 1, RowHeight),
                               Qt::AlignRight | Qt::AlignVCenter, ClassText::yearHeading(year));
        y += RowHeight;
        const std::array<int, HandInCsv::Years> island = ClassGraph::islandRabbits();
        const std::array<YearFigures, HandInCsv::Years> figures = ClassFigures::perYear(m_class.pupils);
        std::array<double, HandInCsv::Years> values{};
        for (size_t year = 0; year < values.size(); ++year)
            values[year] = island[year];
        row(y, ClassGraph::tr("rabbits really there"), values, true);
        y += RowHeight;
        for (size_t year = 0; year < values.size(); ++year)
            values[year] = figures[year].counted ? figures[year].median : std::nan("");
        row(y, ClassGraph::tr("class median"), values, true);
        y += RowHeight;
        if (std::any_of(figures.begin(), figures.end(), [](const YearFigures &f) { return f.missing > 0; })) {
            for (size_t year = 0; year < values.size(); ++year)
                values[year] = figures[year].missing;
            row(y, ClassText::missingRow(), values, false);
            y += RowHeight;
        }
        m_painter.setPen(QPen(Qt::gray, mm(0.2)));
        m_painter.drawLine(QPointF(mm(Left), mm(y)), QPointF(mm(Right), mm(y)));
        m_painter.setPen(Qt::black);
        qsizetype n = 0;
        for (; n < m_class.pupils.size() && y + 2 * RowHeight <= Bottom; ++n, y += RowHeight) {
            for (size_t year = 0; year < values.size(); ++year)
                values[year] = m_class.pupils[n].handIn.rabbits[year].value_or(std::nan(""));
            row(y, ClassFolder::label(m_class.pupils[n]), values, false);
        }
        if (n < m_class.pupils.size())
            text(y, face(8),
                 //: Under the table of the class report: %1 is the number of pupils whose rows did not fit on the page
                 //: (it may become their names, so put no noun after it). One line of 8-point text across an A4 page.
                 ClassText::tr("Pupils not shown here: %1 (the merged CSV has every pupil).")
                     .arg(m_class.pupils.size() - n));
    }

    QPdfWriter &m_writer;
    QPainter m_painter;
    const ClassFolder::Class &m_class;
};

} // namespace

bool ClassReport::write(const QString &file, const ClassFolder::Class &handIns, const QDate &date, QString *error)
{
    // QPdfWriter says nothing when its file cannot be opened: find out first, as it would open it.
    if (QFile probe(file); !probe.open(QIODevice::WriteOnly)) {
        *error = probe.errorString();
        return false;
    }
    QPdfWriter writer(file);
    writer.setResolution(Resolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(ClassText::title());
    writer.setCreator(QStringLiteral("Lapinar"));
    Report report(writer, handIns);
    if (!report.isActive()) {
        //: Why the class report could not be written: the PDF file could not be created. It follows "cannot write
        //: FILE:" on standard error.
        *error = ClassText::tr("the PDF could not be started");
        return false;
    }
    report.draw(date);
    return true;
}
