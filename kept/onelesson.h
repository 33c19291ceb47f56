// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

// One lesson per pupil at a time. Two lessons keeping work in one folder would each write only
// their own changes, so the one stopped last would win and the other's work would go back. The
// first lesson holds a lock on a file in the work folder (flock: a lesson that is killed lets go
// of it with its last breath, so it never blocks the next start, and it holds across the machines
// of a shared network home) and listens on a local socket beside it, through which a later start
// asks it to come to the front. The socket is a plain Unix-domain one watched by the event loop:
// a network library loaded for it would cost every start more than the first frame itself needs.
class OneLesson : public QObject {
    Q_OBJECT
public:
    explicit OneLesson(const QString &folder);
    ~OneLesson() override;

    // This lesson is the folder's only one: it holds the lock, or no lock can be had there at all
    // (a folder that cannot be written, where no work will be kept either).
    bool only() const { return m_only; }
    // For a later start: asks the lesson open in the folder to come to the front, and waits at most
    // `waitMs` for it to say it has; false when it did not (on another machine, or hung).
    bool askOpenLessonForward(int waitMs = 1000) const;

signals:
    // A later start asked this lesson to come to the front.
    void forwardAsked();

private:
    void listen();
    void answerAsking();

    QString m_folder;
    int m_lock = -1;
    bool m_only = true;
    int m_listening = -1;
    QSocketNotifier *m_notifier = nullptr;
};
