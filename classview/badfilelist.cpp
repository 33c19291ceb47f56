// SPDX-License-Identifier: GPL-3.0-or-later
#include "badfilelist.h"

#include "classtext.h"

BadFileList::BadFileList(QWidget *parent) : QListWidget(parent)
{
    setAccessibleName(ClassText::tr("Files left out"));
    setWordWrap(true);
    setTextElideMode(Qt::ElideMiddle);
    setSelectionMode(QAbstractItemView::NoSelection);
}

void BadFileList::show(const ClassFolder::Class &handIns)
{
    clear();
    const qsizetype shown = std::min<qsizetype>(handIns.badFiles.size(), ClassText::ShownBadFiles);
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
    if (const qsizetype more = handIns.badFiles.size() - shown + handIns.moreBadFiles; more > 0)
        new QListWidgetItem(ClassText::tr("and %1 more").arg(more), this);
    setVisible(count() > 0);
}
