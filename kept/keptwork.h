// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screenid.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <optional>

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

    // The work answered away with No or --new-lesson is kept beside the work, for a teacher to bring
    // back, as dated copies (work.previous-DATE-TIME.json): the newest KeptPrevious of them, so that
    // no run of starts answered No loses the last lesson with work in it, while a pupil who starts
    // afresh every day fills nothing.
    static constexpr int KeptPrevious = 5;

    QString path() const;
    // The previous works kept, newest first.
    QStringList previousPaths() const;

    // The kept work, or nothing when there is none or it cannot be used (then it is set aside). A
    // work file of a newer format is left in place, and from then on nothing is written over it.
    std::optional<KeptWork> read();
    // The work file is of a newer format: it is left alone, and no work is kept over it.
    bool leftForNewerLesson() const { return m_newer; }
    // Writes the work whole; false (said once on standard error) when it cannot.
    bool write(const KeptWork &work);
    // Moves the kept work aside as the newest previous one, removing the oldest beyond KeptPrevious.
    void keepAsPrevious();

private:
    // Renames a file that cannot be used to a name of its own beside it.
    void setAside(const QString &why);

    QString m_folder;
    bool m_writeFailed = false;
    bool m_newer = false;
};
