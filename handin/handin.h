// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "handincsv.h"
#include "screenid.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>

struct Lesson;
class HandInWriter;
class QLabel;

// Hands the pupil's results in to the class folder a school names (HandInFolder), as one CSV file
// named after the pupil's login, each time the pupil leaves the results screen forward. What is
// handed in is the results table as the pupil left it then: nothing later (the extension clearing
// the counts, the fox years, the end) changes it. Each hand-in replaces the pupil's earlier one at
// once (a temporary file renamed over it), so the teacher never reads half a file; a file of that
// name that someone else put there is never replaced (see HandInWriter).
//
// In a folder of boxes each hand-in goes into the pupil's own box; a pupil with none is told, as is a
// pupil whose settings name a class folder that cannot be used.
//
// On a login the whole class shares (SharedLogin), the pupil types a name before the first hand-in,
// and each hand-in is a file of its own (login, name, machine and time) that replaces no other.
//
// What became of a hand-in is told without stopping a game: "handed in" in a note that goes by
// itself, a failure in a message once the pupil is on a screen without running rabbits. At the end
// (the stop sign, a logout) the lesson waits for a hand-in still being written, saying so on screen,
// a bounded time; what could not be handed in is said on screen and in one line on standard error.
class HandIn : public QObject {
    Q_OBJECT
public:
    HandIn(Lesson &lesson, const QString &folder, const QString &language, const QString &login = currentLogin(),
           bool sharedLogin = false);
    ~HandIn() override;

    // The pupil's login from the system's user database (not from the environment, which a pupil
    // can set to another pupil's name).
    static QString currentLogin();
    // A folder as a technician writes it: "~" at the start for the home folder, $NAME and ${NAME}
    // for environment variables; empty when one of them is not set or empty.
    static QString expandFolder(const QString &setting);
    // A year of the results table as it is handed in: a blank cell is no count; a cell holding one
    // number and nothing else is its count (read as the lesson reads it, so "21.5" counts 22, and its
    // text goes along); anything else is no count, with its text.
    static void setCell(HandInCsv::HandIn &results, int year, const QString &text);

    // The folder hand-ins go to; empty when the setting cannot be used.
    QString folder() const { return m_folder; }
    // The pupil's own file.
    QString path() const;
    // The name typed on a shared login, once it has been.
    QString typedName() const { return m_name; }
    // The results as the pupil last left the results screen forward, if the pupil has.
    const std::optional<HandInCsv::HandIn> &results() const { return m_results; }
    // The last hand-in went under a name of its own, as the pupil's file was someone else's.
    bool nameTaken() const { return m_taken; }

    // Before the lesson ends at the stop sign: hands in again what did not get through, and waits for
    // what is being written, at most `milliseconds`, saying so on screen when it takes longer than a
    // moment. False when the results could not be handed in, which the pupil is then told.
    static constexpr int StopSignWait = 30000;
    bool finish(int milliseconds = StopSignWait);

    static QString handedInText();
    static QString stillHandingInText();
    static QString failedText();
    static QString takenText();
    static QString noBoxText();
    static QString notSetUpText();

signals:
    // Once a hand-in is written (`error` empty) or failed (why, in words).
    void written(const QString &error);

private:
    void screenActivated(ScreenId id);
    void takeResults();
    bool askName();
    void handIn();
    void finished(int result, const QString &error);
    // A note that goes by itself after `milliseconds` (0: stays).
    void tell(const QString &text, int milliseconds = 5000);
    void report(const QString &error);

    Lesson &m_lesson;
    QString m_folder;
    QString m_language;
    QString m_login;
    bool m_shared;
    bool m_makeFolder = false;
    QString m_name;
    std::optional<HandInCsv::HandIn> m_results;
    ScreenId m_previous = ScreenId::Intro1;
    // The last hand-in got through; false while one is being written or after one failed.
    bool m_through = false;
    bool m_taken = false;
    bool m_noBox = false;
    // The settings name a class folder that cannot be used (a variable not set, not a full path).
    bool m_notSetUp = false;
    bool m_ending = false;
    QString m_untold;
    QPointer<QLabel> m_note;
    std::unique_ptr<HandInWriter> m_writer;
};
