// SPDX-License-Identifier: GPL-3.0-or-later
#include "classtable.h"

#include "classgraph.h"
#include "classtext.h"
#include "plaintext.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QLocale>
#include <algorithm>

namespace {

QString kind(const QString &machine)
{
    QString out;
    for (const QChar c : machine)
        if (!c.isDigit())
            out += c.toLower();
    return out;
}

} // namespace

void ClassTable::setPupils(const QList<ClassFolder::Pupil> *pupils, const QDateTime &now)
{
    beginResetModel();
    m_pupils = pupils;
    m_now = now;
    m_figures = ClassFigures::perYear(pupils ? *pupils : QList<ClassFolder::Pupil>());
    m_island = ClassGraph::islandRabbits();
    m_kinds = pupils ? usualMachineKinds(*pupils) : QStringList();
    m_missing = std::any_of(m_figures.begin(), m_figures.end(), [](const YearFigures &f) { return f.missing > 0; });
    endResetModel();
}

void ClassTable::setTruthShown(bool shown)
{
    beginResetModel();
    m_truth = shown;
    endResetModel();
}

int ClassTable::figureRows() const
{
    return (m_truth ? 1 : 0) + 1 + (m_missing ? 1 : 0);
}

int ClassTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_pupils ? 0 : figureRows() + int(m_pupils->size());
}

int ClassTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : HandInCsv::Years + 1;
}

QVariant ClassTable::data(const QModelIndex &index, int role) const
{
    const int row = index.row() - figureRows();
    const auto year = size_t(index.column());
    if (row < 0) {
        // 0: the truth (when shown), then the median, then the missing.
        const int which = index.row() + (m_truth ? 0 : 1);
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(which < 2);
            return bold;
        }
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignRight) | int(Qt::AlignVCenter);
        if (role == Qt::BackgroundRole)
            return QBrush(which == 0 ? QColor(0xfb, 0xe3, 0xe0) : QColor(0xe4, 0xec, 0xf8));
        if (role != Qt::DisplayRole || year >= HandInCsv::Years)
            return QVariant();
        if (which == 0)
            return m_island[year];
        if (which == 1)
            return m_figures[year].counted ? QVariant(QLocale().toString(m_figures[year].median, 'g', 6)) : QVariant();
        return m_figures[year].missing;
    }
    const HandInCsv::HandIn &handIn = m_pupils->at(row).handIn;
    if (year == HandInCsv::Years) {
        const QString odd = oddity(handIn, m_kinds, m_now);
        const QDateTime when = QDateTime::fromString(handIn.date, Qt::ISODate);
        // Today's by the time alone, as nearly all are during the lesson; any other day in full,
        // so that a year 9999 does not pass as 99.
        const QDateTime local = when.toLocalTime();
        const QString date = !when.isValid() ? handIn.date
                             : local.date() == m_now.toLocalTime().date()
                                 ? QLocale().toString(local.time(), QLocale::ShortFormat)
                                 : local.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        if (role == Qt::DisplayRole)
            return (odd.isEmpty() ? QString() : QStringLiteral("\u26a0 ")) +
                   ClassFolder::shown(
                       QStringList{date, handIn.machine, handIn.language}.join(QStringLiteral(" \u00b7 ")));
        if (role == Qt::ToolTipRole)
            return PlainText::tip(
                //: The tooltip of a pupil's "Handed in" cell; %1 is the time (today) or the date and time,
                //: %2 the name of the machine the pupil handed in from (e.g. pc-07), %3 the lesson's language
                //: code (en, fr, de, es).
                ClassText::tr("Handed in %1 on %2, in %3").arg(date, handIn.machine, handIn.language) +
                (odd.isEmpty() ? QString() : QLatin1Char('\n') + odd));
        if (role == Qt::BackgroundRole && !odd.isEmpty())
            return QBrush(QColor(0xff, 0xd7, 0x80));
        return QVariant();
    }
    if (role == Qt::DisplayRole) {
        const std::optional<qint16> rabbits = handIn.rabbits[year];
        return rabbits ? QVariant(int(*rabbits)) : QVariant();
    }
    if (role == Qt::ToolTipRole)
        return PlainText::tip(handIn.typed[year]);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignRight) | int(Qt::AlignVCenter);
    return QVariant();
}

QVariant ClassTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section < HandInCsv::Years ? ClassText::yearHeading(section) : ClassText::tr("Handed in");
    const int row = section - figureRows();
    if (row < 0) {
        const int which = section + (m_truth ? 0 : 1);
        return which == 0   ? ClassGraph::tr("rabbits really there")
               : which == 1 ? ClassGraph::tr("class median")
                            : ClassText::missingRow();
    }
    return m_pupils && row < m_pupils->size() ? ClassFolder::shown(ClassFolder::label(m_pupils->at(row))) : QString();
}

QStringList ClassTable::usualMachineKinds(const QList<ClassFolder::Pupil> &pupils)
{
    QHash<QString, int> count;
    for (const ClassFolder::Pupil &pupil : pupils)
        ++count[kind(pupil.handIn.machine)];
    int most = 0;
    for (const int n : std::as_const(count))
        most = std::max(most, n);
    // Only where the class plainly shares a room: most of it on machines of one kind.
    if (pupils.size() < 3 || most * 2 < pupils.size())
        return {};
    QStringList kinds;
    for (auto k = count.cbegin(); k != count.cend(); ++k)
        if (k.value() > 1)
            kinds << k.key();
    return kinds;
}

QString ClassTable::oddity(const HandInCsv::HandIn &handIn, const QStringList &machineKinds, const QDateTime &now)
{
    QStringList odd;
    const QDateTime when = QDateTime::fromString(handIn.date, Qt::ISODate);
    // A day's grace for a machine whose clock is a little ahead.
    if (when.isValid() && when > now.addDays(1))
        odd << ClassText::tr("dated in the future");
    else if (!when.isValid() && !handIn.date.isEmpty())
        odd << ClassText::tr("a date that is not one");
    if (!machineKinds.isEmpty() && !machineKinds.contains(kind(handIn.machine)))
        odd << ClassText::tr("from a machine the rest of the class does not use");
    return odd.join(QStringLiteral("; "));
}
