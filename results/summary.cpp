// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary.h"

#include "cellnumber.h"

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

QString phrase(int countPercent)
{
    struct Band {
        int upTo;
        const char *phrase;
    };
    // Tested from the top; the first band that holds the percentage wins.
    static constexpr Band bands[] = {
        {0, "none of"},  {20, "only a few of"},     {40, "some of"}, {49, "nearly half of"},
        {50, "half of"}, {60, "just over half of"}, {80, "most of"}, {99, "nearly all of"},
        {100, "all of"}, {110, "a few more than"},
    };
    if (countPercent < 0)
        return QString();
    for (const Band &band : bands)
        if (countPercent <= band.upTo)
            return QString::fromLatin1(band.phrase);
    return QStringLiteral("a lot more than");
}

QString SummariseCounts(const std::array<qint16, 11> &counted)
{
    return QStringLiteral("You have now counted ") + phrase(countPercent(total(counted))) +
           QStringLiteral(" the rabbits that were on the island.");
}

} // namespace Summary
