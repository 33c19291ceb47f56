// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classlist.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

class QThread;
class FolderWorker;

// Keeps the class window's view of a class folder current, on any file system, without ever
// reading on the interface thread: a thread of its own reads the folder and the class list. It reads
// again a moment after the file system says the folder changed (where it can: not on network
// shares), and every few seconds it looks at the names, sizes and times of what is there and reads
// again only when they changed. A hostile folder (a hundred thousand files) or a hanging share slows
// the thread, never the window.
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

signals:
    void readingChanged(bool reading);
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
    bool m_busy = false;
    bool m_again = false;
    bool m_reading = false;
};
