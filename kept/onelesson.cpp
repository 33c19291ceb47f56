// SPDX-License-Identifier: GPL-3.0-or-later
#include "onelesson.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray Forward = "forward\n";
const QByteArray Done = "forward done\n";

QString socketPath(const QString &folder)
{
    return folder + QLatin1String("/lesson.socket");
}

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
    // A socket left by a killed lesson is removed first; no live lesson holds it, as the lock says.
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(socketPath(folder));
    if (!m_server->listen(socketPath(folder)))
        return;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *asking = m_server->nextPendingConnection()) {
            connect(asking, &QLocalSocket::disconnected, asking, &QObject::deleteLater);
            connect(asking, &QLocalSocket::readyRead, this, [this, asking] {
                if (!asking->canReadLine())
                    return;
                if (asking->readLine(64) == Forward) {
                    emit forwardAsked();
                    asking->write(Done);
                }
                asking->disconnectFromServer();
            });
        }
    });
}

OneLesson::~OneLesson()
{
    if (m_server && m_server->isListening())
        m_server->close();
    if (m_lock >= 0)
        ::close(m_lock);
}

bool OneLesson::askOpenLessonForward(int waitMs) const
{
    QLocalSocket socket;
    QEventLoop wait;
    QByteArray answer;
    connect(&socket, &QLocalSocket::connected, &wait, [&] { socket.write(Forward); });
    connect(&socket, &QLocalSocket::readyRead, &wait, [&] {
        answer += socket.readAll();
        if (answer.contains('\n'))
            wait.quit();
    });
    connect(&socket, &QLocalSocket::disconnected, &wait, &QEventLoop::quit);
    connect(&socket, &QLocalSocket::errorOccurred, &wait, &QEventLoop::quit);
    QTimer::singleShot(waitMs, &wait, &QEventLoop::quit);
    socket.connectToServer(socketPath(m_folder));
    if (socket.state() != QLocalSocket::UnconnectedState)
        wait.exec();
    return answer.startsWith(Done);
}
