// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classfigures.h"

#include <QAbstractTableModel>
#include <QDateTime>

// The class window's table: the rabbits really there (unless hidden), the class median and, when
// any count is missing, how many are missing, year by year; then one row per pupil. The last column
// says when, on which machine and in which language each pupil handed in, marked when odd: a date in
// the future, or a machine of a kind the rest of the class does not use (another room's). A count
// the pupil typed that is not a number shows as typed, in grey italics. Each cell tells a screen
// reader whose it is and which year, so that a teacher who cannot see the headings hears them.
//
// A class read again changes only the rows that changed (rows come and go one by one), so that the
// teacher's scroll position, selection and focus stay while a class hands in.
class ClassTable : public QAbstractTableModel {
public:
    void setPupils(const QList<ClassFolder::Pupil> &pupils, const QDateTime &now);
    const QList<ClassFolder::Pupil> &pupils() const { return m_pupils; }
    void setTruthShown(bool shown);
    bool truthShown() const { return m_truth; }
    // Year headings as numbers after the first ("Year 0", "1", "2"…), for a narrow window.
    void setShortHeadings(bool shortHeadings);
    // Rows before the pupils'.
    int figureRows() const;

    int rowCount(const QModelIndex &parent) const override;
    int columnCount(const QModelIndex &parent) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // What is odd about a hand-in, in words; empty when nothing is.
    static QString oddity(const HandInCsv::HandIn &handIn, const QStringList &machineKinds, const QDateTime &now);
    // The kind of each machine (its name without numbers), kept where most of the class's are.
    static QStringList usualMachineKinds(const QList<ClassFolder::Pupil> &pupils);
    // When (the time today, or the date and time), from which machine and in which language, with
    // a warning sign when something is odd about it.
    static QString handedIn(const HandInCsv::HandIn &handIn, bool odd, const QDateTime &now);
    // What a pupil typed in a year's cell that is not a number, cut short to fit a column.
    static QString typedShown(const QString &typed);

private:
    QString spoken(int row, int column, const QString &value) const;
    QVariant figureData(int which, size_t year, int role) const;
    void setMissingRow(bool shown);

    QList<ClassFolder::Pupil> m_pupils;
    std::array<YearFigures, HandInCsv::Years> m_figures{};
    std::array<int, HandInCsv::Years> m_island{};
    QStringList m_kinds;
    QDateTime m_now;
    bool m_truth = false;
    bool m_missing = false;
    bool m_short = false;
};
