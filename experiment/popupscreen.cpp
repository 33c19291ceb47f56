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
    Popup.setInterval(rhythm.beatMs(false));
    connect(&Popup, &QTimer::timeout, this, &PopupScreen::popupTick);
    connect(&rhythm, &PopupRhythm::beatChanged, this, [this] {
        if (!m_restOfBeat)
            Popup.setInterval(beatAfterTick());
    });
    // A rabbit's news still waiting is for a pupil among the burrows, where Space counts.
    connect(&m_board.field(), &PlaceField::left, this, [this] { Accessibility::withdrawWaiting(this); });
    // However the focus came among the burrows while rabbits are counted (Tab, or the screen
    // opening there, as a lesson carried on does), that is where the pupil plays from.
    connect(&m_board.field(), &PlaceField::entered, this, [this] {
        if (isVisible() && countsRabbits())
            m_lesson.popupRhythm.setPlaysFromTheBurrows();
    });
    // An arrow that leads nowhere is answered, so that a pupil who cannot see the burrows knows their edge.
    connect(&m_board.field(), &PlaceField::noFurther, this, [this] {
        //: Said to a screen reader when an arrow key would go past the last burrow.
        tell(tr("No more burrows that way."));
    });
    connect(&rhythm, &PopupRhythm::pausedChanged, this, &PopupScreen::pausedChanged);
    connect(&rhythm, &PopupRhythm::slowerChanged, this, [this](bool slower) {
        showSign();
        //: Said, and shown as a small sign by the burrows, when S keeps the rabbits up twice as long;
        //: the sign has room for about 12 letters at 640 x 480.
        const QString slowerText = tr("Slower");
        //: Said when S is pressed again and the rabbits keep their usual time.
        const QString normalText = tr("Normal speed");
        if (isVisible())
            tellAloud(slower ? slowerText : normalText);
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
    // Laid out anew with no rabbit up: the next one comes after the wait between rabbits at most.
    shortenBeat();
}

int PopupScreen::beatAfterTick() const
{
    const PopupRhythm &rhythm = m_lesson.popupRhythm;
    // A rabbit counted before has nothing to give the pupil time for.
    const bool toCount = m_game.rabbitUp() && m_game.hole(m_game.currentHole()).tag == PopupGame::Up;
    return rhythm.beatMs(toCount);
}

void PopupScreen::shortenBeat()
{
    const int most = m_lesson.popupRhythm.gapMs();
    if (Popup.isActive()) {
        if (Popup.remainingTime() > most)
            Popup.start(most);
    } else if (Popup.interval() > most) {
        Popup.setInterval(most);
    }
}

void PopupScreen::keepPlaceInTheBurrows()
{
    if (!isVisible() || !countsRabbits() || !m_lesson.popupRhythm.playsFromTheBurrows() ||
        m_board.field().focusedPlace())
        return;
    if (ClickableImage *stop = m_board.field().stop(); stop && stop->hasPicture())
        stop->setFocus(Qt::OtherFocusReason);
}

void PopupScreen::counted(const QString &said)
{
    // What the stretched beat gave time for is done: the rabbit goes down after a lesson's beat.
    shortenBeat();
    Accessibility::announce(this, said);
    emit saying(said);
}

void PopupScreen::popupTick()
{
    m_restOfBeat = false;
    const bool wasUp = m_game.rabbitUp();
    m_game.tick();
    Popup.setInterval(beatAfterTick());
    if (!countsRabbits())
        return;
    // Told after what the screen has just said (a year opening), not in its place, and only to a
    // pupil among the burrows, where Space counts: elsewhere Space presses something else.
    if (m_game.rabbitUp()) {
        const int at = m_game.currentHole();
        const bool toCount = m_game.hole(at).tag == PopupGame::Up;
        // A rabbit counted before is never offered as one to count: the focus stays where it is.
        if (toCount)
            m_board.follow(at);
        // Once all are counted, the pupil has been told so and is not told of each counted one.
        m_toldUp = m_board.field().focusedPlace() != nullptr && (toCount || m_game.rabbitsLeft() > 0);
        //: Said to a screen reader as a rabbit still to count comes up out of a burrow, where Space counts it.
        const QString up = tr("Rabbit up");
        //: Said to a screen reader as a rabbit counted before comes up.
        const QString countedUp = tr("Counted rabbit up");
        if (m_toldUp)
            Accessibility::announce(this, toCount ? up : countedUp, Accessibility::Telling::AfterEarlier);
    } else if (wasUp && m_toldUp) {
        m_toldUp = false;
        // Only to a pupil still among the burrows: elsewhere it would talk over what the pupil is at.
        if (m_board.field().focusedPlace())
            //: Said to a screen reader as the rabbit goes back down its burrow.
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
        //: Said (and shown by the burrows) when P pauses the rabbits where they are.
        const QString pausedText = tr("Paused");
        //: Said when P is pressed again and the rabbits go on.
        const QString goingOn = tr("Going on");
        tellAloud(paused ? pausedText : goingOn);
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
        m_sign->setFont(Twips::font(Twips::Face::MSSansSerif, 13.5, true));
        m_sign->setStyleSheet(QStringLiteral("QLabel { color: black; background: white; border: 1px solid black; "
                                             "padding: 0px 4px; }"));
        m_sign->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_sign->setText(words.join(QStringLiteral(" · ")));
    m_sign->adjustSize();
    m_sign->move(Twips::px(m_signPlace.x()), Twips::px(m_signPlace.y()));
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
