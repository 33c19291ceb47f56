// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet.h"

#include "islandyear.h"
#include "lapinar1.h"
#include "paper.h"
#include "twips.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <vector>

namespace {

// The page in millimetres: A4, with margins a school printer leaves alone.
constexpr double Left = 18, Right = 192, Top = 15, Bottom = 282;
constexpr double Width = Right - Left;
constexpr double Gap = 5;       // between two questions
constexpr double LineGap = 9;   // between two writing lines, wide enough for a young pupil's hand
constexpr int FewestLines = 2;  // writing lines of a question before the spare room is shared out
constexpr int MostLines = 6;    // and after
constexpr double FigureGap = 3; // between a question's text and its table or grid

using namespace Paper;

const QColor Ink(Qt::black);
const QColor Rule(0x80, 0x80, 0x80);
const QColor Faint(0xc8, 0xc8, 0xc8);

QPen pen(const QColor &colour, double widthMm)
{
    QPen p(colour, mm(widthMm));
    p.setCapStyle(Qt::FlatCap);
    return p;
}

// What the table and graph screens call their rows and axes, so the sheet reads as the lesson does.
QString fromResults(const char *text)
{
    return QCoreApplication::translate("GraphForm", text);
}

enum class Figure { None, ResultsAndGraph, RabbitsAndFoxes };

struct Block {
    int question = 0; // 0: the sheet's heading
    Figure figure = Figure::None;
    int lines = 0;
    bool startsPage = false;
    int page = 0;
    double fixedHeight = 0; // all but the writing lines
    double height() const { return fixedHeight + lines * LineGap; }
};

constexpr double GraphHeight = 86;
constexpr double FoxRowHeight = 8;
constexpr double FoxTableHeight = 3 * FoxRowHeight;

class Sheet {
public:
    explicit Sheet(QPdfWriter &writer) : m_writer(writer), m_painter(&writer)
    {
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_state.FillQuestions();
    }

    bool isActive() const { return m_painter.isActive(); }
    void draw();

private:
    double textHeight(const QFont &font, const QString &text) const
    {
        const QFontMetricsF metrics(font, &m_writer);
        return metrics.boundingRect(mmRect(0, 0, Width, 1000), Qt::TextWordWrap, text).height() * 25.4 / Resolution;
    }
    // Text wrapped to the sheet's width; returns the height it took, in millimetres.
    double text(double top, const QFont &font, const QString &text, double left = Left, double width = Width)
    {
        m_painter.setFont(font);
        m_painter.setPen(Ink);
        QRectF used;
        m_painter.drawText(mmRect(left, top, width, 1000), Qt::TextWordWrap, text, &used);
        return used.height() * 25.4 / Resolution;
    }
    void line(double x1, double y1, double x2, double y2)
    {
        m_painter.drawLine(QPointF(mm(x1), mm(y1)), QPointF(mm(x2), mm(y2)));
    }
    void centred(const QRectF &box, const QString &words) { m_painter.drawText(box, Qt::AlignCenter, words); }

    double headingHeight() const;
    void heading(double top);
    double questionTextHeight(int n) const;
    void question(const Block &block, double top);
    void writingLines(double top, int count);
    void resultsAndGraph(double top);
    void graphGrid(const QRectF &area);
    void rabbitsAndFoxes(double top);

    QPdfWriter &m_writer;
    QPainter m_painter;
    LAPINAR1 m_state;
};

double Sheet::headingHeight() const
{
    return textHeight(face(20, true), Worksheet::tr("Lapinar worksheet")) + 4 + 8;
}

void Sheet::heading(double top)
{
    const double title = text(top, face(20, true), Worksheet::tr("Lapinar worksheet"));
    const double base = top + title + 8;
    const QFont font = face(11);
    const QFontMetricsF metrics(font, &m_writer);
    const auto field = [&](const QString &label, double left, double right) {
        m_painter.setFont(font);
        m_painter.setPen(Ink);
        m_painter.drawText(QPointF(mm(left), mm(base) - metrics.descent()), label);
        m_painter.setPen(pen(Rule, 0.3));
        line(left + metrics.horizontalAdvance(label) * 25.4 / Resolution + 2, base, right, base);
    };
    field(Worksheet::tr("Name:"), Left, Left + 0.62 * Width);
    field(Worksheet::tr("Date:"), Left + 0.68 * Width, Right);
}

double Sheet::questionTextHeight(int n) const
{
    return textHeight(face(12, true), m_state.Questions[n].Title) + 1 + textHeight(face(11), m_state.Questions[n].Text);
}

void Sheet::question(const Block &block, double top)
{
    const LAPINAR1::Question &q = m_state.Questions[block.question];
    double y = top + text(top, face(12, true), q.Title) + 1;
    y += text(y, face(11), q.Text);
    if (block.figure == Figure::ResultsAndGraph) {
        resultsAndGraph(y + FigureGap);
        y += FigureGap + GraphHeight;
    } else if (block.figure == Figure::RabbitsAndFoxes) {
        rabbitsAndFoxes(y + FigureGap);
        y += FigureGap + FoxTableHeight;
    }
    writingLines(y, block.lines);
}

void Sheet::writingLines(double top, int count)
{
    m_painter.setPen(pen(Rule, 0.25));
    for (int i = 1; i <= count; ++i)
        line(Left, top + i * LineGap, Right, top + i * LineGap);
}

// The results table as the results screen has it (Year and Rabbits, rows Start and 1 to 9) on the
// right, and beside it a grid to plot it on, with the results graph's scales and axis titles.
void Sheet::resultsAndGraph(double top)
{
    constexpr double yearColumn = 20, valueColumn = 24, rowHeight = 7.4;
    const double tableLeft = Right - yearColumn - valueColumn;
    const QFont font = face(10);
    const QFont bold = face(10, true);
    for (int row = 0; row <= 10; ++row) {
        const double y = top + row * rowHeight;
        m_painter.setFont(row == 0 ? bold : font);
        m_painter.setPen(Ink);
        const QString year = row == 0   ? fromResults("Year")
                             : row == 1 ? fromResults("Start")
                                        : QString::number(row - 1);
        centred(mmRect(tableLeft, y, yearColumn, rowHeight), year);
        if (row == 0)
            centred(mmRect(tableLeft + yearColumn, y, valueColumn, rowHeight), fromResults("Rabbits"));
    }
    m_painter.setPen(pen(Ink, 0.3));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(mmRect(tableLeft, top, yearColumn + valueColumn, 11 * rowHeight));
    for (int row = 1; row <= 10; ++row)
        line(tableLeft, top + row * rowHeight, Right, top + row * rowHeight);
    line(tableLeft + yearColumn, top, tableLeft + yearColumn, top + 11 * rowHeight);

    graphGrid(QRectF(Left, top, tableLeft - 8 - Left, GraphHeight));
}

// The most rabbits a pupil can have in the table: the island's own numbers, or an estimate by the
// rule the island gives once there are too many to count (about 4 rabbits to a burrow), which
// goes past them (26 burrows, 104 rabbits, in year 4). Rounded up to the grid's next line.
int mostRabbits()
{
    constexpr int RabbitsPerBurrow = 4;
    LAPINAR1 state;
    IslandYear::FillYearTable(state);
    int most = 0;
    for (int year = IslandYear::FirstYear; year <= IslandYear::LastYear; ++year) {
        const int rabbits = state.YearTable[std::size_t(year)].Rabbits;
        most = std::max({most, rabbits, IslandYear::burrowCount(rabbits) * RabbitsPerBurrow});
    }
    return (most / 10 + 1) * 10;
}

// Years 0 to 9 across and 0 to mostRabbits() up, a line at every year and every 10 rabbits, and a
// fainter one every 5 rabbits to plot between them. `area` is in millimetres.
void Sheet::graphGrid(const QRectF &area)
{
    const int top = mostRabbits();
    const QFont labels = face(9);
    const QFont titles = face(10, true);
    const QRectF plot(area.left() + 17, area.top() + 3, area.width() - 17 - 3, area.height() - 3 - 14);
    const auto xAt = [&](double year) { return plot.left() + plot.width() * year / 9; };
    const auto yAt = [&](double rabbits) { return plot.bottom() - plot.height() * rabbits / top; };

    m_painter.setPen(pen(Faint, 0.2));
    for (int rabbits = 5; rabbits < top; rabbits += 10)
        line(plot.left(), yAt(rabbits), plot.right(), yAt(rabbits));
    m_painter.setPen(pen(Rule, 0.25));
    for (int rabbits = 10; rabbits <= top; rabbits += 10)
        line(plot.left(), yAt(rabbits), plot.right(), yAt(rabbits));
    for (int year = 1; year <= 9; ++year)
        line(xAt(year), plot.top(), xAt(year), plot.bottom());
    m_painter.setPen(pen(Ink, 0.4));
    line(plot.left(), plot.bottom(), plot.right(), plot.bottom());
    line(plot.left(), plot.top(), plot.left(), plot.bottom());

    m_painter.setFont(labels);
    m_painter.setPen(Ink);
    for (int year = 0; year <= 9; ++year)
        centred(mmRect(xAt(year) - 5, plot.bottom() + 1, 10, 5), QString::number(year));
    for (int rabbits = 0; rabbits <= top; rabbits += 10)
        m_painter.drawText(mmRect(plot.left() - 11, yAt(rabbits) - 2.5, 9.5, 5), Qt::AlignRight | Qt::AlignVCenter,
                           QString::number(rabbits));

    m_painter.setFont(titles);
    centred(mmRect(plot.left(), plot.bottom() + 7, plot.width(), 6), fromResults("Year"));
    // The rabbits' title runs up the left side, read from the bottom.
    m_painter.save();
    m_painter.translate(mm(area.left() + 2.5), mm(plot.center().y()));
    m_painter.rotate(-90);
    centred(mmRect(-plot.height() / 2, -3, plot.height(), 6), fromResults("Number of rabbits"));
    m_painter.restore();
}

// The extension's years 0 to 10 across, a row for the rabbits and one for the foxes.
void Sheet::rabbitsAndFoxes(double top)
{
    constexpr double labelColumn = 26;
    const double column = (Width - labelColumn) / 11;
    const QFont font = face(10);
    const QFont bold = face(10, true);
    const QString rows[] = {fromResults("Year"), fromResults("Rabbits"), Worksheet::tr("Foxes")};
    for (int row = 0; row < 3; ++row) {
        const double y = top + row * FoxRowHeight;
        m_painter.setPen(Ink);
        m_painter.setFont(bold);
        centred(mmRect(Left, y, labelColumn, FoxRowHeight), rows[row]);
        if (row == 0) {
            m_painter.setFont(font);
            for (int year = 0; year <= 10; ++year)
                centred(mmRect(Left + labelColumn + year * column, y, column, FoxRowHeight), QString::number(year));
        }
    }
    m_painter.setPen(pen(Ink, 0.3));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(mmRect(Left, top, Width, FoxTableHeight));
    for (int row = 1; row < 3; ++row)
        line(Left, top + row * FoxRowHeight, Right, top + row * FoxRowHeight);
    for (int year = 0; year <= 10; ++year)
        line(Left + labelColumn + year * column, top, Left + labelColumn + year * column, top + FoxTableHeight);
}

// The heading and the eight questions, each kept whole on one page; the room a page has left is
// shared out as more writing lines among its questions.
void Sheet::draw()
{
    std::vector<Block> blocks;
    blocks.push_back({0, Figure::None, 0, false, 0, headingHeight()});
    for (int n = 1; n <= 8; ++n) {
        Block block{n, Figure::None, FewestLines, false, 0, questionTextHeight(n)};
        if (n == 5) {
            // The table and the graph are its room. They open the second page, which then holds
            // everything about the results, and the first page leaves room for the first four.
            block.figure = Figure::ResultsAndGraph;
            block.lines = 0;
            block.startsPage = true;
            block.fixedHeight += FigureGap + GraphHeight;
        } else if (n == 8) {
            block.figure = Figure::RabbitsAndFoxes;
            block.fixedHeight += FigureGap + FoxTableHeight;
        }
        blocks.push_back(block);
    }

    std::vector<double> used{0};
    for (Block &block : blocks) {
        const double needed = (used.back() > 0 ? Gap : 0) + block.height();
        if (used.back() > 0 && (block.startsPage || Top + used.back() + needed > Bottom))
            used.push_back(0);
        block.page = int(used.size()) - 1;
        used.back() += (used.back() > 0 ? Gap : 0) + block.height();
    }
    for (int page = 0; page < int(used.size()); ++page) {
        int spare = int((Bottom - Top - used[size_t(page)]) / LineGap);
        for (bool added = true; spare > 0 && added;) {
            added = false;
            for (Block &block : blocks)
                if (spare > 0 && block.page == page && block.lines > 0 && block.lines < MostLines) {
                    ++block.lines;
                    --spare;
                    added = true;
                }
        }
    }

    double y = Top;
    int page = 0;
    for (const Block &block : blocks) {
        if (block.page != page) {
            m_writer.newPage();
            page = block.page;
            y = Top;
        } else if (y > Top) {
            y += Gap;
        }
        if (block.question == 0)
            heading(y);
        else
            question(block, y);
        y += block.height();
    }
}

} // namespace

bool Worksheet::write(const QString &file, QString *error)
{
    // Written to a new file beside the one asked for, which replaces it only once the PDF is whole
    // and on the disk: a full disk or a failure half-way leaves any worksheet there as it was.
    QSaveFile pdf(file);
    const auto failed = [&](const QString &why) {
        pdf.cancelWriting();
        if (error)
            *error = why;
        return false;
    };
    if (!pdf.open(QIODevice::WriteOnly))
        return failed(pdf.errorString());
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(Resolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setTitle(tr("Lapinar worksheet"));
        writer.setCreator(QStringLiteral("Lapinar"));
        Sheet sheet(writer);
        if (!sheet.isActive())
            //: Why the worksheet could not be written: the PDF file could not be created. It follows "cannot write
            //: FILE:" on standard error.
            return failed(tr("the PDF could not be started"));
        sheet.draw();
    }
    if (pdf.error() != QFileDevice::NoError || !pdf.commit())
        return failed(pdf.errorString());
    return true;
}
