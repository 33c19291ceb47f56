// SPDX-License-Identifier: GPL-3.0-or-later
#include "popupscreen.h"

#include "lesson.h"

PopupScreen::PopupScreen(Lesson &lesson, ScreenId id, const QColor &background, PopupGame::Rules rules, int firstHole,
                         int holeCount)
    : LessonScreen(lesson, id, background), m_game(lesson.random, rules, firstHole, holeCount),
      m_board(HoleBoard::Stores::BurrowsAndRabbits)
{
    m_game.setHoleChanged([this](int index) { m_board.show(index, m_game.hole(index)); });
    connect(&m_board, &HoleBoard::clicked, this, [this](int index) { Hole_Click(index); });
    Popup.setInterval(1500);
    connect(&Popup, &QTimer::timeout, this, &PopupScreen::popupTick);
}

void PopupScreen::load()
{
    LessonScreen::load();
    // Never switched off: it keeps running while the pupil is elsewhere.
    Popup.start();
}

void PopupScreen::keepPopupRunning()
{
    if (!Popup.isActive())
        Popup.start();
}

void PopupScreen::popupTick()
{
    m_game.tick();
    if (m_game.rabbitUp())
        m_board.follow(m_game.currentHole());
}
