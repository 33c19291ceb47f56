// SPDX-License-Identifier: GPL-3.0-or-later
#include "keptwork.h"

#include "lessonfolders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const Format = "Lapinar kept work";
const char *const ScreenNames[ScreenCount] = {"Intro1",    "Intro2",     "Prediction", "Intro3", "Island",
                                              "GraphForm", "Conclusion", "Extend",     "Foxes",  "Finish"};
const char *const Keys[] = {"format",  "version", "screen",     "reached",   "currentYear", "graphVisited",
                            "counted", "table",   "prediction", "titleText", "graphTitle",  "joined"};

// A text as kept: at most MaxText characters, never ending in half a surrogate pair.
QString keptText(const QString &text)
{
    if (text.size() <= KeptWork::MaxText)
        return text;
    QString cut = text.left(KeptWork::MaxText);
    if (cut.back().isHighSurrogate())
        cut.chop(1);
    return cut;
}

// Reads the values of one file, each checked as it is taken; the first fault found is kept.
class Reader {
public:
    explicit Reader(const QJsonObject &object) : m_object(object) {}

    bool ok() const { return m_why.isEmpty(); }
    const QString &why() const { return m_why; }
    void fail(const QString &why)
    {
        if (m_why.isEmpty())
            m_why = why;
    }

    int integer(const QJsonValue &v, const QString &name, int lowest, int highest)
    {
        const double d = v.toDouble(std::nan(""));
        if (!v.isDouble() || !std::isfinite(d) || d != std::floor(d) || d < lowest || d > highest) {
            fail(QStringLiteral("%1 is not a whole number from %2 to %3").arg(name).arg(lowest).arg(highest));
            return lowest;
        }
        return int(d);
    }
    int integer(const char *key, int lowest, int highest)
    {
        return integer(m_object.value(QLatin1String(key)), QLatin1String(key), lowest, highest);
    }
    bool flag(const char *key)
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (!v.isBool())
            fail(QStringLiteral("%1 is not true or false").arg(QLatin1String(key)));
        return v.toBool();
    }
    QString text(const QJsonValue &v, const QString &name)
    {
        if (!v.isString() || v.toString().size() > KeptWork::MaxText) {
            fail(QStringLiteral("%1 is not a text of at most %2 characters").arg(name).arg(KeptWork::MaxText));
            return QString();
        }
        return v.toString();
    }
    QString text(const char *key) { return text(m_object.value(QLatin1String(key)), QLatin1String(key)); }
    ScreenId screen(const char *key)
    {
        const QString name = m_object.value(QLatin1String(key)).toString();
        for (int i = 0; i < ScreenCount; ++i)
            if (name == QLatin1String(ScreenNames[i]))
                return ScreenId(i);
        fail(QStringLiteral("%1 is not a screen of the lesson").arg(QLatin1String(key)));
        return ScreenId::Intro1;
    }
    // An array of exactly n entries.
    QJsonArray array(const char *key, qsizetype n)
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (!v.isArray() || v.toArray().size() != n) {
            fail(QStringLiteral("%1 is not a list of %2").arg(QLatin1String(key)).arg(n));
            return QJsonArray();
        }
        return v.toArray();
    }

private:
    const QJsonObject &m_object;
    QString m_why;
};

// The lesson's kept work in a format newer than this lesson reads.
bool newerFormat(const QByteArray &json)
{
    const QJsonObject object = QJsonDocument::fromJson(json).object();
    const QJsonValue version = object.value(QLatin1String("version"));
    return object.value(QLatin1String("format")).toString() == QLatin1String(Format) && version.isDouble() &&
           version.toDouble() > KeptWork::FormatVersion;
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

void say(const QString &line)
{
    qWarning("Lapinar: %s", qUtf8Printable(line));
}

// Makes the folder's entries as they are now (a file renamed into it) last through a power cut;
// 0, or the error. A file system that cannot sync a folder is taken as one that needs no such sync.
int syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    return error;
}

} // namespace

QString KeptWork::screenName(ScreenId id)
{
    return QLatin1String(ScreenNames[std::clamp(int(id), 0, ScreenCount - 1)]);
}

QByteArray KeptWork::toJson() const
{
    QJsonArray counts;
    for (qint16 c : counted)
        counts.append(int(c));
    QJsonArray cells;
    for (const QString &cell : table)
        cells.append(keptText(cell));
    const QJsonObject object{
        {QLatin1String("format"), QLatin1String(Format)},
        {QLatin1String("version"), FormatVersion},
        {QLatin1String("screen"), screenName(screen)},
        {QLatin1String("reached"), screenName(reached)},
        {QLatin1String("currentYear"), int(currentYear)},
        {QLatin1String("graphVisited"), graphVisited},
        {QLatin1String("counted"), counts},
        {QLatin1String("prediction"), prediction},
        {QLatin1String("table"), cells},
        {QLatin1String("titleText"), keptText(titleText)},
        {QLatin1String("graphTitle"), keptText(graphTitle)},
        {QLatin1String("joined"), joined},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::optional<KeptWork> KeptWork::fromJson(const QByteArray &json, QString *why)
{
    const auto refuse = [why](const QString &reason) {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    if (json.size() > MaxFileBytes)
        return refuse(QStringLiteral("it is larger than %1 bytes").arg(MaxFileBytes));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return refuse(QStringLiteral("it is not JSON (%1 at byte %2)").arg(error.errorString()).arg(error.offset));
    if (!document.isObject())
        return refuse(QStringLiteral("it is not a JSON object"));
    const QJsonObject object = document.object();
    if (object.value(QLatin1String("format")).toString() != QLatin1String(Format))
        return refuse(QStringLiteral("it is not the lesson's kept work"));
    if (object.value(QLatin1String("version")) != QJsonValue(FormatVersion))
        return refuse(QStringLiteral("its format version is not %1").arg(FormatVersion));
    for (auto k = object.begin(); k != object.end(); ++k)
        if (std::find_if(std::begin(Keys), std::end(Keys),
                         [&](const char *key) { return k.key() == QLatin1String(key); }) == std::end(Keys))
            return refuse(QStringLiteral("it has an unknown entry %1").arg(k.key().left(40)));

    Reader r(object);
    KeptWork work;
    work.screen = r.screen("screen");
    work.reached = r.screen("reached");
    if (int(work.screen) > int(work.reached))
        r.fail(QStringLiteral("screen lies beyond the screen reached"));
    // The island shows visits 1 to 10 and the fox island years 0 to 10; stepping past either end
    // leaves the year one beyond it.
    const bool island = work.screen == ScreenId::Island;
    const bool foxes = work.screen == ScreenId::Foxes;
    work.currentYear = qint16(r.integer("currentYear", island ? 1 : foxes ? 0 : -1, island || foxes ? 10 : 11));
    work.graphVisited = r.flag("graphVisited");
    const QJsonArray counts = r.array("counted", qsizetype(work.counted.size()));
    for (qsizetype i = 0; i < counts.size(); ++i)
        work.counted[std::size_t(i)] =
            qint16(r.integer(counts[i], QStringLiteral("counted[%1]").arg(i), SHRT_MIN, SHRT_MAX));
    work.prediction = r.integer("prediction", -1, 4);
    const QJsonArray cells = r.array("table", qsizetype(work.table.size()));
    for (qsizetype i = 0; i < cells.size(); ++i)
        work.table[std::size_t(i)] = r.text(cells[i], QStringLiteral("table[%1]").arg(i));
    work.titleText = r.text("titleText");
    work.graphTitle = r.text("graphTitle");
    work.joined = r.flag("joined");
    if (!r.ok())
        return refuse(r.why());
    return work;
}

QString WorkFile::defaultFolder()
{
    return LessonFolders::state();
}

WorkFile::WorkFile(const QString &folder) : m_folder(folder) {}

QString WorkFile::path() const
{
    return m_folder + QLatin1String("/work.json");
}

QStringList WorkFile::previousPaths() const
{
    // By the date in the name, and within one second by the number after it; a work.previous.json
    // left by an older lesson counts as the oldest.
    static const QRegularExpression name(QStringLiteral("^work\\.previous(?:-(\\d{8}-\\d{6})(?:-(\\d+))?)?\\.json$"));
    QList<std::pair<std::pair<QString, int>, QString>> found;
    const QStringList names =
        QDir(m_folder).entryList({QStringLiteral("work.previous*.json")}, QDir::Files | QDir::System | QDir::Hidden);
    for (const QString &file : names)
        if (const QRegularExpressionMatch m = name.match(file); m.hasMatch())
            found.append({{m.captured(1), m.captured(2).isEmpty() ? 1 : m.captured(2).toInt()}, file});
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    QStringList paths(found.size(), m_folder + QLatin1Char('/'));
    for (qsizetype i = 0; i < found.size(); ++i)
        paths[i] += found[i].second;
    return paths;
}

std::optional<KeptWork> WorkFile::read()
{
    const QByteArray name = QFile::encodeName(path());
    // Not through a symbolic link, and without waiting on a pipe put where the file should be.
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        // No file, or no folder for one.
        if (error == ENOENT || error == ENOTDIR)
            return std::nullopt;
        setAside(error == ELOOP ? QStringLiteral("it is a symbolic link") : errorText(error));
        return std::nullopt;
    }
    QByteArray json;
    QString why;
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        why = errorText(errno);
    else if (!S_ISREG(info.st_mode))
        why = S_ISDIR(info.st_mode) ? QStringLiteral("it is a folder") : QStringLiteral("it is not a plain file");
    else if (info.st_size > KeptWork::MaxFileBytes)
        why = QStringLiteral("it is larger than %1 bytes").arg(KeptWork::MaxFileBytes);
    else {
        // One byte more than allowed is enough to tell a file that grew meanwhile.
        json.resize(KeptWork::MaxFileBytes + 1);
        qsizetype got = 0;
        while (got < json.size()) {
            const ssize_t n = ::read(fd, json.data() + got, std::size_t(json.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                why = errorText(errno);
                break;
            }
            if (n == 0)
                break;
            got += n;
        }
        json.resize(got);
    }
    ::close(fd);
    std::optional<KeptWork> work;
    if (why.isEmpty())
        work = KeptWork::fromJson(json, &why);
    if (!work && newerFormat(json)) {
        // Kept by a newer lesson (a school's machines differ): left for it, and nothing kept over it.
        m_newer = true;
        say(QStringLiteral("the kept work %1 was kept by a newer Lapinar; it is left as it is, and this lesson "
                           "keeps no work")
                .arg(path()));
        return std::nullopt;
    }
    if (!work)
        setAside(why);
    return work;
}

void WorkFile::setAside(const QString &why)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString aside;
    struct stat info {};
    for (int n = 1;; ++n) {
        aside = path() + QLatin1String(".bad-") + stamp + (n > 1 ? QStringLiteral("-%1").arg(n) : QString());
        if (::lstat(QFile::encodeName(aside).constData(), &info) != 0)
            break;
    }
    if (::rename(QFile::encodeName(path()).constData(), QFile::encodeName(aside).constData()) == 0)
        say(QStringLiteral("the kept work %1 cannot be used (%2); a fresh lesson starts, and the file is kept as %3")
                .arg(path(), why, aside));
    else
        say(QStringLiteral("the kept work %1 cannot be used (%2); a fresh lesson starts, and the file could not be "
                           "set aside (%3)")
                .arg(path(), why, errorText(errno)));
}

bool WorkFile::write(const KeptWork &work)
{
    if (m_newer)
        return false;
    const auto failed = [this](const QString &why) {
        // Said once: a folder that cannot be written stays so for the run, and the lesson goes on.
        if (!m_writeFailed)
            say(QStringLiteral("the pupil's work cannot be kept in %1 (%2); the lesson goes on without keeping it")
                    .arg(m_folder, why));
        m_writeFailed = true;
        return false;
    };
    // The lesson's own folder is the pupil's alone; the folders above it are made as any program
    // makes them.
    const QByteArray folder = QFile::encodeName(m_folder);
    int made = ::mkdir(folder.constData(), 0700);
    if (made != 0 && errno == ENOENT && QDir().mkpath(QFileInfo(m_folder).path()))
        made = ::mkdir(folder.constData(), 0700);
    if (made != 0 && errno != EEXIST)
        return failed(errorText(errno));
    // Never through a link or into a folder put where the file should be.
    struct stat info {};
    if (::lstat(QFile::encodeName(path()).constData(), &info) == 0 && !S_ISREG(info.st_mode))
        return failed(QStringLiteral("%1 is not a plain file").arg(path()));

    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    // The pupil's alone, whatever the umask or an older file allowed.
    if (::fchmod(file.handle(), S_IRUSR | S_IWUSR) != 0) {
        const int error = errno;
        file.cancelWriting();
        return failed(errorText(error));
    }
    const QByteArray json = work.toJson();
    if (file.write(json) != json.size() || !file.commit())
        return failed(file.errorString());
    // The new file is on the disk; the folder's new entry for it is only once the folder is too.
    if (const int error = syncFolder(m_folder))
        return failed(errorText(error));
    m_writeFailed = false;
    return true;
}

void WorkFile::keepAsPrevious()
{
    if (m_newer)
        return;
    struct stat info {};
    if (::lstat(QFile::encodeName(path()).constData(), &info) != 0)
        return;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString previous;
    for (int n = 1;; ++n) {
        previous = m_folder + QLatin1String("/work.previous-") + stamp +
                   (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) + QLatin1String(".json");
        if (::lstat(QFile::encodeName(previous).constData(), &info) != 0)
            break;
    }
    if (::rename(QFile::encodeName(path()).constData(), QFile::encodeName(previous).constData()) != 0) {
        say(QStringLiteral("the kept work %1 could not be kept as %2 (%3)").arg(path(), previous, errorText(errno)));
        return;
    }
    syncFolder(m_folder);
    const QStringList kept = previousPaths();
    for (qsizetype i = KeptPrevious; i < kept.size(); ++i)
        if (::unlink(QFile::encodeName(kept[i]).constData()) != 0)
            say(QStringLiteral("the old previous work %1 could not be removed (%2)").arg(kept[i], errorText(errno)));
}
