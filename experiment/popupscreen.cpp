// SPDX-License-Identifier: GPL-3.0-or-later
#include "popupscreen.h"

#include "accessibility.h"
#include "lesson.h"
#include "twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

PopupScreen::PopupScreen(Lesson &lesson, ScreenId id, const QColor &background, PopupGame::Rules rules, int firstHole,
                         int holeCount)
    : LessonScreen(lesson, id, background), m_game(lesson.random, rules, firstHole, holeCount),
      m_board(HoleBoard::Stores::BurrowsAndRabbits)
{
    m_game.setHoleChanged([this](int index) { m_board.show(index, m_game.hole(index)); });
    connect(&m_board, &HoleBoard::clicked, this, [this](int index) { Hole_Click(index); });
    PopupRhythm &rhythm = lesson.popupRhythm;
    Popup.setInterval(rhythm.beatMs());
    connect(&Popup, &QTimer::timeout, this, &PopupScreen::popupTick);
    connect(&rhythm, &PopupRhythm::beatChanged, this, [this] {
        // The beat under way keeps its length; the next one has the new length.
        if (!m_restOfBeat)
            Popup.setInterval(m_lesson.popupRhythm.beatMs());
    });
    connect(&rhythm, &PopupRhythm::pausedChanged, this, &PopupScreen::pausedChanged);
    connect(&rhythm, &PopupRhythm::slowerChanged, this, [this](bool slower) {
        showSign();
        if (isVisible())
            tellAloud(slower ? tr("Slower") : tr("Normal speed"));
    });
}

void PopupScreen::load()
{
    LessonScreen::load();
    // Never switched off but by a pause: it keeps running while the pupil is elsewhere.
    if (!m_lesson.popupRhythm.isPaused())
        Popup.start();
    // The pupil may have slowed the pop-up on the other screen before this one was made.
    showSign();
}

void PopupScreen::keepPopupRunning()
{
    if (!Popup.isActive() && !m_lesson.popupRhythm.isPaused())
        Popup.start();
}

void PopupScreen::popupTick()
{
    if (m_restOfBeat) {
        m_restOfBeat = false;
        Popup.setInterval(m_lesson.popupRhythm.beatMs());
    }
    const bool wasUp = m_game.rabbitUp();
    m_game.tick();
    if (!countsRabbits())
        return;
    // Told after what the screen has just said (a year opening), not in its place.
    if (m_game.rabbitUp()) {
        m_board.follow(m_game.currentHole());
        Accessibility::announce(this, tr("Rabbit up"), Accessibility::Telling::AfterEarlier);
    } else if (wasUp) {
        Accessibility::announce(this, tr("Gone"), Accessibility::Telling::AfterEarlier);
    }
}

void PopupScreen::tell(const QString &text)
{
    Accessibility::announce(this, text);
}

void PopupScreen::tellAloud(const QString &text)
{
    tell(text);
    m_lesson.readAloud.speak(text);
}

void PopupScreen::pausedChanged(bool paused)
{
    if (paused) {
        // The beat under way goes on from where it stopped.
        if (Popup.isActive()) {
            const int left = Popup.remainingTime();
            Popup.stop();
            Popup.setInterval(std::max(left, 0));
            m_restOfBeat = true;
        }
    } else if (!Popup.isActive()) {
        Popup.start();
    }
    showSign();
    if (isVisible()) {
        tellAloud(paused ? tr("Paused") : tr("Going on"));
    }
}

void PopupScreen::showSign()
{
    const PopupRhythm &rhythm = m_lesson.popupRhythm;
    QStringList words;
    if (rhythm.isPaused())
        words << tr("Paused");
    if (rhythm.isSlower())
        words << tr("Slower");
    if (words.isEmpty()) {
        if (m_sign)
            m_sign->hide();
        return;
    }
    if (!m_sign) {
        m_sign = new QLabel(client());
        m_sign->setFont(Twips::font(Twips::Face::MSSansSerif, 9.75, true));
        m_sign->setStyleSheet(QStringLiteral("QLabel { color: black; background: white; border: 1px solid black; "
                                             "padding: 1px 4px; }"));
        m_sign->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_sign->setText(words.join(QStringLiteral(" · ")));
    m_sign->adjustSize();
    m_sign->move(Twips::px(45), Twips::px(45));
    m_sign->show();
    m_sign->raise();
}

void PopupScreen::keyPressEvent(QKeyEvent *event)
{
    PopupRhythm &rhythm = m_lesson.popupRhythm;
    const int key = event->key();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && !event->isAutoRepeat() && (key == PopupRhythm::PauseKey || key == Qt::Key_Pause)) {
        rhythm.setPaused(!rhythm.isPaused());
        event->accept();
        return;
    }
    if (plain && !event->isAutoRepeat() && key == PopupRhythm::SlowerKey) {
        rhythm.setSlower(!rhythm.isSlower());
        event->accept();
        return;
    }
    LessonScreen::keyPressEvent(event);
}

void PopupScreen::hideEvent(QHideEvent *event)
{
    // Leaving the screen goes on as before: the pop-up runs on while the pupil is elsewhere. (A
    // window minimised hides the screen too, by the desktop's doing, and keeps the pause.)
    if (!event->spontaneous())
        m_lesson.popupRhythm.setPaused(false);
    LessonScreen::hideEvent(event);
}
