// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The beat of the pop-up games, which the practice burrows and the island share so that the two
// never differ: a rabbit up for one beat, then none for one beat. The lesson's beat is 1.5 s; a
// teacher may stretch the time a rabbit is up to 15 s for every pupil (a setting), and a pupil may
// make it slower for a while or pause it (keys on the two screens). What a slow pupil needs is time
// with the rabbit up: the wait between rabbits stays the lesson's own 1.5 s however long that is.
class PopupRhythm : public QObject {
    Q_OBJECT
public:
    static constexpr double LessonSeconds = 1.5;
    static constexpr double LongestSeconds = 15;
    // How much longer every beat is while the pupil has made it slower.
    static constexpr int SlowerBy = 2;
    static constexpr Qt::Key PauseKey = Qt::Key_P;
    static constexpr Qt::Key SlowerKey = Qt::Key_S;

    // The teacher's beat, kept within LessonSeconds to LongestSeconds.
    void setSeconds(double seconds);
    double seconds() const { return m_seconds; }

    bool isSlower() const { return m_slower; }
    void setSlower(bool slower);
    bool isPaused() const { return m_paused; }
    void setPaused(bool paused);

    // The beat as it is now, in milliseconds: how long a rabbit stays up, and how long no rabbit is.
    int upMs() const;
    int gapMs() const;
    // The beat that follows a tick leaving a rabbit up, or none.
    int beatMs(bool rabbitUp) const { return rabbitUp ? upMs() : gapMs(); }

    // The pupil has been among the burrows of either game with the keyboard: after a year is laid
    // out, a panel closes or a game's screen opens, the focus goes back among them.
    bool playsFromTheBurrows() const { return m_fromTheBurrows; }
    void setPlaysFromTheBurrows() { m_fromTheBurrows = true; }

signals:
    // The length of a beat has changed.
    void beatChanged();
    void pausedChanged(bool paused);
    void slowerChanged(bool slower);

private:
    double m_seconds = LessonSeconds;
    bool m_slower = false;
    bool m_paused = false;
    bool m_fromTheBurrows = false;
};
