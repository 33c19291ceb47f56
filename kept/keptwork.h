// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screenid.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <array>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// The pupil's work, kept between runs so that a lesson stopped by the bell, a crash or a power cut
// carries on where it stopped: everything the pupil made that the lesson shows or uses later. The
// random layouts are not kept: a kept year is laid out afresh, as on any visit.
//
// It is kept as JSON text with a format version. Reading it back trusts nothing: every value is
// checked for its type and range, and anything wrong makes the whole file unusable.
struct KeptWork {
    static constexpr int FormatVersion = 1;
    // Longest text kept for a cell or the title; a cell takes what is typed, however long, but
    // nothing longer is a count or a title.
    static constexpr int MaxText = 1000;
    // Larger than any file the lesson writes (eleven texts of MaxText, each character escaped).
    static constexpr qint64 MaxFileBytes = 128 * 1024;

    // The screen showing, and the furthest screen reached: every screen up to it has been loaded.
    ScreenId screen = ScreenId::Intro1;
    ScreenId reached = ScreenId::Intro1;
    qint16 currentYear = 0;
    bool graphVisited = false;
    // The lesson's counts of years 1 to 10.
    std::array<qint16, 10> counted{};
    // The prediction ringed, 0 to 4, or -1 for none.
    int prediction = -1;
    // The results table's cells of rows 1 to 10, exactly as typed, the text in the title box, the
    // title the graph shows and whether its points are joined.
    std::array<QString, 10> table{};
    QString titleText;
    QString graphTitle;
    bool joined = false;

    bool operator==(const KeptWork &) const = default;

    // Worth keeping once the pupil has gone beyond the first screen.
    bool worthKeeping() const { return reached != ScreenId::Intro1; }

    QByteArray toJson() const;
    // The work in `json`, or nothing with the reason in `why`.
    static std::optional<KeptWork> fromJson(const QByteArray &json, QString *why = nullptr);

    static QString screenName(ScreenId id);
};

// The file the work is kept in, in the pupil's own state folder ($XDG_STATE_HOME/lapinar, else
// ~/.local/state/lapinar), readable by the pupil alone. Written whole to a new file that then
// replaces the old one, so a crash or a power cut leaves the old work or the new, never half of
// either. Every problem is told in one line on standard error; a file that cannot be used is
// renamed aside, never deleted; a folder that cannot be written leaves the lesson as it is.
class WorkFile {
public:
    // The folder the work is kept in, from the environment.
    static QString defaultFolder();

    explicit WorkFile(const QString &folder = defaultFolder());

    QString path() const;
    // The work answered away with No or --new-lesson: one generation, for a teacher to bring back.
    QString previousPath() const;

    // The kept work, or nothing when there is none or it cannot be used (then it is set aside).
    std::optional<KeptWork> read();
    // Writes the work whole; false (said once on standard error) when it cannot.
    bool write(const KeptWork &work);
    // Moves the kept work aside as the previous one, replacing an older previous one.
    void keepAsPrevious();

private:
    // Renames a file that cannot be used to a name of its own beside it.
    void setAside(const QString &why);

    QString m_folder;
    bool m_writeFailed = false;
};

// Writes the work file on a thread of its own, so that the interface never waits for the disk
// (making sure the work is on the disk takes milliseconds, more on a busy machine). The newest work
// handed over replaces any older work still waiting; what is being written is finished first.
class WorkWriter {
public:
    explicit WorkWriter(WorkFile &file) : m_file(file) {}
    // Finishes the work handed over, then stops.
    ~WorkWriter();
    WorkWriter(const WorkWriter &) = delete;
    WorkWriter &operator=(const WorkWriter &) = delete;

    void write(const KeptWork &work);
    // Returns once everything handed over is written (or has failed to be).
    void finish();

private:
    void run();

    WorkFile &m_file;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<KeptWork> m_waiting;
    bool m_busy = false;
    bool m_stop = false;
    std::thread m_thread;
};
