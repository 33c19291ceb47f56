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
#include <QSet>
#include <algorithm>
#include <utility>

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

namespace {

// Two reads of one pupil's hand-in that show alike.
bool showAlike(const ClassFolder::Pupil &a, const ClassFolder::Pupil &b)
{
    return ClassFolder::label(a) == ClassFolder::label(b) && HandInCsv::write(a.handIn) == HandInCsv::write(b.handIn);
}

} // namespace

void ClassTable::setPupils(const QList<ClassFolder::Pupil> &pupils, const QDateTime &now)
{
    m_now = now;
    m_figures = ClassFigures::perYear(pupils);
    m_island = ClassGraph::islandRabbits();
    m_kinds = usualMachineKinds(pupils);
    setMissingRow(std::any_of(m_figures.begin(), m_figures.end(), [](const YearFigures &f) { return f.missing > 0; }));
    const int first = figureRows();
    // Each hand-in is known by its file: those gone leave, those new come in where the read puts them.
    QSet<QString> coming;
    for (const ClassFolder::Pupil &pupil : pupils)
        coming.insert(pupil.file);
    for (qsizetype row = m_pupils.size() - 1; row >= 0; --row)
        if (!coming.contains(m_pupils[row].file)) {
            beginRemoveRows(QModelIndex(), first + int(row), first + int(row));
            m_pupils.removeAt(row);
            endRemoveRows();
        }
    QSet<QString> staying;
    for (const ClassFolder::Pupil &pupil : std::as_const(m_pupils))
        staying.insert(pupil.file);
    QStringList order;
    for (const ClassFolder::Pupil &pupil : pupils)
        if (staying.contains(pupil.file))
            order << pupil.file;
    bool sameOrder = order.size() == m_pupils.size();
    for (qsizetype n = 0; sameOrder && n < order.size(); ++n)
        sameOrder = order[n] == m_pupils[n].file;
    if (!sameOrder) {
        // The folder's order of the rows there already changed (it never does by itself): read afresh.
        beginResetModel();
        m_pupils = pupils;
        endResetModel();
        return;
    }
    for (qsizetype row = 0; row < pupils.size(); ++row) {
        if (row < m_pupils.size() && m_pupils[row].file == pupils[row].file) {
            if (!showAlike(m_pupils[row], pupils[row])) {
                m_pupils[row] = pupils[row];
                emit dataChanged(index(first + int(row), 0), index(first + int(row), HandInCsv::Years));
                emit headerDataChanged(Qt::Vertical, first + int(row), first + int(row));
            } else {
                m_pupils[row] = pupils[row];
            }
            continue;
        }
        beginInsertRows(QModelIndex(), first + int(row), first + int(row));
        m_pupils.insert(row, pupils[row]);
        endInsertRows();
    }
    // The class's own rows, and each pupil's oddities, which depend on the whole class.
    if (first > 0)
        emit dataChanged(index(0, 0), index(first - 1, HandInCsv::Years));
    if (!m_pupils.isEmpty())
        emit dataChanged(index(first, HandInCsv::Years), index(rowCount(QModelIndex()) - 1, HandInCsv::Years));
}

void ClassTable::setMissingRow(bool shown)
{
    if (shown == m_missing)
        return;
    const int row = m_truth ? 2 : 1;
    if (shown)
        beginInsertRows(QModelIndex(), row, row);
    else
        beginRemoveRows(QModelIndex(), row, row);
    m_missing = shown;
    if (shown)
        endInsertRows();
    else
        endRemoveRows();
}

void ClassTable::setTruthShown(bool shown)
{
    if (shown == m_truth)
        return;
    if (shown)
        beginInsertRows(QModelIndex(), 0, 0);
    else
        beginRemoveRows(QModelIndex(), 0, 0);
    m_truth = shown;
    if (shown)
        endInsertRows();
    else
        endRemoveRows();
}

void ClassTable::setShortHeadings(bool shortHeadings)
{
    if (std::exchange(m_short, shortHeadings) != shortHeadings)
        emit headerDataChanged(Qt::Horizontal, 1, HandInCsv::Years - 1);
}

int ClassTable::figureRows() const
{
    return (m_truth ? 1 : 0) + 1 + (m_missing ? 1 : 0);
}

int ClassTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : figureRows() + int(m_pupils.size());
}

int ClassTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : HandInCsv::Years + 1;
}

QString ClassTable::spoken(int row, int column, const QString &value) const
{
    const QString who = headerData(row, Qt::Vertical, Qt::DisplayRole).toString();
    //: What a screen reader says of a cell of the class's table: %1 is the pupil (or "class median"), %2 the
    //: column ("Year 5" or "Handed in"), %3 what the cell holds.
    return ClassText::tr("%1, %2: %3")
        .arg(who, column < HandInCsv::Years ? ClassText::yearHeading(column) : ClassText::tr("Handed in"), value);
}

QVariant ClassTable::figureData(int which, size_t year, int role) const
{
    if (role == Qt::FontRole) {
        QFont bold;
        bold.setBold(which < 2);
        return bold;
    }
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignRight) | int(Qt::AlignVCenter);
    if (role == Qt::BackgroundRole)
        return QBrush(which == 0 ? QColor(0xfb, 0xe3, 0xe0) : QColor(0xe4, 0xec, 0xf8));
    if ((role != Qt::DisplayRole && role != Qt::AccessibleTextRole) || year >= HandInCsv::Years)
        return QVariant();
    QVariant value;
    if (which == 0)
        value = m_island[year];
    else if (which == 1)
        value = m_figures[year].counted ? QVariant(QLocale().toString(m_figures[year].median, 'g', 6)) : QVariant();
    else
        value = m_figures[year].missing;
    if (role == Qt::DisplayRole)
        return value;
    //: What a screen reader says of a year without a class median (no pupil gave a count).
    return spoken(which - (m_truth ? 0 : 1), int(year), value.isNull() ? ClassText::tr("none") : value.toString());
}

QVariant ClassTable::data(const QModelIndex &index, int role) const
{
    const int row = index.row() - figureRows();
    const auto year = size_t(index.column());
    if (row < 0)
        return figureData(index.row() + (m_truth ? 0 : 1), year, role);
    if (row >= m_pupils.size())
        return QVariant();
    const HandInCsv::HandIn &handIn = m_pupils.at(row).handIn;
    if (year == HandInCsv::Years) {
        const QString odd = oddity(handIn, m_kinds, m_now);
        const QString shown = handedIn(handIn, !odd.isEmpty(), m_now);
        if (role == Qt::DisplayRole)
            return shown;
        if (role == Qt::AccessibleTextRole)
            return spoken(index.row(), index.column(),
                          shown + (odd.isEmpty() ? QString() : QStringLiteral("; ") + odd));
        if (role == Qt::ToolTipRole)
            return PlainText::tip(
                //: The tooltip of a pupil's "Handed in" cell; %1 is the time (today) or the date and time,
                //: %2 the name of the machine the pupil handed in from (e.g. pc-07), %3 the lesson's language
                //: code (en, fr, de, es).
                ClassText::tr("Handed in %1 on %2, in %3")
                    .arg(handedIn(handIn, false, m_now).section(QStringLiteral(" \u00b7 "), 0, 0), handIn.machine,
                         handIn.language) +
                (odd.isEmpty() ? QString() : QLatin1Char('\n') + odd));
        if (role == Qt::BackgroundRole && !odd.isEmpty())
            return QBrush(QColor(0xff, 0xd7, 0x80));
        return QVariant();
    }
    const std::optional<qint16> rabbits = handIn.rabbits[year];
    // What the pupil typed where it is not a number: shown as it stands, marked as no count.
    const bool typedOnly = !rabbits && !handIn.typed[year].trimmed().isEmpty();
    switch (role) {
    case Qt::DisplayRole:
        return rabbits ? QVariant(int(*rabbits)) : typedOnly ? QVariant(typedShown(handIn.typed[year])) : QVariant();
    case Qt::AccessibleTextRole:
        return spoken(index.row(), index.column(),
                      rabbits ? QString::number(*rabbits)
                      : typedOnly
                          //: What a screen reader says of a count a pupil typed that is not a number; %1 is the text.
                          ? ClassText::tr("%1, not a number").arg(ClassFolder::shown(handIn.typed[year]))
                          //: What a screen reader says of a year a pupil left blank.
                          : ClassText::tr("blank"));
    case Qt::ToolTipRole:
        return PlainText::tip(handIn.typed[year]);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight) | int(Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return typedOnly ? QVariant(QBrush(QColor(0x70, 0x70, 0x70))) : QVariant();
    case Qt::FontRole:
        if (typedOnly) {
            QFont italic;
            italic.setItalic(true);
            return italic;
        }
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant ClassTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section == HandInCsv::Years ? ClassText::tr("Handed in")
               : m_short && section > 0    ? QString::number(section)
                                           : ClassText::yearHeading(section);
    const int row = section - figureRows();
    if (row < 0) {
        const int which = section + (m_truth ? 0 : 1);
        return which == 0   ? ClassGraph::tr("rabbits really there")
               : which == 1 ? ClassGraph::tr("class median")
                            : ClassText::missingRow();
    }
    return row < m_pupils.size() ? ClassFolder::shown(ClassFolder::label(m_pupils.at(row))) : QString();
}

QString ClassTable::handedIn(const HandInCsv::HandIn &handIn, bool odd, const QDateTime &now)
{
    const QDateTime when = QDateTime::fromString(handIn.date, Qt::ISODate);
    // Today's by the time alone, as nearly all are during the lesson; any other day in full,
    // so that a year 9999 does not pass as 99.
    const QDateTime local = when.toLocalTime();
    const QString date = !when.isValid() ? handIn.date
                         : local.date() == now.toLocalTime().date()
                             ? QLocale().toString(local.time(), QLocale::ShortFormat)
                             : local.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    return (odd ? QStringLiteral("\u26a0 ") : QString()) +
           ClassFolder::shown(QStringList{date, handIn.machine, handIn.language}.join(QStringLiteral(" \u00b7 ")));
}

QString ClassTable::typedShown(const QString &typed)
{
    constexpr int Longest = 8;
    const QString shown = ClassFolder::shown(typed.trimmed());
    return shown.size() <= Longest ? shown : shown.left(Longest - 1) + QStringLiteral("\u2026");
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
