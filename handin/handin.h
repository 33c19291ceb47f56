// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screenid.h"

#include <QObject>
#include <QString>
#include <memory>

struct Lesson;

// Hands the pupil's results in to the class folder a school names (HandInFolder), as one CSV file
// named after the pupil's login, each time the pupil leaves the results screen forward, and again
// when the lesson ends after that. Each hand-in replaces the pupil's earlier one at once (a
// temporary file renamed over it), so the teacher never reads half a file; a file of that name that
// belongs to someone else, or anything but the pupil's own file or link, is never written.
//
// The writing runs on a thread of its own, so that a class folder on a network that does not answer
// never stops the lesson; the end of the lesson waits for it a few seconds at most. A folder that is
// missing or cannot be written is said in one line on standard error and, while the lesson runs, in
// a short message; the pupil's own kept work is another matter and is never touched here.
class HandIn : public QObject {
    Q_OBJECT
public:
    HandIn(Lesson &lesson, const QString &folder, const QString &language, const QString &login = currentLogin());
    ~HandIn() override;

    // The pupil's login from the system's user database (not from the environment, which a pupil
    // can set to another pupil's name).
    static QString currentLogin();
    // A folder as a technician writes it: "~" at the start for the home folder, $NAME and ${NAME}
    // for environment variables (an unset one is empty).
    static QString expandFolder(const QString &setting);

    QString path() const;
    // Writes the hand-in now, beside the lesson.
    void handIn();
    // Waits at most `milliseconds` for the last hand-in to be written; true when it was.
    bool wait(int milliseconds);

signals:
    // Once a hand-in is written (`error` empty) or failed (why, in words).
    void written(const QString &error);

private:
    struct Outcome;
    void screenActivated(ScreenId id);
    void finished(const QString &error);
    void report(const QString &error);

    Lesson &m_lesson;
    QString m_folder;
    QString m_language;
    QString m_login;
    ScreenId m_previous = ScreenId::Intro1;
    bool m_handedIn = false;
    bool m_ending = false;
    std::shared_ptr<Outcome> m_last;
};
