// SPDX-License-Identifier: GPL-3.0-or-later
#include "classwindow.h"

#include "accessibility.h"
#include "badfilelist.h"
#include "classgraphview.h"
#include "classreader.h"
#include "classreport.h"
#include "classtable.h"
#include "classtext.h"
#include "paper.h"
#include "reportprinter.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <utility>

namespace {

QLabel *wrapped(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A label Tab stops at, so that a screen reader reads it.
QLabel *tabStop(QLabel *label)
{
    // After the flags, which set a focus policy of their own.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

} // namespace

ClassWindow::ClassWindow(const QString &folder, const QString &roster)
    : m_folder(folder), m_reader(new ClassReader(folder, roster, this))
{
    setWindowTitle(ClassText::title());
    Accessibility::setRole(this, QAccessible::Window);
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, QColor(255, 255, 224));
    setPalette(look);

    auto *layout = new QVBoxLayout(this);
    m_summary = tabStop(wrapped(this));
    QFont big = font();
    big.setBold(true);
    // The lesson's fonts are sized in pixels.
    if (big.pixelSize() > 0)
        big.setPixelSize(big.pixelSize() * 13 / 10);
    else
        big.setPointSizeF(big.pointSizeF() * 1.3);
    m_summary->setFont(big);
    m_summary->setText(ClassText::readingNote());
    m_kind = tabStop(wrapped(this));
    m_kind->hide();
    m_reading = wrapped(this);
    m_readingShown = new QTimer(this);
    m_readingShown->setSingleShot(true);
    m_readingShown->setInterval(1000);
    m_answeredNote = new QTimer(this);
    m_answeredNote->setSingleShot(true);
    m_answeredNote->setInterval(20000);
    m_missing = tabStop(wrapped(this));
    m_names = wrapped(this);
    auto *split = new QSplitter(Qt::Vertical, this);
    m_split = split;
    m_sides = new QSplitter(Qt::Horizontal, split);
    QSplitter *sides = m_sides;
    m_table = new ClassTable;
    m_table->setParent(this);
    m_tableView = new QTableView(sides);
    m_tableView->setModel(m_table);
    // Tab leaves the table for the graph and the buttons; the arrows go from cell to cell.
    m_tableView->setTabKeyNavigation(false);
    m_tableView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // "Handed in" takes what is left and is cut short at its end, whole in its tooltip.
    m_tableView->horizontalHeader()->setStretchLastSection(true);
    m_tableView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tableView->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // A long name is cut short rather than pushing the years aside.
    m_tableView->verticalHeader()->setMaximumWidth(fontMetrics().averageCharWidth() * 18);
    m_tableView->verticalHeader()->setTextElideMode(Qt::ElideRight);
    m_tableView->setAccessibleName(ClassText::tableName());
    m_graph = new ClassGraphView(sides);
    m_graph->setAccessibleName(ClassText::graphName());
    sides->setStretchFactor(1, 1);
    sides->setChildrenCollapsible(false);
    m_badFiles = new BadFileList(split);
    m_badFiles->hide();
    // A line of it at the least, so that one file left out takes no more.
    m_badFiles->setMinimumHeight(fontMetrics().height() + 8);
    m_tableView->setMinimumHeight(fontMetrics().height() * 4);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    layout->addWidget(m_summary);
    layout->addWidget(m_kind);
    layout->addWidget(m_reading);
    layout->addWidget(m_missing);
    layout->addWidget(m_names);
    layout->addWidget(split, 1);
    auto *bottom = new QHBoxLayout;
    auto *hint = wrapped(this);
    hint->setText(ClassText::refreshHint());
    m_truthButton = new QPushButton(ClassText::truthButton(false), this);
    m_printButton = new QPushButton(ClassText::printButton(), this);
    // Wide enough for either of its captions, so that it does not jump when pressed.
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, m_truthButton) * 2 +
                       style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_truthButton) * 2;
    m_truthButton->setMinimumWidth(
        margin + std::max(m_truthButton->fontMetrics().horizontalAdvance(ClassText::truthButton(false)),
                          m_truthButton->fontMetrics().horizontalAdvance(ClassText::truthButton(true))));
    m_printButton->setMinimumWidth(margin + m_printButton->fontMetrics().horizontalAdvance(ClassText::printButton()));
    bottom->addWidget(hint, 1);
    bottom->addWidget(m_truthButton);
    bottom->addWidget(m_printButton);
    layout->addLayout(bottom);
    QWidget *order[] = {m_summary, m_missing, m_kind, m_badFiles, m_tableView, m_graph, m_truthButton, m_printButton};
    for (size_t n = 1; n < std::size(order); ++n)
        setTabOrder(order[n - 1], order[n]);
    connect(m_truthButton, &QPushButton::clicked, this, [this] {
        setTruthShown(!m_table->truthShown());
        Accessibility::announce(this, ClassText::truthSaid(m_table->truthShown()));
    });
    connect(m_printButton, &QPushButton::clicked, this, &ClassWindow::print);
    // Shortcuts, so that they work wherever the focus is (the table takes letters to search by).
    connect(new QShortcut(QKeySequence(Qt::Key_T), this), &QShortcut::activated, m_truthButton, &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this, [this] {
        m_reader->readNow();
        // Queued behind a look that has not ended: the teacher is told so rather than left guessing.
        m_waiting = !m_reader->isAnswering();
        m_sayRead = true;
        sayFolderState();
        Accessibility::announce(this, m_waiting ? m_reading->text() : ClassText::readingNote());
    });
    connect(m_reader, &ClassReader::readingChanged, this, [this](bool reading) {
        if (reading && m_read)
            m_readingShown->start();
        sayFolderState();
    });
    connect(m_readingShown, &QTimer::timeout, this, &ClassWindow::sayFolderState);
    connect(m_reader, &ClassReader::answeringChanged, this, [this](bool answering) {
        m_waiting = false;
        m_answeredAt = answering ? QDateTime::currentDateTime() : QDateTime();
        if (answering)
            m_answeredNote->start();
        sayFolderState();
        Accessibility::announce(this, m_reading->text());
    });
    connect(m_answeredNote, &QTimer::timeout, this, [this] {
        m_answeredAt = QDateTime();
        sayFolderState();
    });
    connect(m_reader, &ClassReader::classRead, this, &ClassWindow::showClass);

    setMinimumSize(620, 440);
    QSize size(1200, 760);
    if (const QScreen *display = screen())
        size = size.boundedTo(display->availableGeometry().size());
    // On a small screen the window is given the whole of it, as the desktop's frame leaves it.
    m_small = size != QSize(1200, 760);
    resize(size);
    sides->setSizes({size.width() / 2, size.width() / 2});
    m_summary->setFocus();
    m_reader->readNow();
    sayFolderState();
}

ClassWindow::~ClassWindow() = default;

void ClassWindow::showOnScreen()
{
    if (m_small)
        showMaximized();
    else
        show();
}

QWidget *ClassWindow::graph() const
{
    return m_graph;
}

bool ClassWindow::isNarrow() const
{
    return m_sides->orientation() == Qt::Vertical;
}

void ClassWindow::showClass(const ClassFolder::Class &handIns, const ClassList::List &list)
{
    QStringList arrived;
    if (m_read) {
        QSet<QString> before;
        for (const ClassFolder::Pupil &pupil : std::as_const(m_class.pupils))
            before.insert(pupil.file);
        for (const ClassFolder::Pupil &pupil : handIns.pupils)
            if (!before.contains(pupil.file))
                arrived << ClassFolder::shown(ClassFolder::label(pupil));
    }
    m_class = handIns;
    m_list = list;
    m_readAt = QDateTime::currentDateTime();
    ClassText::reportBadFiles(m_folder, m_class, &m_said);
    m_table->setPupils(m_class.pupils, QDateTime::currentDateTimeUtc());
    m_graph->setPupils(m_class.pupils);
    const QStringList missing = ClassList::missing(list, m_class.pupils);
    m_summary->setText(ClassText::summary(m_class, list.given && list.error.isEmpty() ? missing.size() : -1));
    m_kind->setText(m_class.error.isEmpty() ? ClassText::folderKind(m_class) : QString());
    m_kind->setVisible(!m_kind->text().isEmpty());
    m_missing->setText(ClassText::missingText(list, missing, true));
    QPalette ink = palette();
    if (!missing.isEmpty() || !list.error.isEmpty())
        ink.setColor(QPalette::WindowText, ClassText::WarningInk);
    m_missing->setPalette(ink);
    m_names->setText(ClassText::names(m_class, 600));
    m_badFiles->show(m_class);
    // Said as it comes, without taking the focus: the class when the window opens or on F5, and
    // each hand-in that arrives meanwhile.
    if (!std::exchange(m_read, true) || std::exchange(m_sayRead, false))
        Accessibility::announce(this, m_summary->text());
    else if (!arrived.isEmpty())
        Accessibility::announce(this, ClassText::handedInSaid(arrived));
    sayFolderState();
    arrange();
    // Once the window has its size and the class its rows.
    QTimer::singleShot(0, this, &ClassWindow::shareOnce);
}

void ClassWindow::shareOnce()
{
    if (m_sized || !m_read || !isVisible())
        return;
    m_sized = true;
    share();
}

int ClassWindow::tableWidth() const
{
    const QHeaderView *header = m_tableView->horizontalHeader();
    const int headerMargin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) * 2 + 4;
    int width = m_tableView->verticalHeader()->sizeHint().width() + m_tableView->frameWidth() * 2 +
                style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    for (int column = 0; column <= HandInCsv::Years; ++column) {
        const QString heading = column < HandInCsv::Years ? ClassText::yearHeading(column) : ClassText::tr("Handed in");
        width += std::max(static_cast<const QAbstractItemView *>(m_tableView)->sizeHintForColumn(column),
                          header->fontMetrics().horizontalAdvance(heading) + headerMargin);
    }
    return width;
}

void ClassWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void ClassWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, &ClassWindow::shareOnce);
}

void ClassWindow::arrange()
{
    const int margins = layout()->contentsMargins().left() + layout()->contentsMargins().right();
    const bool narrow = tableWidth() + m_graph->minimumWidth() + 60 + margins > width();
    m_table->setShortHeadings(narrow);
    // The table's row headings name every pupil already; a window this small keeps its lines for the table.
    m_names->setVisible(!narrow);
    const Qt::Orientation wanted = narrow ? Qt::Vertical : Qt::Horizontal;
    if (m_sides->orientation() == wanted)
        return;
    m_sides->setOrientation(wanted);
    if (m_sized)
        share();
}

void ClassWindow::share()
{
    // The files left out as many lines as they take, up to a quarter of the room; the rest to the
    // table and the graph.
    const int room = m_split->height();
    const int rows = m_badFiles->count();
    const int bad =
        m_badFiles->isVisibleTo(this) && rows > 0
            ? std::min(room / 4, m_badFiles->sizeHintForRow(0) * std::min(rows, 4) + m_badFiles->frameWidth() * 2 + 4)
            : 0;
    m_split->setSizes({room - bad, bad});
    if (isNarrow()) {
        // The whole table when the graph keeps enough for itself and its key, else what it can.
        const int whole = room - bad - m_sides->handleWidth();
        const int table = m_tableView->horizontalHeader()->sizeHint().height() + m_tableView->frameWidth() * 2 +
                          m_tableView->verticalHeader()->defaultSectionSize() * m_table->rowCount(QModelIndex()) + 2;
        const int graph = std::max(m_graph->minimumHeight(), whole * 9 / 20);
        const int shown = std::max(whole / 3, std::min(table, whole - graph));
        m_sides->setSizes({shown, whole - shown});
    } else {
        // The whole table, when it takes no more than two thirds of the window; the graph the rest.
        const int whole = m_sides->width();
        const int table = std::min(tableWidth(), whole * 2 / 3);
        m_sides->setSizes({table, whole - table});
    }
}

void ClassWindow::sayFolderState()
{
    QString text;
    if (!m_reader->isAnswering())
        text = ClassText::silentNote(m_reader->askedAt(), m_readAt, m_waiting);
    else if (m_answeredAt.isValid())
        text = ClassText::answersAgainNote(m_answeredAt);
    else if (m_reader->isReading() && m_read && !m_readingShown->isActive())
        // Before the first read the summary says it; a re-read shows only once it takes a while.
        text = ClassText::readingNote();
    QPalette ink = palette();
    if (!m_reader->isAnswering())
        ink.setColor(QPalette::WindowText, ClassText::WarningInk);
    m_reading->setPalette(ink);
    m_reading->setText(text);
    m_reading->setVisible(!text.isEmpty());
}

void ClassWindow::setTruthShown(bool shown)
{
    m_table->setTruthShown(shown);
    m_graph->setTruthShown(shown);
    m_truthButton->setText(ClassText::truthButton(shown));
}

void ClassWindow::print()
{
    QString error;
    const ReportPrinter printer = ReportPrinting::load(&error);
    const ClassFolder::Class handIns = m_class;
    const ClassList::List list = m_list;
    if (printer &&
        printer(
            this, ClassText::reportName(QDate::currentDate()), Paper::Resolution,
            [&](QPagedPaintDevice &device) { return ClassReport::draw(device, handIns, list, QDate::currentDate()); },
            [&](const QString &file, QString *why) {
                return ClassReport::write(file, handIns, QDate::currentDate(), why, list);
            },
            &error))
        return;
    QMessageBox box(QMessageBox::Warning, ClassText::title(),
                    //: Shown to the teacher; %1 is why.
                    ClassText::tr("The report cannot be printed: %1").arg(error), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
