// SPDX-License-Identifier: GPL-3.0-or-later
#include "badfilelist.h"

#include "classtext.h"

#include <QAccessible>
#include <QTimer>

BadFileList::BadFileList(QWidget *parent) : QListWidget(parent)
{
    setAccessibleName(ClassText::tr("Files left out"));
    setWordWrap(true);
    setTextElideMode(Qt::ElideMiddle);
    setSelectionMode(QAbstractItemView::NoSelection);
}

void BadFileList::show(const ClassFolder::Class &handIns)
{
    const qsizetype shown = std::min<qsizetype>(handIns.badFiles.size(), ClassText::ShownBadFiles);
    const qsizetype more = handIns.badFiles.size() - shown + handIns.moreBadFiles;
    // The same files for the same reasons: the list stays as it is, where the teacher left it.
    QStringList lines;
    for (qsizetype n = 0; n < shown; ++n)
        lines << ClassText::badFileLine(handIns.badFiles[n]);
    if (more > 0)
        lines << ClassText::tr("and %1 more").arg(more);
    QStringList showing;
    for (int n = 0; n < count(); ++n)
        showing << item(n)->text();
    if (lines == showing)
        return;
    clear();
    for (qsizetype n = 0; n < shown; ++n) {
        const ClassFolder::BadFile &bad = handIns.badFiles[n];
        auto *item = new QListWidgetItem(ClassText::badFileLine(bad), this);
        if (bad.forged) {
            QFont bold = font();
            bold.setBold(true);
            item->setFont(bold);
            item->setForeground(ClassText::WarningInk);
            item->setBackground(ClassText::WarningPaper);
        }
    }
    if (more > 0)
        new QListWidgetItem(lines.last(), this);
    setVisible(count() > 0);
}

void BadFileList::focusInEvent(QFocusEvent *event)
{
    QListWidget::focusInEvent(event);
    QTimer::singleShot(0, this, [this] {
        if (!hasFocus() || currentRow() < 0 || !QAccessible::isActive())
            return;
        QAccessibleEvent line(this, QAccessible::Focus);
        line.setChild(currentRow());
        QAccessible::updateAccessibility(&line);
    });
}
