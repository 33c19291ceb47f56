// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The beat of the pop-up games, which the practice burrows and the island share so that the two
// never differ: a rabbit up for one beat, then none for one beat. The lesson's beat is 1.5 s; a
// teacher may stretch it up to 15 s for every pupil (a setting), and a pupil may make it slower for
// a while or pause it (keys on the two screens).
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

    // One beat as it is now, in milliseconds.
    int beatMs() const;

signals:
    // The length of a beat has changed.
    void beatChanged();
    void pausedChanged(bool paused);
    void slowerChanged(bool slower);

private:
    double m_seconds = LessonSeconds;
    bool m_slower = false;
    bool m_paused = false;
};
