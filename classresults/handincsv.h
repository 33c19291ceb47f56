// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <array>
#include <optional>

// One pupil's hand-in: the ten yearly counts from the results table, as one small CSV file in
// UTF-8. The first line is the header `pupil,year,rabbits,typed,language,date,machine,name`; then
// one row per year 0 to 9 (the island's calendar years), every row naming the same pupil (the
// login). A year the pupil left blank has an empty `rabbits`; a cell whose text is not a number
// (`36,5`, `lots`) has an empty `rabbits` too and the text as typed in `typed`, so that "not
// counted" is never read as "counted 0". `name` is the name a pupil typed on a login that the
// whole class shares; it is empty otherwise.
namespace HandInCsv {

constexpr int Years = 10;
// No hand-in of ten rows comes near this; anything larger is not one.
constexpr qint64 MaxFileSize = 16 * 1024;
// What is kept of a cell's text, of a name typed on a shared login.
constexpr int MaxTypedLength = 32;

struct HandIn {
    QString pupil;
    std::array<std::optional<qint16>, Years> rabbits{};
    std::array<QString, Years> typed{};
    QString language;
    QString date;
    QString machine;
    QString name;
};

QByteArray header();
QByteArray write(const HandIn &handIn);

// Whose hand-in a file is, by its name: the login, made safe (letters, digits, '-' and '_' as they
// are, anything else as %XX, so that two logins never share a file and no login names a path or a
// hidden file), then ".csv". A hand-in that must not replace the login's own file (a name typed on
// a shared login, or the login's own name taken by someone else) adds the typed name, the machine
// and the time, each made safe alike and joined by '.', which the encoding never leaves in a part.
QString fileName(const QString &login);
QString ownFileName(const QString &login, const QString &name, const QString &machine, const QDateTime &when);

struct FileName {
    QString login;
    // The name typed on a shared login; empty for the login's own file and for a file of its own
    // written because the login's own name was taken.
    QString name;
    // The machine the name gives, for a hand-in of its own.
    QString machine;
    // Named with the machine and time: a hand-in of its own that never replaces another.
    bool own = false;
};
// Whose a file name says it is; nothing when it is not a hand-in's name, or not one as the lesson
// writes it: each part must be what encoding its decoded text gives back, so that `%61nna.csv` never
// passes for anna's.
std::optional<FileName> parseFileName(const QString &fileName);

// One CSV field, quoted when it holds a comma, a quote or a line break.
QString field(const QString &text);

} // namespace HandInCsv
