// SPDX-License-Identifier: GPL-3.0-or-later
#include "classfigures.h"

#include <algorithm>
#include <vector>

namespace ClassFigures {

namespace {

double quantile(const std::vector<double> &sorted, double q)
{
    const double at = q * double(sorted.size() - 1);
    const auto below = size_t(at);
    const size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - double(below)) * (sorted[above] - sorted[below]);
}

} // namespace

std::array<YearFigures, HandInCsv::Years> perYear(const QList<ClassFolder::Pupil> &pupils)
{
    std::array<YearFigures, HandInCsv::Years> figures{};
    std::vector<double> counts;
    counts.reserve(size_t(pupils.size()));
    for (size_t year = 0; year < figures.size(); ++year) {
        counts.clear();
        int pupilsOfTheClass = 0;
        for (const ClassFolder::Pupil &pupil : pupils) {
            if (pupil.apart)
                continue;
            ++pupilsOfTheClass;
            if (const std::optional<qint16> rabbits = pupil.handIn.rabbits[year])
                counts.push_back(*rabbits);
        }
        const int missing = pupilsOfTheClass - int(counts.size());
        if (counts.empty()) {
            figures[year].missing = missing;
            continue;
        }
        std::sort(counts.begin(), counts.end());
        figures[year] = {
            int(counts.size()),     missing,      counts.front(), quantile(counts, 0.25), quantile(counts, 0.5),
            quantile(counts, 0.75), counts.back()};
    }
    return figures;
}

} // namespace ClassFigures
