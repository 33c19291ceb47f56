// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// The one thread that writes hand-ins into the class folder, so that a folder on a network that
// does not answer never stops the lesson. A newer hand-in replaces one still waiting to be written:
// only the pupil's latest results matter. Each file is written whole under a temporary name, with a
// mode the lesson chooses (readable by the folder's group, the teacher's, and by no one else,
// whatever the umask), then renamed over the pupil's own file.
//
// Whose the old file is decides whether it may be replaced: where the folder shows the writer as the
// owner of its own new file, a file of the pupil's name owned by another was put there by someone
// else, and is never replaced; the hand-in is then written under a name of its own (the login with
// the machine and time) and the pupil is told. Where the folder shows every file with one owner (a
// share mounted for the whole machine) nothing can be told by owners, and the pupil's file is
// simply replaced.
//
// A class folder of boxes (marked at its top, see ClassFolder::BoxesMark) holds one folder per pupil
// that only the pupil can write in: the hand-in goes into the pupil's own box, and where there is
// none for the pupil, nothing is written and the pupil is told.
class HandInWriter {
public:
    struct Job {
        QString folder;
        // The pupil's file, replaced by each hand-in; and the name of its own used instead when that
        // one is someone else's (or, for a name typed on a shared login, the only name).
        QString name;
        QString ownName;
        QByteArray text;
        // Make the folder when it is missing (it is in the pupil's own home).
        bool makeFolder = false;
        // The pupil's box, by the login, where the folder is a folder of boxes.
        QString box;
    };
    enum class Result { Written, WrittenUnderOwnName, NoBox, Failed };
    struct Outcome {
        Result result = Result::Failed;
        QString error;
    };

    // `done` is called on the writing thread after each job.
    explicit HandInWriter(std::function<void(const Outcome &)> done);
    // Waits for the job being written at most as long as finish() was given; a folder that hangs
    // longer is left to the thread, which ends with the program.
    ~HandInWriter();

    void write(Job job);
    // True once nothing is waiting or being written.
    bool idle() const;
    // Waits until idle, at most `milliseconds`; true when idle.
    bool waitIdle(int milliseconds) const;

    // One file as the writer writes it, apart from the thread.
    static Outcome writeFile(const Job &job);

private:
    struct Shared;
    void run();

    std::shared_ptr<Shared> m_shared;
    std::thread m_thread;
};
