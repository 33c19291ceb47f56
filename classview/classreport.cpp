// SPDX-License-Identifier: GPL-3.0-or-later
#include "classreport.h"

#include "classgraph.h"
#include "classtable.h"
#include "classtext.h"
#include "paper.h"
#include "teacherfile.h"
#include "twips.h"

#include <QBuffer>
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
constexpr double NameWidth = 40;
// When, from where and in which language each pupil handed in, as the window's last column.
constexpr double HandedInWidth = 44;
constexpr double Cell = (Width - NameWidth - HandedInWidth) / HandInCsv::Years;

using namespace Paper;

class Report {
public:
    Report(QPagedPaintDevice &writer, const ClassFolder::Class &handIns, const ClassList::List &list)
        : m_writer(writer), m_painter(&writer), m_class(handIns), m_list(list)
    {}
    bool isActive() const { return m_painter.isActive(); }
    bool end() { return m_painter.end(); }

    void draw(const QDate &date)
    {
        double y = Top;
        y += text(y, face(18, true), ClassText::title()) + 2;
        const QStringList missing = ClassList::missing(m_list, m_class.pupils);
        y += text(y, face(11),
                  QLocale().toString(date, QLocale::LongFormat) + QStringLiteral(" · ") +
                      ClassText::summary(m_class, m_list.given && m_list.error.isEmpty() ? missing.size() : -1)) +
             2;
        if (m_class.error.isEmpty())
            y += text(y, face(9), ClassText::folderKind(m_class)) + 2;
        y += text(y, face(9), ClassText::names(m_class, 900)) + 2;
        if (const QString said = ClassText::missingText(m_list, missing, false); !said.isEmpty())
            y += text(y, face(9, true), said) + 2;
        y += 2;
        m_painter.setFont(face(9));
        ClassGraph(m_class.pupils, ClassGraph::islandRabbits())
            .paint(m_painter, mmRect(Left, y, Width, std::min(150.0, Bottom - y)), mm(0.25));
        m_writer.newPage();
        table();
        if (!m_class.badFiles.isEmpty())
            leftOut();
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

    void row(double top, const QString &name, const std::array<double, HandInCsv::Years> &values, bool bold,
             const QString &handedIn = QString(), bool odd = false)
    {
        m_painter.setFont(face(8, bold));
        const QFontMetricsF metrics(m_painter.font(), &m_writer);
        m_painter.drawText(mmRect(Left, top, NameWidth - 1, RowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                           metrics.elidedText(name, Qt::ElideRight, mm(NameWidth - 1)));
        for (int year = 0; year < HandInCsv::Years; ++year)
            m_painter.drawText(
                mmRect(Left + NameWidth + Cell * year, top, Cell - 1, RowHeight), Qt::AlignRight | Qt::AlignVCenter,
                std::isnan(values[size_t(year)]) ? QString() : QLocale().toString(values[size_t(year)], 'g', 6));
        if (handedIn.isEmpty())
            return;
        const QRectF at = mmRect(Right - HandedInWidth + 1, top, HandedInWidth - 1, RowHeight);
        if (odd)
            m_painter.fillRect(at, QColor(0xff, 0xd7, 0x80));
        m_painter.drawText(at, Qt::AlignLeft | Qt::AlignVCenter,
                           metrics.elidedText(handedIn, Qt::ElideRight, mm(HandedInWidth - 1)));
    }

    void table()
    {
        double y = Top;
        y += text(y, face(12, true), ClassText::tableName()) + 2;
        m_painter.setFont(face(8, true));
        // The years by their numbers after the first, as in a narrow window, to leave room for "Handed in".
        for (int year = 0; year < HandInCsv::Years; ++year)
            m_painter.drawText(mmRect(Left + NameWidth + Cell * year, y, Cell - 1, RowHeight),
                               Qt::AlignRight | Qt::AlignVCenter,
                               year == 0 ? ClassText::yearHeading(year) : QString::number(year));
        m_painter.drawText(mmRect(Right - HandedInWidth + 1, y, HandedInWidth - 1, RowHeight),
                           Qt::AlignLeft | Qt::AlignVCenter, ClassText::tr("Handed in"));
        y += RowHeight;
        const QStringList kinds = ClassTable::usualMachineKinds(m_class.pupils);
        const QDateTime now = QDateTime::currentDateTimeUtc();
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
            // A blank count stays blank: value_or would turn the NaN into a 16-bit 0.
            for (size_t year = 0; year < values.size(); ++year) {
                const std::optional<qint16> rabbits = m_class.pupils[n].handIn.rabbits[year];
                values[year] = rabbits ? double(*rabbits) : std::nan("");
            }
            const HandInCsv::HandIn &handIn = m_class.pupils[n].handIn;
            const bool odd = !ClassTable::oddity(handIn, kinds, now).isEmpty();
            row(y, ClassFolder::shown(ClassFolder::label(m_class.pupils[n])), values, false,
                ClassTable::handedIn(handIn, odd, now), odd);
        }
        if (n < m_class.pupils.size())
            text(y, face(8),
                 //: Under the table of the class report: %1 is the number of pupils whose rows did not fit on the page
                 //: (it may become their names, so put no noun after it). One line of 8-point text across an A4 page.
                 ClassText::tr("Pupils not shown here: %1 (the merged CSV has every pupil).")
                     .arg(m_class.pupils.size() - n));
    }

    // Every file left out with its reason, those that claim another pupil's numbers first.
    void leftOut()
    {
        m_writer.newPage();
        double y = Top;
        y += text(y, face(12, true), ClassText::tr("Files left out")) + 2;
        for (const ClassFolder::BadFile &bad : m_class.badFiles) {
            if (y + RowHeight > Bottom) {
                m_writer.newPage();
                y = Top;
            }
            m_painter.setPen(bad.forged ? ClassText::WarningInk : QColor(Qt::black));
            m_painter.setFont(face(8, bad.forged));
            const QFontMetricsF metrics(m_painter.font(), &m_writer);
            m_painter.drawText(mmRect(Left, y, Width, RowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                               metrics.elidedText(ClassText::badFileLine(bad), Qt::ElideMiddle, mm(Width)));
            y += RowHeight;
        }
        if (m_class.moreBadFiles > 0)
            text(y, face(8), ClassText::tr("and %1 more").arg(m_class.moreBadFiles));
    }

    QPagedPaintDevice &m_writer;
    QPainter m_painter;
    const ClassFolder::Class &m_class;
    const ClassList::List &m_list;
};

} // namespace

bool ClassReport::draw(QPagedPaintDevice &device, const ClassFolder::Class &handIns, const ClassList::List &list,
                       const QDate &date)
{
    Report report(device, handIns, list);
    if (!report.isActive())
        return false;
    report.draw(date);
    return report.end();
}

bool ClassReport::save(const QString &file, const QByteArray &bytes, QString *error)
{
    return TeacherFile::write(file, bytes, error);
}

bool ClassReport::write(const QString &file, const ClassFolder::Class &handIns, const QDate &date, QString *error,
                        const ClassList::List &list)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(Resolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setTitle(ClassText::title());
        writer.setCreator(QStringLiteral("Lapinar"));
        if (!draw(writer, handIns, list, date)) {
            *error = ClassText::tr("the PDF could not be made");
            return false;
        }
    }
    return save(file, pdf.data(), error);
}
