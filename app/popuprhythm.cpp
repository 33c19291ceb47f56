// SPDX-License-Identifier: GPL-3.0-or-later
#include "popuprhythm.h"

#include <algorithm>
#include <cmath>

void PopupRhythm::setSeconds(double seconds)
{
    if (!std::isfinite(seconds))
        seconds = LessonSeconds;
    seconds = std::clamp(seconds, LessonSeconds, LongestSeconds);
    if (seconds == m_seconds)
        return;
    m_seconds = seconds;
    emit beatChanged();
}

void PopupRhythm::setSlower(bool slower)
{
    if (slower == m_slower)
        return;
    m_slower = slower;
    emit slowerChanged(slower);
    emit beatChanged();
}

void PopupRhythm::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    emit pausedChanged(paused);
}

int PopupRhythm::upMs() const
{
    return int(std::lround(m_seconds * 1000)) * (m_slower ? SlowerBy : 1);
}

int PopupRhythm::gapMs() const
{
    return int(std::lround(LessonSeconds * 1000));
}
