// SPDX-License-Identifier: GPL-3.0-or-later
// The merged CSV the teacher takes away, made safe for any spreadsheet.
#include "classfolder.h"

namespace ClassFolder {

QString harmless(const QString &text)
{
    // What a spreadsheet takes as the start of a formula once it has split a line into cells and
    // trimmed the blanks around them; a quote starts a cell of its own text, which may be one too.
    static const QString starts = QStringLiteral("=+-@\"");
    QString out;
    out.reserve(text.size() + 2);
    bool cellStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (cellStart && !c.isSpace() && starts.contains(c))
            out += QLatin1Char('\'');
        if (i == 0 && (c == QLatin1Char('\t') || c == QLatin1Char('\r')))
            out += QLatin1Char('\'');
        out += c;
        if (c == QLatin1Char(';') || c == QLatin1Char('\t'))
            cellStart = true;
        else if (!c.isSpace())
            cellStart = false;
    }
    return out;
}

namespace {

// Each row of a hand-in's CSV, with `handed_in` added.
QByteArray marked(const QByteArray &rows, const char *handedIn)
{
    QByteArray out;
    for (const QByteArray &row : rows.split('\n'))
        if (!row.isEmpty())
            out += row + ',' + handedIn + '\n';
    return out;
}

} // namespace

QByteArray merged(const QList<Pupil> &pupils, const QStringList &missing)
{
    QByteArray out = HandInCsv::header() + ',' + MergedMark + '\n';
    out.reserve((pupils.size() + missing.size()) * HandInCsv::Years * 64);
    for (const Pupil &pupil : pupils) {
        HandInCsv::HandIn safe = pupil.handIn;
        for (QString *cell : {&safe.pupil, &safe.language, &safe.date, &safe.machine, &safe.name})
            *cell = harmless(*cell);
        for (QString &typed : safe.typed)
            typed = harmless(typed);
        // The counts are numbers written here, so a negative one stays a number.
        out += marked(HandInCsv::write(safe).mid(HandInCsv::header().size() + 1), "yes");
    }
    for (const QString &name : missing) {
        HandInCsv::HandIn absent;
        absent.pupil = harmless(name);
        out += marked(HandInCsv::write(absent).mid(HandInCsv::header().size() + 1), "no");
    }
    return out;
}

} // namespace ClassFolder
