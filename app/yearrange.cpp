// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearrange.h"

#include <QCoreApplication>

QString YearRange::forwardCaption(int year) const
{
    return year >= last ? QStringLiteral(">>") : QCoreApplication::translate("YearButtons", "Next year");
}

QString YearRange::backCaption(int year) const
{
    return year <= first ? QStringLiteral("<<") : QCoreApplication::translate("YearButtons", "Last year");
}

bool YearRange::step(qint16 &year, int index, const std::function<void()> &showYear) const
{
    if (index == Forward)
        ++year;
    else if (index == Back)
        --year;
    else
        return false;
    if (!contains(year))
        return true;
    showYear();
    return false;
}
