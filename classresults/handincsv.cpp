// SPDX-License-Identifier: GPL-3.0-or-later
#include "handincsv.h"

#include <QRegularExpression>
#include <QUrl>

namespace HandInCsv {

namespace {

QString safe(const QString &text)
{
    // '.' is encoded too, so no name is hidden, "." or "..", and '.' can join the parts of a name.
    return QString::fromLatin1(QUrl::toPercentEncoding(text, "-_", ".~"));
}

} // namespace

QByteArray header()
{
    return QByteArrayLiteral("pupil,year,rabbits,typed,language,date,machine,name");
}

QString field(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray write(const HandIn &handIn)
{
    QByteArray text = header() + '\n';
    for (int year = 0; year < Years; ++year) {
        const std::optional<qint16> rabbits = handIn.rabbits[size_t(year)];
        const QStringList row{field(handIn.pupil),
                              QString::number(year),
                              rabbits ? QString::number(*rabbits) : QString(),
                              field(handIn.typed[size_t(year)]),
                              field(handIn.language),
                              field(handIn.date),
                              field(handIn.machine),
                              field(handIn.name)};
        text += row.join(QLatin1Char(',')).toUtf8() + '\n';
    }
    return text;
}

QString fileName(const QString &login)
{
    return safe(login) + QStringLiteral(".csv");
}

QString ownFileName(const QString &login, const QString &name, const QString &machine, const QDateTime &when)
{
    return QStringList{safe(login), safe(name), safe(machine),
                       when.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmsszzz"))}
               .join(QLatin1Char('.')) +
           QStringLiteral(".csv");
}

std::optional<FileName> parseFileName(const QString &fileName)
{
    if (!fileName.endsWith(QLatin1String(".csv")))
        return std::nullopt;
    const QStringList parts = fileName.chopped(4).split(QLatin1Char('.'));
    if ((parts.size() != 1 && parts.size() != 4) || parts[0].isEmpty())
        return std::nullopt;
    FileName name;
    name.login = QUrl::fromPercentEncoding(parts[0].toLatin1());
    if (safe(name.login) != parts[0])
        return std::nullopt;
    if (parts.size() == 4) {
        name.name = QUrl::fromPercentEncoding(parts[1].toLatin1());
        name.machine = QUrl::fromPercentEncoding(parts[2].toLatin1());
        name.own = true;
        static const QRegularExpression time(QStringLiteral("^[0-9]{8}T[0-9]{9}$"));
        if (safe(name.name) != parts[1] || safe(name.machine) != parts[2] || !time.match(parts[3]).hasMatch())
            return std::nullopt;
    }
    return name;
}

} // namespace HandInCsv
