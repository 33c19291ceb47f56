// SPDX-License-Identifier: GPL-3.0-or-later
#include "classgraphview.h"

#include "accessibility.h"
#include "classgraph.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

ClassGraphView::ClassGraphView(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(240, 150);
    setFocusPolicy(Qt::StrongFocus);
}

void ClassGraphView::setPupils(const QList<ClassFolder::Pupil> &pupils)
{
    m_pupils = pupils;
    describe();
}

void ClassGraphView::setTruthShown(bool shown)
{
    m_truth = shown;
    describe();
}

void ClassGraphView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const int margin = fontMetrics().height() / 2;
    graph().paint(painter, QRectF(rect().adjusted(margin, margin, -margin, -margin)), 1.0);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void ClassGraphView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void ClassGraphView::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void ClassGraphView::keyPressEvent(QKeyEvent *event)
{
    const int last = HandInCsv::Years - 1;
    int year = m_year;
    switch (event->key()) {
    case Qt::Key_Left:
        year = m_year < 0 ? 0 : std::max(0, m_year - 1);
        break;
    case Qt::Key_Right:
        year = m_year < 0 ? 0 : std::min(last, m_year + 1);
        break;
    case Qt::Key_Home:
        year = 0;
        break;
    case Qt::Key_End:
        year = last;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    m_year = year;
    Accessibility::announce(this, graph().inWords().value(year));
}

ClassGraph ClassGraphView::graph() const
{
    ClassGraph graph(m_pupils, ClassGraph::islandRabbits());
    graph.setTruthShown(m_truth);
    return graph;
}

void ClassGraphView::describe()
{
    setAccessibleDescription(graph().inWords().join(QLatin1Char(' ')));
    update();
}
