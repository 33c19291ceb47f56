// SPDX-License-Identifier: GPL-3.0-or-later
#include "classwindow.h"

#include "badfilelist.h"
#include "classgraph.h"
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
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <utility>

class ClassGraphView : public QWidget {
public:
    explicit ClassGraphView(QWidget *parent) : QWidget(parent) { setMinimumSize(240, 150); }
    void setPupils(const QList<ClassFolder::Pupil> *pupils)
    {
        m_pupils = pupils;
        update();
    }
    void setTruthShown(bool shown)
    {
        m_truth = shown;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        static const QList<ClassFolder::Pupil> none;
        const int margin = fontMetrics().height() / 2;
        ClassGraph graph(m_pupils ? *m_pupils : none, ClassGraph::islandRabbits());
        graph.setTruthShown(m_truth);
        graph.paint(painter, QRectF(rect().adjusted(margin, margin, -margin, -margin)), 1.0);
    }

private:
    const QList<ClassFolder::Pupil> *m_pupils = nullptr;
    bool m_truth = false;
};

namespace {

QLabel *wrapped(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

ClassWindow::ClassWindow(const QString &folder, const QString &roster)
    : m_folder(folder), m_reader(new ClassReader(folder, roster, this))
{
    setWindowTitle(ClassText::title());
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, QColor(255, 255, 224));
    setPalette(look);

    auto *layout = new QVBoxLayout(this);
    m_summary = wrapped(this);
    QFont big = font();
    big.setBold(true);
    // The lesson's fonts are sized in pixels.
    if (big.pixelSize() > 0)
        big.setPixelSize(big.pixelSize() * 13 / 10);
    else
        big.setPointSizeF(big.pointSizeF() * 1.3);
    m_summary->setFont(big);
    m_reading = wrapped(this);
    m_answeredNote = new QTimer(this);
    m_answeredNote->setSingleShot(true);
    m_answeredNote->setInterval(20000);
    m_missing = wrapped(this);
    m_names = wrapped(this);
    auto *split = new QSplitter(Qt::Vertical, this);
    m_sides = new QSplitter(Qt::Horizontal, split);
    QSplitter *sides = m_sides;
    m_table = new ClassTable;
    m_table->setParent(this);
    m_tableView = new QTableView(sides);
    m_tableView->setModel(m_table);
    m_tableView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tableView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tableView->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_tableView->setAccessibleName(ClassText::tableName());
    m_graph = new ClassGraphView(sides);
    m_graph->setAccessibleName(ClassText::graphName());
    sides->setStretchFactor(1, 1);
    m_badFiles = new BadFileList(split);
    m_badFiles->hide();
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    layout->addWidget(m_summary);
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
    connect(m_truthButton, &QPushButton::clicked, this, [this] { setTruthShown(!m_table->truthShown()); });
    connect(m_printButton, &QPushButton::clicked, this, &ClassWindow::print);
    // Shortcuts, so that they work wherever the focus is (the table takes letters to search by).
    connect(new QShortcut(QKeySequence(Qt::Key_T), this), &QShortcut::activated, m_truthButton, &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this, [this] {
        m_reader->readNow();
        // Queued behind a look that has not ended: the teacher is told so rather than left guessing.
        m_waiting = !m_reader->isAnswering();
        sayFolderState();
    });
    connect(m_reader, &ClassReader::readingChanged, this, &ClassWindow::sayFolderState);
    connect(m_reader, &ClassReader::answeringChanged, this, [this](bool answering) {
        m_waiting = false;
        m_answeredAt = answering ? QDateTime::currentDateTime() : QDateTime();
        if (answering)
            m_answeredNote->start();
        sayFolderState();
    });
    connect(m_answeredNote, &QTimer::timeout, this, [this] {
        m_answeredAt = QDateTime();
        sayFolderState();
    });
    connect(m_reader, &ClassReader::classRead, this, &ClassWindow::showClass);

    m_table->setPupils(&m_class.pupils, QDateTime::currentDateTimeUtc());
    m_graph->setPupils(&m_class.pupils);
    setMinimumSize(620, 440);
    QSize size(1200, 760);
    if (const QScreen *display = screen())
        size = size.boundedTo(display->availableGeometry().size());
    resize(size);
    sides->setSizes({size.width() / 2, size.width() / 2});
    m_reader->readNow();
    sayFolderState();
}

// The table and graph outlive this window's own members while QWidget takes them down: they let go
// of the class first.
ClassWindow::~ClassWindow()
{
    m_table->setPupils(nullptr, QDateTime());
    m_graph->setPupils(nullptr);
}

void ClassWindow::showClass(const ClassFolder::Class &handIns, const ClassList::List &list)
{
    m_table->setPupils(nullptr, QDateTime());
    m_graph->setPupils(nullptr);
    m_class = handIns;
    m_list = list;
    m_readAt = QDateTime::currentDateTime();
    ClassText::reportBadFiles(m_folder, m_class, &m_said);
    m_table->setPupils(&m_class.pupils, QDateTime::currentDateTimeUtc());
    m_graph->setPupils(&m_class.pupils);
    m_summary->setText(ClassText::summary(m_class));
    const QStringList missing = ClassList::missing(list, m_class.pupils);
    m_missing->setText(ClassText::missingText(list, missing, true));
    QPalette ink = palette();
    if (!missing.isEmpty() || !list.error.isEmpty())
        ink.setColor(QPalette::WindowText, ClassText::WarningInk);
    m_missing->setPalette(ink);
    m_names->setText(ClassText::names(m_class, 600));
    m_badFiles->show(m_class);
    if (!std::exchange(m_sized, true)) {
        // The whole table, when it takes no more than three fifths of the window; the graph the rest.
        const int tableWidth = m_tableView->verticalHeader()->sizeHint().width() +
                               m_tableView->horizontalHeader()->length() + m_tableView->frameWidth() * 2 +
                               style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
        const int whole = m_sides->width();
        m_sides->setSizes({std::min(tableWidth, whole * 3 / 5), whole - std::min(tableWidth, whole * 3 / 5)});
    }
}

void ClassWindow::sayFolderState()
{
    QString text;
    if (!m_reader->isAnswering())
        text = ClassText::silentNote(m_reader->askedAt(), m_readAt, m_waiting);
    else if (m_answeredAt.isValid())
        text = ClassText::answersAgainNote(m_answeredAt);
    else if (m_reader->isReading())
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
