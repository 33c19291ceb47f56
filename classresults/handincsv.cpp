// SPDX-License-Identifier: GPL-3.0-or-later
#include "handincsv.h"

#include <QUrl>

namespace HandInCsv {

QByteArray header()
{
    return QByteArrayLiteral("pupil,year,rabbits,language,date,machine");
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
        const QStringList row{
            field(handIn.pupil),    QString::number(year), QString::number(handIn.rabbits[size_t(year)]),
            field(handIn.language), field(handIn.date),    field(handIn.machine)};
        text += row.join(QLatin1Char(',')).toUtf8() + '\n';
    }
    return text;
}

QString fileName(const QString &login)
{
    // '.' is encoded too, so no name is hidden, "." or "..".
    return QString::fromLatin1(QUrl::toPercentEncoding(login, "-_", ".~")) + QStringLiteral(".csv");
}

} // namespace HandInCsv
