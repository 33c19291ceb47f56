// SPDX-License-Identifier: GPL-3.0-or-later
#include "handin.h"

#include "handincsv.h"
#include "lesson.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QPointer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTimer>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <pwd.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

struct HandIn::Outcome {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    QString error;
};

namespace {

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool writeAll(int fd, const QByteArray &text)
{
    qsizetype written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.constData() + written, size_t(text.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

// Writes `text` as `name` in `folder` by a new temporary file renamed over the old one; returns why
// it could not, or nothing. Runs on the hand-in's own thread.
QString writeAtomically(const QString &folder, const QString &name, const QByteArray &text)
{
    // One hand-in at a time: two would share the temporary file.
    static std::mutex oneAtATime;
    const std::lock_guard lock(oneAtATime);
    // O_PATH: a class folder pupils may write in but not list (mode 1733) cannot be opened for reading.
    const int dir = ::open(QFile::encodeName(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return reason(errno);
    const QByteArray target = QFile::encodeName(name);
    struct stat old {};
    if (::fstatat(dir, target.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0 && old.st_uid != ::getuid()) {
        ::close(dir);
        //: Why a hand-in failed; %1 is the name of the file in the class folder, owned by another user.
        return HandIn::tr("%1 belongs to someone else").arg(name);
    }
    // One temporary name per pupil, so that a hand-in cut short (the machine switched off) leaves no
    // more than one stray file; another's file of that name is left alone for a name of chance.
    QByteArray temporary = '.' + target + ".part";
    if (::fstatat(dir, temporary.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0 && old.st_uid == ::getuid())
        ::unlinkat(dir, temporary.constData(), 0);
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 10; ++attempt) {
        if (attempt > 0)
            temporary = '.' + target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 16);
        fd = ::openat(dir, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const int error = errno;
        ::close(dir);
        return reason(error);
    }
    int error = 0;
    if (!writeAll(fd, text) || ::fsync(fd) != 0)
        error = errno ? errno : EIO;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::renameat(dir, temporary.constData(), dir, target.constData()) != 0)
        error = errno;
    if (error) {
        ::unlinkat(dir, temporary.constData(), 0);
    } else if (const int listing = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC); listing >= 0) {
        // The rename itself on the disk, where the folder can be read.
        ::fsync(listing);
        ::close(listing);
    }
    ::close(dir);
    return error ? reason(error) : QString();
}

} // namespace

HandIn::HandIn(Lesson &lesson, const QString &folder, const QString &language, const QString &login)
    : m_lesson(lesson), m_folder(expandFolder(folder)), m_language(language), m_login(login)
{
    connect(&lesson.chain, &ScreenChain::screenActivated, this, &HandIn::screenActivated);
    // At the stop sign, once the pupil has handed in during this lesson.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (!m_handedIn)
            return;
        handIn();
        m_ending = true;
        if (!wait(3000))
            report(tr("the folder does not answer"));
        else if (const std::lock_guard lock(m_last->mutex); !m_last->error.isEmpty())
            report(m_last->error);
    });
}

HandIn::~HandIn() = default;

QString HandIn::currentLogin()
{
    if (const passwd *user = ::getpwuid(::getuid()); user && user->pw_name && *user->pw_name)
        return QString::fromLocal8Bit(user->pw_name);
    return QStringLiteral("uid%1").arg(::getuid());
}

QString HandIn::expandFolder(const QString &setting)
{
    QString folder = setting.trimmed();
    if (folder == QLatin1String("~") || folder.startsWith(QLatin1String("~/")))
        folder.replace(0, 1, QDir::homePath());
    static const QRegularExpression variable(
        QStringLiteral(R"(\$(?:\{([A-Za-z_][A-Za-z0-9_]*)\}|([A-Za-z_][A-Za-z0-9_]*)))"));
    QString expanded;
    qsizetype from = 0;
    for (auto it = variable.globalMatch(folder); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
        expanded += folder.mid(from, match.capturedStart() - from) + qEnvironmentVariable(name.toLatin1().constData());
        from = match.capturedEnd();
    }
    return expanded + folder.mid(from);
}

QString HandIn::path() const
{
    return m_folder + QLatin1Char('/') + HandInCsv::fileName(m_login);
}

void HandIn::screenActivated(ScreenId id)
{
    // Forward from the results screen is the one move that ends on the conclusion after the table.
    if (id == ScreenId::Conclusion && m_previous == ScreenId::GraphForm)
        handIn();
    m_previous = id;
}

void HandIn::handIn()
{
    HandInCsv::HandIn results;
    results.pupil = m_login;
    for (int year = 0; year < HandInCsv::Years; ++year)
        results.rabbits[size_t(year)] = m_lesson.state.Counted[size_t(year + 1)];
    results.language = m_language;
    results.date = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    results.machine = QSysInfo::machineHostName();
    m_handedIn = true;

    auto outcome = std::make_shared<Outcome>();
    m_last = outcome;
    const QPointer<HandIn> self(this);
    std::thread([self, outcome, folder = m_folder, name = HandInCsv::fileName(m_login),
                 text = HandInCsv::write(results)] {
        const QString error = writeAtomically(folder, name, text);
        {
            const std::lock_guard lock(outcome->mutex);
            outcome->finished = true;
            outcome->error = error;
        }
        outcome->done.notify_all();
        if (QCoreApplication *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                app,
                [self, error] {
                    if (self)
                        self->finished(error);
                },
                Qt::QueuedConnection);
    }).detach();
}

bool HandIn::wait(int milliseconds)
{
    if (!m_last)
        return true;
    std::unique_lock lock(m_last->mutex);
    return m_last->done.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return m_last->finished; });
}

void HandIn::report(const QString &error)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 //: A line on standard error; %1 is the class folder, %2 the reason.
                 qPrintable(tr("cannot hand in the results to %1: %2").arg(m_folder, error)));
}

void HandIn::finished(const QString &error)
{
    // As the lesson ends, its end reports instead.
    if (m_ending)
        return;
    if (!error.isEmpty()) {
        report(error);
        m_lesson.chain.information(tr("Your results could not be handed in. Tell your teacher."));
    }
    emit written(error);
}
