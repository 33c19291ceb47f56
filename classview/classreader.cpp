// SPDX-License-Identifier: GPL-3.0-or-later
#include "classreader.h"

#include <QCryptographicHash>
#include <QFile>
#include <QThread>
#include <atomic>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void addFacts(QCryptographicHash &seen, const struct stat &info)
{
    const qint64 facts[] = {qint64(info.st_size), qint64(info.st_mtim.tv_sec), qint64(info.st_mtim.tv_nsec),
                            qint64(info.st_uid), qint64(info.st_mode)};
    seen.addData(QByteArrayView(reinterpret_cast<const char *>(facts), sizeof facts));
}

// What a look at the folder sees: the names of its entries, and the size, time and owner of each
// hand-in and folder (one level down), and of the class list. Cheap enough to take every few seconds:
// a folder below the top (a pupil's box) is looked at for its pupil's own file first and then for no
// more entries than are read of it, however many a pupil put there.
void look(int dir, QCryptographicHash &seen, QStringList *folders, const QString &prefix, const std::atomic<bool> &stop,
          const QString &box = QString())
{
    if (struct stat info{}; !box.isEmpty() && ::fstatat(dir, QFile::encodeName(HandInCsv::fileName(box)).constData(),
                                                        &info, AT_SYMLINK_NOFOLLOW) == 0)
        addFacts(seen, info);
    DIR *listing = ::fdopendir(dir);
    if (!listing) {
        ::close(dir);
        return;
    }
    int entries = 0;
    while (const dirent *entry = ::readdir(listing)) {
        if (stop.load(std::memory_order_relaxed) || (!folders && ++entries > ClassFolder::MaxPerBox + 2))
            break;
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        seen.addData(name);
        seen.addData(QByteArrayView("/", 1));
        const bool maybeFolder = entry->d_type == DT_DIR || entry->d_type == DT_UNKNOWN;
        if (!maybeFolder && !name.endsWith(".csv") && !name.endsWith(".CSV") && !name.endsWith(".txt"))
            continue;
        struct stat info {};
        if (::fstatat(::dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        addFacts(seen, info);
        // Enough folders for a learning platform's download of a class, and no more to watch.
        if (folders && folders->size() < 500 && S_ISDIR(info.st_mode) && !name.startsWith('.')) {
            const int sub = ::openat(::dirfd(listing), entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub >= 0) {
                *folders << prefix + QFile::decodeName(name);
                look(sub, seen, nullptr, QString(), stop, QFile::decodeName(name));
            }
        }
    }
    ::closedir(listing);
}

} // namespace

// Lives in the reader's thread.
class FolderWorker : public QObject {
public:
    std::atomic<bool> stop{false};

    void poll(const QString &folder, const QString &roster, bool force, ClassReader *reader,
              const std::function<void()> &hold)
    {
        if (hold)
            hold();
        QCryptographicHash seen(QCryptographicHash::Sha1);
        QStringList folders{folder};
        const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0)
            look(dir, seen, &folders, folder + QLatin1Char('/'), stop);
        if (struct stat info{}; !roster.isEmpty() && ::stat(QFile::encodeName(roster).constData(), &info) == 0) {
            const qint64 facts[] = {qint64(info.st_size), qint64(info.st_mtim.tv_sec), qint64(info.st_mtim.tv_nsec)};
            seen.addData(QByteArrayView(reinterpret_cast<const char *>(facts), sizeof facts));
        }
        const QByteArray print = dir >= 0 ? seen.result() : QByteArray("unreadable");
        if (stop)
            return;
        if (!force && print == m_last) {
            QMetaObject::invokeMethod(reader, [reader] { reader->finished(nullptr, nullptr, {}); });
            return;
        }
        QMetaObject::invokeMethod(reader, [reader] { reader->started(); });
        auto list = std::make_shared<ClassList::List>(ClassList::read(folder, roster));
        auto handIns = std::make_shared<ClassFolder::Class>(ClassFolder::read(folder, list.get(), &stop));
        m_last = print;
        if (stop)
            return;
        QMetaObject::invokeMethod(
            reader, [reader, handIns, list, folders] { reader->finished(handIns.get(), list.get(), folders); });
    }

private:
    QByteArray m_last;
};

ClassReader::ClassReader(const QString &folder, const QString &roster, QObject *parent)
    : QObject(parent), m_folder(folder), m_roster(roster), m_thread(new QThread), m_worker(new FolderWorker)
{
    m_thread->setObjectName(QStringLiteral("Lapinar class folder"));
    m_worker->moveToThread(m_thread);
    m_thread->start();
    m_poll.setInterval(3000);
    connect(&m_poll, &QTimer::timeout, this, [this] { ask(false); });
    m_settle.setSingleShot(true);
    m_settle.setInterval(400);
    connect(&m_settle, &QTimer::timeout, this, [this] { ask(true); });
    m_patience.setSingleShot(true);
    m_patience.setInterval(5000);
    connect(&m_patience, &QTimer::timeout, this, [this] {
        m_silent = true;
        emit answeringChanged(false);
    });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
}

ClassReader::~ClassReader()
{
    m_worker->stop = true;
    m_thread->quit();
    // A share that hangs may hold the thread in the kernel: the window closes anyway, and the
    // thread is left to the end of the program.
    if (m_thread->wait(2000)) {
        delete m_worker;
        delete m_thread;
    }
}

void ClassReader::setWatching(bool on)
{
    m_watching = on;
    if (!on && !m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
}

void ClassReader::readNow()
{
    m_poll.start();
    ask(true);
}

void ClassReader::ask(bool force)
{
    if (m_busy) {
        m_again = m_again || force;
        return;
    }
    m_busy = true;
    m_askedAt = QDateTime::currentDateTime();
    m_patience.start();
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, folder = m_folder, roster = m_roster, force, this,
                                         hold = m_hold] { worker->poll(folder, roster, force, this, hold); });
}

void ClassReader::started()
{
    m_reading = true;
    emit readingChanged(true);
}

void ClassReader::finished(const ClassFolder::Class *handIns, const ClassList::List *list, const QStringList &folders)
{
    m_busy = false;
    m_patience.stop();
    if (std::exchange(m_silent, false))
        emit answeringChanged(true);
    if (handIns) {
        if (m_watching) {
            if (const QStringList old = m_watcher.directories(); old != folders) {
                if (!old.isEmpty())
                    m_watcher.removePaths(old);
                m_watcher.addPaths(folders);
            }
            if (!m_roster.isEmpty() && m_watcher.files().isEmpty())
                m_watcher.addPath(m_roster);
        }
        m_reading = false;
        emit readingChanged(false);
        emit classRead(*handIns, *list);
    }
    if (std::exchange(m_again, false))
        ask(true);
}
