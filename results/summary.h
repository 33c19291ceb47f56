// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// How the pupil's numbers compare with the rabbits really on the island: the ten yearly counts are
// added up, the total is turned into a percentage of the island's 340 rabbits, and the percentage
// picks the phrase of the conclusion's sentence.
namespace Summary {

// The island's ten yearly rabbit figures add up to this; the fox experiment's figures never enter.
constexpr int IslandRabbits = 340;

// Entries 1 to 10 of the counts (entry 0 is never read). Each entry is a 16-bit count, but ten of
// them can add up beyond 16 bits, so the total is kept in a wider integer and never wraps round.
int total(const std::array<qint16, 11> &counted);

// The total as a rounded percentage of the island's rabbits: total / 340 * 100 + 0.5 in double
// precision, rounded half to even (the added half and the even rounding together shape the bands).
// A total of 0 or less is its own percentage.
int countPercent(int total);

// The sentence for a percentage: "You have now counted " and a phrase ("none of", "only a few of",
// ... "a lot more than"; nothing below 0), then " the rabbits that were on the island.", in the
// lesson's language.
QString sentence(int countPercent);

// The whole sentence for a set of counts.
QString SummariseCounts(const std::array<qint16, 11> &counted);

} // namespace Summary
