// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classfigures.h"

#include <QAbstractTableModel>
#include <QDateTime>

// The class window's table: the rabbits really there (unless hidden), the class median and, when
// any count is missing, how many are missing, year by year; then one row per pupil. The last column
// says when, on which machine and in which language each pupil handed in, marked when odd: a date in
// the future, or a machine of a kind the rest of the class does not use (another room's).
class ClassTable : public QAbstractTableModel {
public:
    void setPupils(const QList<ClassFolder::Pupil> *pupils, const QDateTime &now);
    void setTruthShown(bool shown);
    bool truthShown() const { return m_truth; }
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

private:
    const QList<ClassFolder::Pupil> *m_pupils = nullptr;
    std::array<YearFigures, HandInCsv::Years> m_figures{};
    std::array<int, HandInCsv::Years> m_island{};
    QStringList m_kinds;
    QDateTime m_now;
    bool m_truth = false;
    bool m_missing = false;
};
