// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classlist.h"

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <functional>

class QThread;
class FolderWorker;

// Keeps the class window's view of a class folder current, on any file system, without ever
// reading on the interface thread: a thread of its own reads the folder and the class list. It reads
// again a moment after the file system says the folder changed (where it can: not on network
// shares), and every few seconds it looks at the names, sizes and times of what is there and reads
// again only when they changed. A hostile folder (a hundred thousand files) or a hanging share slows
// the thread, never the window. A folder that gives no answer for a while (a share whose server is
// gone) is said: answeringChanged(false), and answeringChanged(true) once it answers again.
class ClassReader : public QObject {
    Q_OBJECT
public:
    ClassReader(const QString &folder, const QString &roster, QObject *parent = nullptr);
    ~ClassReader() override;

    // Reads the folder now, whether it changed or not (F5); and starts the watching and the poll.
    void readNow();
    // Every how long the folder is looked at; whether the file system is asked to say changes.
    void setPollInterval(int milliseconds) { m_poll.setInterval(milliseconds); }
    void setWatching(bool on);
    bool isReading() const { return m_reading; }
    // How long the folder may take to answer before it is said not to.
    void setPatience(int milliseconds) { m_patience.setInterval(milliseconds); }
    bool isAnswering() const { return !m_silent; }
    // When the look at the folder that has not ended began.
    QDateTime askedAt() const { return m_askedAt; }
    // Run on the reader's thread before each look at the folder: a test holds the thread there,
    // as a share that does not answer holds it in the kernel.
    void setHold(std::function<void()> hold) { m_hold = std::move(hold); }

signals:
    void readingChanged(bool reading);
    void answeringChanged(bool answering);
    void classRead(const ClassFolder::Class &handIns, const ClassList::List &list);

private:
    friend class FolderWorker;
    void ask(bool force);
    void started();
    void finished(const ClassFolder::Class *handIns, const ClassList::List *list, const QStringList &folders);

    QString m_folder;
    QString m_roster;
    QThread *m_thread = nullptr;
    FolderWorker *m_worker = nullptr;
    QFileSystemWatcher m_watcher;
    bool m_watching = true;
    QTimer m_poll;
    QTimer m_settle;
    QTimer m_patience;
    QDateTime m_askedAt;
    std::function<void()> m_hold;
    bool m_silent = false;
    bool m_busy = false;
    bool m_again = false;
    bool m_reading = false;
};
