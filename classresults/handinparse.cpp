// SPDX-License-Identifier: GPL-3.0-or-later
// One hand-in read from its bytes, every field checked: a file of the class folder is untrusted.
#include "classfolder.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace ClassFolder {

namespace {

// What is said of a bad file, in the lesson's language.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(ClassFolder)
};

// The fields of one line of CSV; nothing when a quote is left open or stray.
std::optional<QStringList> fields(QStringView line)
{
    QStringList out;
    QString current;
    bool quoted = false, wasQuoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                    current += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                current += c;
            }
        } else if (c == QLatin1Char(',')) {
            out << current;
            current.clear();
            wasQuoted = false;
        } else if (c == QLatin1Char('"') && current.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == QLatin1Char('"') || wasQuoted) {
            return std::nullopt;
        } else {
            current += c;
        }
    }
    if (quoted)
        return std::nullopt;
    out << current;
    return out;
}

std::optional<int> integer(const QString &text, int low, int high)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<HandInCsv::HandIn> parse(const QByteArray &bytes, QString *fault)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError() || text.contains(QChar(0))) {
        *fault = Words::tr("not a hand-in: not text");
        return std::nullopt;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    for (QStringView &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const std::optional<QStringList> header = lines.isEmpty() ? std::nullopt : fields(lines.first());
    if (!header || header->size() < 3 || header->at(0).trimmed() != QLatin1String("pupil") ||
        header->at(1).trimmed() != QLatin1String("year") || header->at(2).trimmed() != QLatin1String("rabbits")) {
        *fault = Words::tr("not a hand-in: its first line is not pupil,year,rabbits");
        return std::nullopt;
    }
    if (lines.size() - 1 < HandInCsv::Years) {
        if (lines.size() == 2)
            //: Why a hand-in was left out: it has a row for one year only.
            *fault = Words::tr("only 1 year");
        else
            //: Why a hand-in was left out; %1 is the number of years it has (2 to 9).
            *fault = Words::tr("only %1 years").arg(lines.size() - 1);
        return std::nullopt;
    }
    if (lines.size() - 1 > HandInCsv::Years) {
        //: Why a hand-in was left out; %1 is the number of year rows it has, %2 the lesson's 10.
        *fault = Words::tr("%1 rows of years, more than the lesson's %2").arg(lines.size() - 1).arg(HandInCsv::Years);
        return std::nullopt;
    }
    const auto column = [&header](const char *name) { return header->indexOf(QLatin1String(name)); };
    const qsizetype typed = column("typed"), language = column("language"), date = column("date"),
                    machine = column("machine"), name = column("name");
    HandInCsv::HandIn handIn;
    std::array<bool, HandInCsv::Years> seen{};
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const std::optional<QStringList> row = fields(lines[n]);
        if (!row || row->size() != header->size()) {
            //: Why a hand-in was left out; %1 is the number of the faulty row.
            *fault = Words::tr("row %1 does not match the first line").arg(n + 1);
            return std::nullopt;
        }
        const std::optional<int> year = integer(row->at(1), 0, HandInCsv::Years - 1);
        if (!year) {
            //: Why a hand-in was left out; %1 is the row's number, %2 what it has for a year.
            *fault = Words::tr("row %1: a year that is not 0 to 9: %2").arg(n + 1).arg(shown(row->at(1)).left(16));
            return std::nullopt;
        }
        if (seen[size_t(*year)]) {
            //: Why a hand-in was left out; %1 is a year, 0 to 9.
            *fault = Words::tr("year %1 twice").arg(*year);
            return std::nullopt;
        }
        const QString count = row->at(2).trimmed();
        const std::optional<int> rabbits = integer(count, -32768, 32767);
        if (!count.isEmpty() && !rabbits) {
            //: Why a hand-in was left out; %1 is the text it has for a count.
            *fault = Words::tr("a count that is not a number: %1").arg(shown(count).left(16));
            return std::nullopt;
        }
        const QString pupil = shown(row->at(0).trimmed()).left(MaxNameLength);
        if (pupil.isEmpty() || (n > 1 && pupil != handIn.pupil)) {
            if (pupil.isEmpty())
                //: Why a hand-in was left out; %1 is the number of the row.
                *fault = Words::tr("row %1 names no pupil").arg(n + 1);
            else
                //: Why a hand-in was left out; %1 and %2 are the two names its rows give.
                *fault = Words::tr("rows of two pupils: %1 and %2").arg(handIn.pupil, pupil);
            return std::nullopt;
        }
        seen[size_t(*year)] = true;
        handIn.pupil = pupil;
        if (rabbits)
            handIn.rabbits[size_t(*year)] = qint16(*rabbits);
        handIn.typed[size_t(*year)] = shown(row->value(typed)).left(HandInCsv::MaxTypedLength);
        if (n == 1) {
            handIn.language = shown(row->value(language)).left(16);
            handIn.date = shown(row->value(date)).left(32);
            handIn.machine = shown(row->value(machine)).left(MaxNameLength);
            handIn.name = shown(row->value(name).trimmed()).left(HandInCsv::MaxTypedLength);
        }
    }
    return handIn;
}

QString shown(const QString &text)
{
    // Control and format characters (bidirectional marks, zero-width spaces and joiners, soft
    // hyphens, tags), line and paragraph separators and halves of a character that has none.
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t u = text[i].unicode();
        bool whole = !QChar::isSurrogate(u);
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            u = QChar::surrogateToUcs4(text[i], text[i + 1]);
            whole = true;
        }
        const QChar::Category category = QChar::category(u);
        if (!whole || category == QChar::Other_Control || category == QChar::Other_Format ||
            category == QChar::Separator_Line || category == QChar::Separator_Paragraph) {
            out += QChar(QChar::ReplacementCharacter);
            continue;
        }
        if (QChar::requiresSurrogates(u)) {
            out += QChar(QChar::highSurrogate(u));
            out += QChar(QChar::lowSurrogate(u));
            ++i;
        } else {
            out += QChar(char16_t(u));
        }
    }
    return out;
}

} // namespace ClassFolder
