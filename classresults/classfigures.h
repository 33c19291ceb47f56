// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classfolder.h"

#include <array>

// The class's counts of one year taken together: the median, the middle half (between the lower
// and upper quartiles, by linear interpolation between the sorted counts) and the whole range, of
// the pupils who gave a count that year; a year left blank or unreadable is missing, not 0.
struct YearFigures {
    // Pupils with a count this year, and without one.
    int counted = 0;
    int missing = 0;
    double lowest = 0;
    double lowerQuartile = 0;
    double median = 0;
    double upperQuartile = 0;
    double highest = 0;
};

namespace ClassFigures {

// One entry per year 0 to 9; all zero for a year without counts. Pupils shown apart (not on the
// class list) are left out.
std::array<YearFigures, HandInCsv::Years> perYear(const QList<ClassFolder::Pupil> &pupils);

} // namespace ClassFigures
