// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearrange.h"

#include <QCoreApplication>

QString YearRange::forwardCaption(int year) const
{
    //: Button to the next year on the island and fox screens: 81 px wide at 640 x 480, room for 69 px of text (the
    //: English takes 56 px there: about 11 letters). Keep the noun "year" (or a shorter word for it); where no noun
    //: fits, the language's own word for next/previous.
    return year >= last ? QStringLiteral(">>") : QCoreApplication::translate("YearButtons", "Next year");
}

QString YearRange::backCaption(int year) const
{
    //: Button back to the year before, on the island and fox screens: 81 px wide at 640 x 480, room for 69 px of text
    //: (the English takes 53 px there: about 11 letters). Keep the noun "year" (or a shorter word for it); where no
    //: noun fits, the language's own word for next/previous.
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
