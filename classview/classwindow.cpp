// SPDX-License-Identifier: GPL-3.0-or-later
#include "classwindow.h"

#include "classgraph.h"
#include "classtext.h"
#include "twips.h"

#include <QAbstractTableModel>
#include <QBoxLayout>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTableView>

// The pupils by years, for the window's table.
class ClassTable : public QAbstractTableModel {
public:
    void setPupils(const QList<ClassFolder::Pupil> *pupils)
    {
        beginResetModel();
        m_pupils = pupils;
        endResetModel();
    }
    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() || !m_pupils ? 0 : int(m_pupils->size());
    }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : HandInCsv::Years; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        const HandInCsv::HandIn &handIn = m_pupils->at(index.row()).handIn;
        if (role == Qt::DisplayRole) {
            const std::optional<qint16> rabbits = handIn.rabbits[size_t(index.column())];
            return rabbits ? QVariant(int(*rabbits)) : QVariant();
        }
        if (role == Qt::ToolTipRole)
            return handIn.typed[size_t(index.column())];
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignRight) | int(Qt::AlignVCenter);
        return QVariant();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return QVariant();
        if (orientation == Qt::Horizontal)
            return ClassText::yearHeading(section);
        return m_pupils && section < m_pupils->size() ? ClassFolder::label(m_pupils->at(section)) : QString();
    }

private:
    const QList<ClassFolder::Pupil> *m_pupils = nullptr;
};

class ClassGraphView : public QWidget {
public:
    explicit ClassGraphView(QWidget *parent) : QWidget(parent) { setMinimumSize(360, 260); }
    void setPupils(const QList<ClassFolder::Pupil> *pupils)
    {
        m_pupils = pupils;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        static const QList<ClassFolder::Pupil> none;
        const int margin = fontMetrics().height() / 2;
        ClassGraph(m_pupils ? *m_pupils : none, ClassGraph::islandRabbits())
            .paint(painter, QRectF(rect().adjusted(margin, margin, -margin, -margin)), 1.0);
    }

private:
    const QList<ClassFolder::Pupil> *m_pupils = nullptr;
};

ClassWindow::ClassWindow(const QString &folder) : m_folder(folder)
{
    setWindowTitle(ClassText::title());
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, QColor(255, 255, 224));
    setPalette(look);

    auto *layout = new QVBoxLayout(this);
    m_summary = new QLabel(this);
    m_summary->setFont(Twips::font(Twips::Face::Arial, 13, true));
    m_names = new QLabel(this);
    m_names->setWordWrap(true);
    m_names->setTextFormat(Qt::PlainText);
    m_names->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *split = new QSplitter(Qt::Horizontal, this);
    m_table = new ClassTable;
    m_table->setParent(this);
    m_tableView = new QTableView(split);
    m_tableView->setModel(m_table);
    m_tableView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tableView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tableView->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_tableView->setAccessibleName(ClassText::tableName());
    m_graph = new ClassGraphView(split);
    m_graph->setAccessibleName(ClassText::graphName());
    split->setStretchFactor(1, 1);
    layout->addWidget(m_summary);
    layout->addWidget(m_names);
    layout->addWidget(split, 1);
    auto *hint = new QLabel(ClassText::refreshHint(), this);
    layout->addWidget(hint);

    m_settle.setSingleShot(true);
    m_settle.setInterval(400);
    connect(&m_settle, &QTimer::timeout, this, &ClassWindow::reread);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
    reread();
    // The whole table beside a graph of much the same width, within the display.
    const int tableWidth = m_tableView->verticalHeader()->sizeHint().width() +
                           m_tableView->horizontalHeader()->length() + m_tableView->frameWidth() * 2 +
                           style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    QSize size(tableWidth * 2 + 40, 700);
    if (const QScreen *display = screen())
        size = size.boundedTo(display->availableGeometry().size());
    resize(size);
    split->setSizes({tableWidth, size.width() - tableWidth});
}

// The table and graph outlive this window's own members while QWidget takes them down: they let go
// of the class first.
ClassWindow::~ClassWindow()
{
    m_table->setPupils(nullptr);
    m_graph->setPupils(nullptr);
}

void ClassWindow::reread()
{
    m_class = ClassFolder::read(m_folder);
    ClassText::reportBadFiles(m_folder, m_class);
    m_table->setPupils(&m_class.pupils);
    m_graph->setPupils(&m_class.pupils);
    m_summary->setText(ClassText::summary(m_class));
    m_names->setText(ClassText::names(m_class, 600));
    watch();
}

void ClassWindow::watch()
{
    QStringList folders{m_folder};
    // A learning platform's download has a folder per pupil; those are watched too.
    for (const QFileInfo &sub : QDir(m_folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks))
        folders << sub.filePath();
    if (const QStringList old = m_watcher.directories(); !old.isEmpty())
        m_watcher.removePaths(old);
    m_watcher.addPaths(folders);
}

void ClassWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F5) {
        reread();
        return;
    }
    QWidget::keyPressEvent(event);
}
