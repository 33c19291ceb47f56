// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphform.h"

#include "accessibility.h"
#include "cellnumber.h"
#include "lesson.h"
#include "lessonstyle.h"
#include "resultsgraph.h"
#include "twips.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <limits>

namespace {

// A value cell of the table. Its flat one-pixel border leaves no room for the style's own focus
// frame, so the lesson's focus ring is drawn over the border once the pupil uses the keyboard.
class ValueCell : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QLineEdit::paintEvent(event);
        if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
            QPainter painter(this);
            LessonStyle::drawFocusRing(&painter, rect());
        }
    }
};

QFont tableFont()
{
    return Twips::font(Twips::Face::MSSansSerif, 9.75);
}

// A rule of the table, one line thick (a pixel at the original size) wherever it falls.
QWidget *rule(QWidget *parent, double left, double top, double width, double height)
{
    auto *line = new QWidget(parent);
    QRect r = Twips::rect(left, top, width, height);
    const int thickness = std::max(1, Twips::px(15));
    if (width < height)
        r.setWidth(thickness);
    else
        r.setHeight(thickness);
    line->setGeometry(r);
    line->setAutoFillBackground(true);
    QPalette p = line->palette();
    p.setColor(QPalette::Window, Qt::black);
    line->setPalette(p);
    return line;
}

// A label of the table: centred, window text on the window background, as a text box has.
QLabel *tableLabel(QWidget *parent, const QString &text, double left, double top, double width, double height)
{
    QLabel *label = Controls::label(parent, text, left, top, width, height, tableFont());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(false);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, p.color(QPalette::Base));
    p.setColor(QPalette::WindowText, p.color(QPalette::Text));
    label->setPalette(p);
    return label;
}

double rowTop(int row)
{
    return 975 + 360 * (row - 1);
}

} // namespace

GraphForm::GraphForm(Lesson &lesson) : LessonScreen(lesson, ScreenId::GraphForm, QColor(255, 255, 224))
{
    setScreenName(tr("Results"));
    m_graph = new ResultsGraph(client());
    m_graph->setGeometry(Twips::rect(480, 360, 5655, 4095));
    buildTable();
    buildButtons();
    setTabOrder();
}

void GraphForm::buildTable()
{
    auto *shape = new QFrame(client());
    shape->setGeometry(Twips::rect(6570, 360, 2565, 4215));
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setLineWidth(std::max(1, Twips::px(15)));
    shape->setAutoFillBackground(true);
    QPalette white = shape->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    shape->setPalette(white);

    const double thin = 15;
    // The rule between the year column and the value column, and one above each row.
    rule(client(), 7785, 375, thin, 4560 - 375);
    for (int k = 0; k < Rows; ++k)
        rule(client(), 6570, 915 + 360 * k, 9090 - 6570, thin);

    //: Heading of the results table's year column (and the graph's axis title): at most 65 px of 13-px text at 640 x
    //: 480 (about 9 letters).
    tableLabel(client(), tr("Year"), 6735, 495, 975, 255);
    //: Heading of the results table's count column: at most 65 px of 13-px text at 640 x 480 (about 9 letters).
    tableLabel(client(), tr("Rabbits"), 7950, 495, 975, 255);

    for (int row = 1; row <= Rows; ++row) {
        //: The first row of the year column, the year the rabbits were put on the island: at most 52 px of 13-px text
        //: at 640 x 480 (about 7 letters).
        const QString year = row == 1 ? tr("Start") : QString::number(row - 1);
        tableLabel(client(), year, 6825, rowTop(row), 780, 255);

        auto *cell = new ValueCell(client());
        cell->setGeometry(Twips::rect(8310, rowTop(row), row == 1 ? 480 : 475, 240));
        cell->setFont(tableFont());
        // The cell is only 16 pixels high; a flat one-pixel border leaves room for the digits.
        cell->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #808080; padding: 0px 1px; "
                                           "background: white; color: black; }"));
        // A cell keeps whatever the pupil types, however long.
        cell->setMaxLength(std::numeric_limits<int>::max());
        //: Spoken name of a cell of the results table; %1 is the year (0 to 9).
        cell->setAccessibleName(tr("Rabbits in year %1").arg(row - 1));
        cell->installEventFilter(this);
        // Once the pupil types again, the table typed is the one to keep, and the pupil hears, once,
        // that the cleared one is gone.
        connect(cell, &QLineEdit::textEdited, this, [this] {
            if (m_cleared.isEmpty())
                return;
            forgetClearedTable();
            tell(tr("The cleared table can no longer be brought back."));
        });
        YVal.insert(row, cell);
    }
}

void GraphForm::buildButtons()
{
    struct ActionLayout {
        int index;
        const char *caption;
        double left, top, width, height;
    };
    static constexpr ActionLayout actions[] = {
        //: Button: 129 px wide at 640 x 480, room for about 117 px of 13-px text (about 17 letters).
        {DrawGraph, QT_TR_NOOP("Draw graph"), 465, 4575, 1935, 495},
        //: Button: 128 px wide at 640 x 480, room for about 116 px of 13-px text (about 17 letters).
        {CopyGraph, QT_TR_NOOP("Copy graph"), 2400, 4575, 1920, 495},
        //: Button that joins the points of the graph with lines; it then reads "Plot points". 121 px wide at 640 x 480,
        //: room for about 109 px of 13-px text (about 16 letters).
        {JoinPoints, QT_TR_NOOP("Join points"), 4320, 4575, 1815, 495},
        //: Button: 172 px wide at 640 x 480, room for about 160 px of 13-px text.
        {ClearTableAction, QT_TR_NOOP("Clear table"), 6555, 4575, 2580, 495},
        //: Button that lets the pupil type the graph's title: 65 px wide at 640 x 480, room for about 53 px of 13-px
        //: text (about 8 letters).
        {Title, QT_TR_NOOP("Title"), 480, 6000, 975, 480},
    };
    for (const ActionLayout &a : actions) {
        QPushButton *button = Controls::button(client(), tr(a.caption), a.left, a.top, a.width, a.height, tableFont());
        Action_Button.insert(a.index, button);
        connect(button, &QPushButton::clicked, this, [this, index = a.index] {
            Action_Button_Click(index);
            if (index == DrawGraph)
                //: Said to a screen reader when the graph has been drawn from the table.
                Accessibility::announce(this, tr("Graph drawn."));
            else if (index == CopyGraph)
                //: Said to a screen reader when the graph has been copied to the clipboard.
                Accessibility::announce(this, tr("Graph copied."));
        });
    }

    TitleText = new QLineEdit(client());
    TitleText->setGeometry(Twips::rect(1560, 6000, 2895, 495));
    TitleText->setFont(Twips::font(Twips::Face::MSSansSerif, 13.5));
    TitleText->setMaxLength(std::numeric_limits<int>::max());
    TitleText->setAccessibleName(tr("Graph title"));
    TitleText->installEventFilter(this);

    addQuestionButton(5, 4800, 5520, Corner::BottomRight);
    addCommandButton(1, QStringLiteral("<<"), 6120, 5880);
    addCommandButton(0, QStringLiteral(">>"), 7560, 5880);
}

void GraphForm::setTabOrder()
{
    // The cells come first, so Tab from the table reaches the buttons in the lesson's order.
    QList<QWidget *> order;
    for (int row = 1; row <= Rows; ++row)
        order << YVal(row);
    order << cmd_button(0) << Action_Button(DrawGraph) << cmd_button(1) << Action_Button(CopyGraph)
          << Action_Button(Title) << Action_Button(ClearTableAction) << Action_Button(JoinPoints) << TitleText
          << QButton << m_graph;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void GraphForm::load()
{
    LessonScreen::load();
    SetupGraph();
}

void GraphForm::SetupGraph()
{
    m_lesson.state.GraphVisited = true;
    m_graph->setScales({0, 9, 9, tr("Year")}, {0, 100, 10, tr("Number of rabbits")});
    m_graph->setJoined(false);
    Action_Button(JoinPoints)->setText(tr("Join points"));
}

void GraphForm::activate()
{
    focusCell(1);
    Action_Button_Click(DrawGraph);
}

QString GraphForm::instructions() const
{
    // The screen shows no words of its own: the table and the buttons say what to do.
    return tr("Type the number of rabbits of each year into the table, then draw the graph.");
}

void GraphForm::focusCell(int row)
{
    QLineEdit *cell = YVal(row);
    cell->setFocus(Qt::OtherFocusReason);
    cell->end(false);
}

void GraphForm::Action_Button_Click(int index)
{
    switch (index) {
    case DrawGraph:
        drawGraph();
        break;
    case CopyGraph:
        m_graph->copyToClipboard();
        break;
    case Title:
        applyTitle();
        break;
    case ClearTableAction:
        if (!m_cleared.isEmpty())
            bringTableBack();
        else
            ClearTable();
        break;
    case JoinPoints:
        toggleJoin();
        break;
    default:
        break;
    }
    // Only the focus moves; the caret stays where the pupil left it in the first cell.
    YVal(1)->setFocus(Qt::OtherFocusReason);
}

void GraphForm::drawGraph()
{
    QList<QPointF> points;
    for (int row = 1; row <= Rows; ++row)
        points.append(QPointF(row - 1, CellNumber::read(YVal(row)->text())));
    m_graph->setPoints(points);
}

void GraphForm::toggleJoin()
{
    setJoined(!m_graph->joined());
}

void GraphForm::setJoined(bool join)
{
    m_graph->setJoined(join);
    //: The same button once the points are joined: it shows the points alone again. 121 px wide at 640 x 480, room for
    //: about 109 px of 13-px text (about 16 letters).
    Action_Button(JoinPoints)->setText(join ? tr("Plot points") : tr("Join points"));
}

void GraphForm::applyTitle()
{
    m_graph->setTitle(TitleText->text());
}

void GraphForm::ClearTable()
{
    QStringList table;
    for (int row = 1; row <= Rows; ++row)
        table << YVal(row)->text();
    // Clearing an empty table again keeps the table that can still be brought back.
    if (std::any_of(table.cbegin(), table.cend(), [](const QString &cell) { return !cell.isEmpty(); }))
        m_cleared = table;
    for (int row = 1; row <= Rows; ++row)
        YVal(row)->clear();
    Action_Button(ClearTableAction)
        ->setText(m_cleared.isEmpty() ? tr("Clear table")
                                      //: The Clear table button once the table is cleared: brings the whole table
                                      //: back. A button of 172 px at 640 x 480, in 9.75 pt: keep it short.
                                      : tr("Undo clear"));
    //: Said to a screen reader and read aloud when Clear table has emptied the table.
    tell(tr("Table cleared."));
}

bool GraphForm::bringTableBack()
{
    if (m_cleared.isEmpty())
        return false;
    for (int row = 1; row <= Rows; ++row)
        YVal(row)->setText(m_cleared.at(row - 1));
    forgetClearedTable();
    //: Said to a screen reader and read aloud when Undo clear (or Ctrl+Z) has brought the table back.
    tell(tr("Table back."));
    return true;
}

void GraphForm::forgetClearedTable()
{
    m_cleared.clear();
    Action_Button(ClearTableAction)->setText(tr("Clear table"));
}

QString GraphForm::keptCell(int row) const
{
    return m_cleared.isEmpty() ? YVal(row)->text() : m_cleared.value(row - 1);
}

void GraphForm::tell(const QString &text)
{
    Accessibility::announce(this, text);
    emit saying(text);
}

void GraphForm::SaveCounts()
{
    for (int row = 1; row <= Rows; ++row)
        m_lesson.state.Counted[std::size_t(row)] = CellNumber::count(YVal(row)->text());
}

bool GraphForm::cmd_button_Click(int index)
{
    // Going on takes the pupil's numbers into the lesson; going back leaves them in the table only.
    if (index == 0)
        SaveCounts();
    return true;
}

bool GraphForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == TitleText) {
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                applyTitle();
                return true;
            }
            return false;
        }
        for (int row = 1; row <= Rows; ++row)
            if (watched == YVal(row))
                return YVal_Key(row, key);
    }
    return LessonScreen::eventFilter(watched, event);
}

bool GraphForm::YVal_Key(int row, QKeyEvent *event)
{
    // Undo brings back a whole table cleared, not one cell of it.
    if (event->matches(QKeySequence::Undo) && bringTableBack())
        return true;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // A screen reader has echoed the number key by key as it was typed: it is said whole as the
        // pupil moves on, after the cell arrived in.
        const QString typed = YVal(row)->text().simplified();
        if (row < Rows)
            focusCell(row + 1);
        else
            Action_Button(DrawGraph)->setFocus(Qt::OtherFocusReason);
        if (!typed.isEmpty())
            //: Said to a screen reader as the pupil leaves a cell of the results table; %1 is the year (0 to 9),
            //: %2 the number or text the pupil typed there.
            Accessibility::announce(this, tr("Rabbits in year %1: %2").arg(row - 1).arg(typed));
        return true;
    }
    case Qt::Key_Up:
        if (row > 1)
            focusCell(row - 1);
        return true;
    case Qt::Key_Down:
        if (row < Rows)
            focusCell(row + 1);
        return true;
    default:
        return false;
    }
}
