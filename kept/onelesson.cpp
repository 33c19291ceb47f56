// SPDX-License-Identifier: GPL-3.0-or-later
#include "onelesson.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QByteArray Forward = "forward\n";
const QByteArray Done = "forward done\n";
// The longest line either side reads; anything longer is not the question.
constexpr int LineMax = 64;
// How long a later start may keep a connection open without asking anything.
constexpr int AskingMs = 5000;

// The socket's address beside the lock; false when the path is too long for one, where no later
// start can ask either.
bool socketAddress(const QString &folder, sockaddr_un &address)
{
    const QByteArray path = QFile::encodeName(folder + QLatin1String("/lesson.socket"));
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return true;
}

// One later start's connection: it reads the question's line, answers it, and closes.
class Asking : public QObject {
public:
    Asking(int fd, OneLesson *lesson, std::function<void()> forward)
        : QObject(lesson), m_fd(fd), m_notifier(fd, QSocketNotifier::Read, this), m_forward(std::move(forward))
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, &Asking::read);
        QTimer::singleShot(AskingMs, this, &Asking::finish);
    }
    ~Asking() override
    {
        m_notifier.setEnabled(false);
        ::close(m_fd);
    }

private:
    void read()
    {
        char buffer[LineMax];
        const ssize_t got = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (got > 0)
            m_line.append(buffer, qsizetype(got));
        const qsizetype end = m_line.indexOf('\n');
        if (got > 0 && end < 0 && m_line.size() < LineMax)
            return;
        if (end >= 0 && m_line.left(end + 1) == Forward) {
            m_forward();
            // A start that has gone already must not end this lesson with a broken pipe.
            [[maybe_unused]] const ssize_t sent = ::send(m_fd, Done.constData(), size_t(Done.size()), MSG_NOSIGNAL);
        }
        finish();
    }
    void finish()
    {
        m_notifier.setEnabled(false);
        deleteLater();
    }

    int m_fd;
    QSocketNotifier m_notifier;
    std::function<void()> m_forward;
    QByteArray m_line;
};

} // namespace

OneLesson::OneLesson(const QString &folder) : m_folder(folder)
{
    // The folder as the work file makes it: the pupil's alone.
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0700) != 0 && errno == ENOENT && QDir().mkpath(QFileInfo(folder).path()))
        ::mkdir(name.constData(), 0700);
    const QByteArray lock = QFile::encodeName(folder + QLatin1String("/lesson.lock"));
    m_lock = ::open(lock.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (m_lock < 0)
        return;
    int locked;
    do
        locked = ::flock(m_lock, LOCK_EX | LOCK_NB);
    while (locked != 0 && errno == EINTR);
    if (locked != 0 && errno == EWOULDBLOCK) {
        m_only = false;
        return;
    }
    // Held (or a file system without locks, where there is nothing to be had): this lesson listens.
    listen();
}

void OneLesson::listen()
{
    sockaddr_un address;
    if (!socketAddress(m_folder, address))
        return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    // A socket left by a killed lesson is removed first; no live lesson holds it, as the lock says.
    ::unlink(address.sun_path);
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
        ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(fd, 8) != 0) {
        ::close(fd);
        return;
    }
    m_listening = fd;
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &OneLesson::answerAsking);
}

void OneLesson::answerAsking()
{
    int asking;
    while ((asking = ::accept4(m_listening, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0 || errno == EINTR ||
           errno == ECONNABORTED)
        if (asking >= 0)
            new Asking(asking, this, [this] { emit forwardAsked(); });
    // Out of descriptors or memory, the connection waits in the queue and would wake the loop at
    // once, again and again: listening pauses for a moment instead.
    if (errno != EAGAIN && errno != EWOULDBLOCK && m_notifier) {
        m_notifier->setEnabled(false);
        QTimer::singleShot(AskingMs / 5, m_notifier, [notifier = m_notifier] { notifier->setEnabled(true); });
    }
}

OneLesson::~OneLesson()
{
    // The socket goes before the lock, so that it is never a later lesson's that is removed.
    if (m_listening >= 0) {
        if (sockaddr_un address; socketAddress(m_folder, address))
            ::unlink(address.sun_path);
        ::close(m_listening);
    }
    if (m_lock >= 0)
        ::close(m_lock);
}

bool OneLesson::askOpenLessonForward(int waitMs) const
{
    sockaddr_un address;
    if (!socketAddress(m_folder, address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // A hung lesson whose queue of connections is full refuses at once rather than blocking.
    QByteArray answer;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 &&
        ::send(fd, Forward.constData(), size_t(Forward.size()), MSG_NOSIGNAL) == Forward.size()) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
        while (!answer.contains('\n') && answer.size() < LineMax) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                break;
            pollfd wait{fd, POLLIN, 0};
            const int ready = ::poll(&wait, 1, int(left.count()));
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready <= 0)
                break;
            char buffer[LineMax];
            const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
            if (got < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
            if (got <= 0)
                break;
            answer.append(buffer, qsizetype(got));
        }
    }
    ::close(fd);
    return answer.startsWith(Done);
}
