// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary.h"

#include "cellnumber.h"

#include <QCoreApplication>

namespace Summary {

int total(const std::array<qint16, 11> &counted)
{
    int sum = 0;
    for (std::size_t year = 1; year <= 10; ++year)
        sum += counted[year];
    return sum;
}

int countPercent(int total)
{
    if (total <= 0)
        return total;
    const double percent = double(total) / IslandRabbits * 100 + 0.5;
    return int(CellNumber::roundHalfEven(percent));
}

QString sentence(int countPercent)
{
    struct Band {
        int upTo;
        const char *sentence;
    };
    // Tested from the top; the first band that holds the percentage wins. Each sentence is whole,
    // so that a translation can put its words in its own order.
    static constexpr Band bands[] = {
        {0, QT_TRANSLATE_NOOP("Summary", "You have now counted none of the rabbits that were on the island.")},
        {20, QT_TRANSLATE_NOOP("Summary", "You have now counted only a few of the rabbits that were on the island.")},
        {40, QT_TRANSLATE_NOOP("Summary", "You have now counted some of the rabbits that were on the island.")},
        {49, QT_TRANSLATE_NOOP("Summary", "You have now counted nearly half of the rabbits that were on the island.")},
        {50, QT_TRANSLATE_NOOP("Summary", "You have now counted half of the rabbits that were on the island.")},
        {60,
         QT_TRANSLATE_NOOP("Summary", "You have now counted just over half of the rabbits that were on the island.")},
        {80, QT_TRANSLATE_NOOP("Summary", "You have now counted most of the rabbits that were on the island.")},
        {99, QT_TRANSLATE_NOOP("Summary", "You have now counted nearly all of the rabbits that were on the island.")},
        {100, QT_TRANSLATE_NOOP("Summary", "You have now counted all of the rabbits that were on the island.")},
        {110,
         QT_TRANSLATE_NOOP("Summary", "You have now counted a few more than the rabbits that were on the island.")},
    };
    // Below 0 no phrase fits, and the sentence is left with nothing between its two halves.
    if (countPercent < 0)
        return QCoreApplication::translate("Summary", "You have now counted  the rabbits that were on the island.");
    for (const Band &band : bands)
        if (countPercent <= band.upTo)
            return QCoreApplication::translate("Summary", band.sentence);
    return QCoreApplication::translate("Summary",
                                       "You have now counted a lot more than the rabbits that were on the island.");
}

QString SummariseCounts(const std::array<qint16, 11> &counted)
{
    return sentence(countPercent(total(counted)));
}

} // namespace Summary
