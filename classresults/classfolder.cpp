// SPDX-License-Identifier: GPL-3.0-or-later
#include "classfolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

struct Reader {
    Class result;
    int files = 0;

    void folder(int dir, const QString &prefix, bool descend)
    {
        DIR *listing = ::fdopendir(dir);
        if (!listing) {
            ::close(dir);
            return;
        }
        while (const dirent *entry = ::readdir(listing)) {
            const QString name = QFile::decodeName(entry->d_name);
            if (name.startsWith(QLatin1Char('.')))
                continue;
            struct stat info {};
            if (::fstatat(::dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            const QString path = prefix + name;
            if (S_ISDIR(info.st_mode)) {
                if (!descend)
                    continue;
                const int sub =
                    ::openat(::dirfd(listing), entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                if (sub >= 0)
                    folder(sub, path + QLatin1Char('/'), false);
                continue;
            }
            if (!name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
                continue;
            if (++files > MaxFiles) {
                //: Why a file of the class folder was left out; %1 is the most files the class view reads (a number).
                bad(path, Words::tr("more than %1 files in the class folder; not read").arg(MaxFiles));
                continue;
            }
            if (S_ISLNK(info.st_mode))
                bad(path, Words::tr("a link, not a file; not followed"));
            else if (!S_ISREG(info.st_mode))
                bad(path, Words::tr("not a plain file"));
            else
                file(::dirfd(listing), entry->d_name, path);
        }
        ::closedir(listing);
    }

    void file(int dir, const char *entry, const QString &path)
    {
        const int fd = ::openat(dir, entry, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return bad(path, reason(errno));
        struct stat info {};
        QByteArray bytes;
        QString fault;
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            fault = Words::tr("not a plain file");
        } else if (info.st_size > HandInCsv::MaxFileSize) {
            //: Why a file of the class folder was left out; %1 is the file's size in bytes.
            fault = Words::tr("larger than a hand-in can be (%1 bytes)").arg(info.st_size);
        } else {
            bytes.resize(HandInCsv::MaxFileSize + 1);
            qsizetype got = 0;
            while (got < bytes.size()) {
                const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0)
                    break;
                got += n;
            }
            bytes.truncate(got);
            if (got > HandInCsv::MaxFileSize)
                fault = Words::tr("larger than a hand-in can be");
        }
        ::close(fd);
        if (fault.isEmpty()) {
            if (std::optional<HandInCsv::HandIn> handIn = parse(bytes, &fault)) {
                result.pupils.append({*handIn, path});
                return;
            }
        }
        bad(path, fault);
    }

    void bad(const QString &path, const QString &fault) { result.badFiles.append({path, fault}); }
};

} // namespace

std::optional<HandInCsv::HandIn> parse(const QByteArray &bytes, QString *fault)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError() || text.contains(QChar(0))) {
        *fault = Words::tr("not UTF-8 text");
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
        *fault = Words::tr("the first line is not pupil,year,rabbits");
        return std::nullopt;
    }
    if (lines.size() != HandInCsv::Years + 1) {
        //: Why a hand-in was left out; %1 is the number of year rows it has, %2 the number it should have.
        *fault = Words::tr("rows of years: %1, not %2").arg(lines.size() - 1).arg(HandInCsv::Years);
        return std::nullopt;
    }
    const qsizetype language = header->indexOf(QStringLiteral("language"));
    const qsizetype date = header->indexOf(QStringLiteral("date"));
    const qsizetype machine = header->indexOf(QStringLiteral("machine"));
    HandInCsv::HandIn handIn;
    std::array<bool, HandInCsv::Years> seen{};
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const std::optional<QStringList> row = fields(lines[n]);
        if (!row || row->size() != header->size()) {
            //: Why a hand-in was left out; %1 is the number of the faulty row.
            *fault = Words::tr("row %1 does not match the header").arg(n + 1);
            return std::nullopt;
        }
        const std::optional<int> year = integer(row->at(1), 0, HandInCsv::Years - 1);
        const std::optional<int> rabbits = integer(row->at(2), -32768, 32767);
        const QString pupil = shown(row->at(0).trimmed()).left(MaxNameLength);
        if (!year || seen[size_t(*year)] || !rabbits || pupil.isEmpty() || (n > 1 && pupil != handIn.pupil)) {
            //: Why a hand-in was left out; %1 is the number of the faulty row.
            *fault = Words::tr("row %1 is not a year of the same pupil's counts").arg(n + 1);
            return std::nullopt;
        }
        seen[size_t(*year)] = true;
        handIn.pupil = pupil;
        handIn.rabbits[size_t(*year)] = qint16(*rabbits);
        if (n == 1) {
            handIn.language = shown(row->value(language)).left(16);
            handIn.date = shown(row->value(date)).left(32);
            handIn.machine = shown(row->value(machine)).left(MaxNameLength);
        }
    }
    return handIn;
}

Class read(const QString &folder)
{
    Reader reader;
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
        reader.result.error = reason(errno);
        return reader.result;
    }
    reader.folder(dir, QString(), true);
    QList<Pupil> &pupils = reader.result.pupils;
    // The latest hand-in of a pupil first, then the rest of the same name dropped.
    std::sort(pupils.begin(), pupils.end(), [](const Pupil &a, const Pupil &b) {
        const int byName = a.handIn.pupil.compare(b.handIn.pupil, Qt::CaseInsensitive);
        if (byName != 0)
            return byName < 0;
        if (a.handIn.pupil != b.handIn.pupil)
            return a.handIn.pupil < b.handIn.pupil;
        return a.handIn.date != b.handIn.date ? a.handIn.date > b.handIn.date : a.file < b.file;
    });
    QList<Pupil> kept;
    kept.reserve(pupils.size());
    for (const Pupil &pupil : pupils) {
        if (!kept.isEmpty() && kept.last().handIn.pupil == pupil.handIn.pupil)
            //: Why a file was left out: the pupil named by %1 (a login name) handed in a newer one.
            reader.bad(pupil.file, Words::tr("an earlier hand-in of %1, who handed in again").arg(pupil.handIn.pupil));
        else
            kept.append(pupil);
    }
    pupils = kept;
    for (BadFile &badFile : reader.result.badFiles)
        badFile.file = shown(badFile.file);
    std::sort(reader.result.badFiles.begin(), reader.result.badFiles.end(),
              [](const BadFile &a, const BadFile &b) { return a.file < b.file; });
    return reader.result;
}

QString shown(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        const char16_t u = c.unicode();
        if (c.category() == QChar::Other_Control || u == 0x061C || u == 0x200E || u == 0x200F ||
            (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0x2028 || u == 0x2029)
            c = QChar(QChar::ReplacementCharacter);
    }
    return out;
}

QString harmless(const QString &text)
{
    static const QString starts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && starts.contains(text.front()) ? QLatin1Char('\'') + text : text;
}

QByteArray merged(const QList<Pupil> &pupils)
{
    QByteArray out = HandInCsv::header() + '\n';
    out.reserve(pupils.size() * HandInCsv::Years * 64);
    for (const Pupil &pupil : pupils) {
        HandInCsv::HandIn safe = pupil.handIn;
        for (QString *cell : {&safe.pupil, &safe.language, &safe.date, &safe.machine})
            *cell = harmless(*cell);
        // The counts are numbers written here, so a negative one stays a number.
        out += HandInCsv::write(safe).mid(HandInCsv::header().size() + 1);
    }
    return out;
}

} // namespace ClassFolder
