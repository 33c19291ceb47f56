// SPDX-License-Identifier: GPL-3.0-or-later
#include "classtext.h"

#include <cstdio>

QString ClassText::title()
{
    return tr("Lapinar: the class's results");
}

QString ClassText::yearHeading(int year)
{
    return tr("Year %1").arg(year);
}

QString ClassText::tableName()
{
    return tr("Rabbits counted by each pupil, year by year");
}

QString ClassText::graphName()
{
    return tr("Graph of the class's counts against the rabbits really on the island");
}

QString ClassText::refreshHint()
{
    return tr("The folder is read again whenever it changes, and on F5.");
}

QString ClassText::summary(const ClassFolder::Class &handIns)
{
    if (!handIns.error.isEmpty())
        return tr("The class folder cannot be read: %1").arg(handIns.error);
    QString text = tr("Pupils who handed in: %1").arg(handIns.pupils.size());
    if (const qsizetype left = handIns.badFiles.size() + handIns.moreBadFiles; left > 0)
        text += QStringLiteral("; ") + tr("files left out: %1").arg(left);
    QStringList forged;
    for (const ClassFolder::BadFile &bad : handIns.badFiles)
        if (bad.forged)
            forged << bad.file;
    if (!forged.isEmpty())
        text += QLatin1Char('\n') + tr("Not shown as anyone's, as they claim another pupil's numbers: %1")
                                        .arg(forged.join(QStringLiteral(", ")));
    if (handIns.ownersUnproven && handIns.pupils.size() > 1)
        text +=
            QLatin1Char('\n') + tr("This folder cannot prove who wrote which file: every file in it has one owner.");
    return text;
}

QString ClassText::missingRow()
{
    return tr("counts missing");
}

QString ClassText::names(const ClassFolder::Class &handIns, int length)
{
    QString text;
    qsizetype shown = 0;
    for (; shown < handIns.pupils.size() && text.size() < length; ++shown)
        text += (shown ? QStringLiteral(", ") : QString()) + ClassFolder::label(handIns.pupils[shown]);
    if (shown < handIns.pupils.size())
        text += QLatin1Char(' ') + tr("and %1 more").arg(handIns.pupils.size() - shown);
    return text;
}

void ClassText::reportBadFiles(const QString &folder, const ClassFolder::Class &handIns)
{
    const QString program = QCoreApplication::applicationName();
    const QString where = ClassFolder::shown(folder);
    if (!handIns.error.isEmpty())
        std::fprintf(stderr, "%s: %s\n", qPrintable(program),
                     qPrintable(tr("cannot read the class folder %1: %2").arg(where, handIns.error)));
    for (const ClassFolder::BadFile &bad : handIns.badFiles)
        std::fprintf(stderr, "%s: %s\n", qPrintable(program),
                     qPrintable(tr("%1/%2: %3; left out").arg(where, bad.file, bad.fault)));
}
