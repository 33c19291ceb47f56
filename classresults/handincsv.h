// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// One pupil's hand-in: the ten yearly counts from the results table, as one small CSV file in
// UTF-8. The first line is the header `pupil,year,rabbits,language,date,machine`; then one row per
// year 0 to 9 (the island's calendar years), every row naming the same pupil.
namespace HandInCsv {

constexpr int Years = 10;
// No hand-in of ten rows comes near this; anything larger is not one.
constexpr qint64 MaxFileSize = 16 * 1024;

struct HandIn {
    QString pupil;
    std::array<qint16, Years> rabbits{};
    QString language;
    QString date;
    QString machine;
};

QByteArray header();
QByteArray write(const HandIn &handIn);

// The hand-in's file name for a login: letters, digits, '-' and '_' as they are, anything else
// (a leading dot, a slash, a letter outside ASCII) as %XX, so that two logins never share a file
// and no login names a path or a hidden file.
QString fileName(const QString &login);

// One CSV field, quoted when it holds a comma, a quote or a line break.
QString field(const QString &text);

} // namespace HandInCsv
