// SPDX-License-Identifier: GPL-3.0-or-later
// A class folder as a pupil out to do harm may leave it (every pupil can write in one), made by a
// generator from a seed: hand-ins with markup, escapes, bidirectional and zero-width characters in
// their names and cells, random bytes, huge lines, links to devices and to a file of the teacher's,
// pipes, deep folders, many files. The reader, the class window (its labels, its list and every role
// of every cell of its table, tooltips included), the merged CSV and the PDF report then run over it
// under a watchdog: nothing crashes or hangs, nothing outside the folder is read or written but the
// outputs named, and no markup is taken as markup.
//
// A few seeds run in the usual tests; LAPINAR_HOSTILE_SECONDS=N runs seed after seed for N seconds
// and LAPINAR_HOSTILE_SEED=S replays one. Each seed is printed before its folder is made.
#include "badfilelist.h"
#include "classfolder.h"
#include "classreader.h"
#include "classreport.h"
#include "classtable.h"
#include "classwindow.h"
#include "testsupport.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QLabel>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <condition_variable>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

class HostileFolderTest : public QObject {
    Q_OBJECT
private slots:
    void hostileFolderDoesNoHarm();
};

namespace {

// What a pupil types to do harm, or just by chance.
const QStringList Hostile{QStringLiteral("<img src=/dev/zero>"),
                          QStringLiteral("<a href=\"file:///etc/passwd\">x</a>"),
                          QStringLiteral("<b><i>"),
                          QStringLiteral("\u202e"),
                          QStringLiteral("\u2066"),
                          QStringLiteral("\u200b"),
                          QStringLiteral("\u200d"),
                          QStringLiteral("\ufeff"),
                          QStringLiteral("\x1b]0;PWNED\x07"),
                          QStringLiteral("\x1b[2J"),
                          QStringLiteral("\r"),
                          QStringLiteral("\n"),
                          QStringLiteral("\t"),
                          QStringLiteral("=cmd|' /C calc'!A0"),
                          QStringLiteral(";id>~/pw;"),
                          QStringLiteral("@SUM(1)"),
                          QStringLiteral("\""),
                          QStringLiteral(","),
                          QStringLiteral("%1$s%n"),
                          QStringLiteral(".."),
                          QStringLiteral("\u00e9\u0301"),
                          QStringLiteral("\U0001F407"),
                          QStringLiteral("anna"),
                          QStringLiteral("12")};

// A long run outlasts QTest's own limit on one test function (5 minutes): it gets one of its own,
// set before QTest reads it.
[[maybe_unused]] const bool LongRunTimed = [] {
    const int seconds = qEnvironmentVariableIntValue("LAPINAR_HOSTILE_SECONDS");
    if (seconds > 0 && !qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number((seconds + 600) * 1000LL));
    return true;
}();

struct Figures {
    qint64 folders = 0, files = 0, pupils = 0, badFiles = 0;
};

class Generator {
public:
    Generator(quint64 seed, const QString &teacherFile) : m_random(seed), m_teacherFile(teacherFile) {}

    int below(int n) { return int(m_random.bounded(quint32(n))); }
    QString text(int pieces)
    {
        QString out;
        for (int n = below(pieces + 1); n > 0; --n)
            out += below(4) ? Hostile[below(int(Hostile.size()))] : QChar(char16_t(1 + below(0xd7ff)));
        return out;
    }
    QByteArray bytes(int size)
    {
        QByteArray out(size, '\0');
        for (char &c : out)
            c = char(below(256));
        return out;
    }
    // A hand-in, well formed or a little off.
    QByteArray handIn(const QString &login)
    {
        HandInCsv::HandIn h;
        h.pupil = below(5) ? login : text(3);
        for (int year = 0; year < HandInCsv::Years; ++year) {
            if (below(4))
                h.rabbits[size_t(year)] = qint16(below(3) ? below(300) : int(m_random.generate()));
            h.typed[size_t(year)] = below(3) ? QString() : text(3);
        }
        h.language = text(2);
        h.date = below(2) ? QStringLiteral("2026-03-01T10:00:00Z") : text(2);
        h.machine = text(2);
        h.name = below(4) ? QString() : text(2);
        QByteArray out = HandInCsv::write(h);
        if (!below(4))
            out[below(int(out.size()))] = char(below(256));
        if (!below(8))
            out += out.mid(HandInCsv::header().size());
        return out;
    }
    QString fileName()
    {
        const int kind = below(4);
        const QString login = kind == 0 ? QStringLiteral("anna") : text(4);
        QString name = kind == 3 ? login : HandInCsv::fileName(login.isEmpty() ? QStringLiteral("x") : login);
        if (kind == 3)
            name = name.replace(QLatin1Char('/'), QLatin1Char('_')).remove(QChar(0)) + QStringLiteral(".csv");
        return name.left(200);
    }

    // Fills `folder` (and, for a class list, nothing else) with about `files` entries.
    void fill(const QString &folder, int files, bool many)
    {
        const QByteArray dir = QFile::encodeName(folder) + '/';
        for (int n = 0; n < files; ++n) {
            const QString name = fileName();
            const QByteArray path = dir + QFile::encodeName(name);
            switch (below(12)) {
            case 0:
                write(path, bytes(below(HandInCsv::MaxFileSize * 2)));
                break;
            case 1:
                write(path, HandInCsv::header() + '\n' + QByteArray(HandInCsv::MaxFileSize - 100 + below(200), 'x'));
                break;
            case 2: {
                static const char *const targets[] = {"/dev/zero", "/dev/urandom", "/dev/tty", "/proc/self/mem", ".."};
                const QByteArray to = below(2) ? QFile::encodeName(m_teacherFile) : QByteArray(targets[below(5)]);
                ::symlink(to.constData(), path.constData());
                break;
            }
            case 3:
                ::mkfifo(path.constData(), 0666);
                break;
            case 4: {
                // Deeper than a platform's download: never read below the first level.
                QByteArray deep = dir + "deep";
                for (int level = below(40); level >= 0; --level) {
                    ::mkdir(deep.constData(), 0777);
                    deep += '/' + QByteArray::number(level);
                }
                ::mkdir(deep.constData(), 0777);
                write(deep + "/anna.csv", handIn(QStringLiteral("anna")));
                break;
            }
            case 5: {
                // A pupil's folder, as a learning platform gives one.
                const QByteArray sub = dir + QFile::encodeName(text(2).replace(QLatin1Char('/'), QLatin1Char('_')));
                ::mkdir(sub.constData(), 0777);
                write(sub + '/' + QFile::encodeName(fileName()), handIn(QStringLiteral("anna")));
                break;
            }
            case 6: {
                const QByteArray list = dir + "class.txt";
                if (below(2))
                    ::symlink(QFile::encodeName(m_teacherFile).constData(), list.constData());
                else if (below(2))
                    ::mkfifo(list.constData(), 0666);
                else
                    write(list, text(40).toUtf8());
                break;
            }
            default: {
                const QString login = text(2);
                write(dir + QFile::encodeName(HandInCsv::fileName(login.isEmpty() ? QStringLiteral("b") : login)),
                      handIn(login));
            }
            }
        }
        // The names the teacher's outputs are asked for, taken first by links to the teacher's file.
        for (const char *output : {"class.csv", "class.pdf"})
            ::symlink(QFile::encodeName(m_teacherFile).constData(), (dir + output).constData());
        if (many)
            for (int n = 0; n < ClassFolder::MaxFiles + 50; ++n)
                write(dir + QByteArray::number(n) + ".csv", {});
    }

private:
    static void write(const QByteArray &path, const QByteArray &bytes)
    {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0)
            return;
        if (::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
            qWarning("short write");
        ::close(fd);
    }

    QRandomGenerator64 m_random;
    QString m_teacherFile;
};

// Ends the program, naming the seed, when a folder takes longer than it may: a hang is a failure
// that must not wait for the test runner's own time-out to say which seed it was.
class Watchdog {
public:
    Watchdog(quint64 seed, int seconds)
        : m_thread([this, seed, seconds] {
              std::unique_lock lock(m_mutex);
              if (!m_done.wait_for(lock, std::chrono::seconds(seconds), [this] { return m_finished; }))
                  qFatal("hostile folder of seed %llu: no end after %d s", static_cast<unsigned long long>(seed),
                         seconds);
          })
    {}
    ~Watchdog()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_all();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

// Every entry under `root` but those in `except`, as the file system shows it without following links.
QStringList snapshot(const QString &root, const QStringList &except)
{
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QByteArray path = QFile::encodeName(it.next());
        struct stat info {};
        if (except.contains(QFile::decodeName(path)) || ::lstat(path.constData(), &info) != 0)
            continue;
        out << QStringLiteral("%1 %2 %3 %4.%5")
                   .arg(QFile::decodeName(path))
                   .arg(info.st_mode)
                   .arg(info.st_size)
                   .arg(info.st_mtim.tv_sec)
                   .arg(info.st_mtim.tv_nsec);
    }
    out.sort();
    return out;
}

struct stat statOf(const QString &path)
{
    struct stat info {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info;
}

} // namespace

void HostileFolderTest::hostileFolderDoesNoHarm()
{
    const int seconds = qEnvironmentVariableIntValue("LAPINAR_HOSTILE_SECONDS");
    bool replay = false;
    const quint64 given = qEnvironmentVariable("LAPINAR_HOSTILE_SEED").toULongLong(&replay);
    QElapsedTimer clock;
    clock.start();
    Figures figures;
    for (int run = 0; replay ? run < 1 : seconds > 0 ? clock.elapsed() < seconds * 1000LL : run < 3; ++run) {
        const quint64 seed = replay ? given : QRandomGenerator::system()->generate64();
        std::fprintf(stderr, "hostile folder: seed %llu (replay with LAPINAR_HOSTILE_SEED=%llu)\n",
                     static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed));
        const Watchdog watchdog(seed, 300);
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("class"));
        const QString teacher = root.filePath(QStringLiteral("teacher.txt"));
        QVERIFY(QDir().mkpath(folder));
        // A class folder every pupil writes in; the teacher's file read long ago, so that reading it
        // now would move its access time on any mount that keeps one.
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 01777) == 0);
        {
            QFile file(teacher);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("the teacher's own\n") == 18);
        }
        const timespec longAgo[2] = {{1000000000, 0}, {0, UTIME_OMIT}};
        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(teacher).constData(), longAgo, AT_SYMLINK_NOFOLLOW) == 0);
        const struct stat teacherBefore = statOf(teacher);
        Generator generator(seed, teacher);
        const bool many = seconds > 0 && generator.below(20) == 0;
        generator.fill(folder, 20 + generator.below(seconds > 0 ? 600 : 150), many);
        const QStringList outputs{folder + QStringLiteral("/class.csv"), folder + QStringLiteral("/class.pdf")};
        // The folder itself changes with the outputs put in it.
        const QStringList before = snapshot(root.path(), outputs + QStringList{folder});
        const QString why = QStringLiteral("seed %1").arg(seed);

        const ClassFolder::Class handIns = ClassFolder::read(folder);
        const ClassList::List list = ClassList::read(folder, QString());
        ClassTable table;
        table.setPupils(handIns.pupils, QDateTime::currentDateTimeUtc());
        for (const bool truth : {false, true}) {
            table.setTruthShown(truth);
            for (int row = 0; row < table.rowCount({}); ++row)
                for (int column = 0; column < table.columnCount({}); ++column)
                    for (int role = 0; role <= Qt::UserRole;
                         role = role < Qt::InitialSortOrderRole ? role + 1 : Qt::UserRole + 1) {
                        const QVariant value = table.data(table.index(row, column), role);
                        if (role == Qt::ToolTipRole && !value.toString().isEmpty()) {
                            const RenderedTip tip(value.toString());
                            QVERIFY2(tip.loaded.isEmpty() && tip.anchors == 0, qPrintable(why));
                            QVERIFY2(!unsafeText(tip.toPlainText()), qPrintable(why));
                        } else if (value.typeId() == QMetaType::QString) {
                            QVERIFY2(!unsafeText(value.toString()), qPrintable(why));
                        }
                    }
            for (int section = 0; section < table.rowCount({}); ++section)
                QVERIFY2(!unsafeText(table.headerData(section, Qt::Vertical, Qt::DisplayRole).toString()),
                         qPrintable(why));
        }
        {
            // The window's own read, on its own thread, as the teacher opens it.
            ClassWindow window(folder);
            window.reader()->setWatching(false);
            QSignalSpy read(window.reader(), &ClassReader::classRead);
            QVERIFY2(read.wait(240000), qPrintable(why));
            for (const QLabel *label : window.findChildren<QLabel *>()) {
                QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(why));
                QVERIFY2(!unsafeText(label->text()), qPrintable(why));
            }
            for (int n = 0; n < window.badFiles()->count(); ++n)
                QVERIFY2(!unsafeText(window.badFiles()->item(n)->text()), qPrintable(why));
        }
        QString error;
        QVERIFY2(ClassReport::save(
                     outputs[0], ClassFolder::merged(handIns.pupils, ClassList::missing(list, handIns.pupils)), &error),
                 qPrintable(why + QLatin1Char(' ') + error));
        QVERIFY2(ClassReport::write(outputs[1], handIns, QDate::currentDate(), &error, list),
                 qPrintable(why + QLatin1Char(' ') + error));

        // Nothing else written, the teacher's file neither written nor read, the outputs in place of the links.
        QCOMPARE(snapshot(root.path(), outputs + QStringList{folder}), before);
        const struct stat teacherAfter = statOf(teacher);
        QVERIFY2(teacherAfter.st_size == 18 && teacherAfter.st_mtim.tv_sec == teacherBefore.st_mtim.tv_sec &&
                     teacherAfter.st_mtim.tv_nsec == teacherBefore.st_mtim.tv_nsec,
                 qPrintable(why));
        QVERIFY2(teacherAfter.st_atim.tv_sec == teacherBefore.st_atim.tv_sec, qPrintable(why));
        for (const QString &output : outputs)
            QVERIFY2(S_ISREG(statOf(output).st_mode), qPrintable(why));
        ++figures.folders;
        figures.files += before.size();
        figures.pupils += handIns.pupils.size();
        figures.badFiles += handIns.badFiles.size() + handIns.moreBadFiles;
    }
    std::fprintf(stderr,
                 "hostile folder: %lld folders, %lld entries, %lld pupils read, %lld files left out, in %.1f s\n",
                 static_cast<long long>(figures.folders), static_cast<long long>(figures.files),
                 static_cast<long long>(figures.pupils), static_cast<long long>(figures.badFiles),
                 double(clock.elapsed()) / 1000);
}

QTEST_MAIN(HostileFolderTest)
#include "tst_hostilefolder.moc"
