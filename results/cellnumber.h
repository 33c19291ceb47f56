// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// Reading the numbers that the pupil types into the results table. The table holds free text; a
// number is read from it when the graph is drawn and when the counts are saved, by one rule:
// blanks, tabs and line feeds are skipped wherever they stand; then an optional sign, digits with at
// most one decimal point and an optional exponent (E or e, an optional sign, digits) are taken, and
// reading stops at the first character that cannot go on. Text with no number at its start reads
// as 0. Only the ASCII digits count, whatever other scripts call a digit.
namespace CellNumber {

// The number at the start of the text. A number too large for a double reads as the largest double
// of its sign, and one too small to tell from zero reads as 0, so the result is always finite.
// Takes time in proportion to the text's length, however long it is.
double read(const QString &text);

// Nearest integer, a value exactly halfway between two going to the even one (2.5 gives 2).
double roundHalfEven(double value);

// What a cell stores as a count: its number rounded half to even. A count must fit the lesson's
// 16-bit integers, so a number beyond them stores as the nearest end of the range (-32768 or 32767):
// it never wraps round to a number of the other sign.
qint16 count(const QString &text);

} // namespace CellNumber
