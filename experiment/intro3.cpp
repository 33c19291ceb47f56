// SPDX-License-Identifier: GPL-3.0-or-later
#include "intro3.h"

#include "accessibility.h"
#include "lesson.h"
#include "twips.h"

#include <QPushButton>

namespace {
const QList<int> PracticeBurrows = {0, 1, 2};
}

Intro3::Intro3(Lesson &lesson) : PopupScreen(lesson, ScreenId::Intro3, grey(), PopupGame::Rules::Practice, 0, 3)
{
    setScreenName(tr("Practice"));
    addInfoText(3, tr("The trouble with counting rabbits is that they move about and hide."), 840, 960, 5055, 1335);
    addInfoText(4,
                tr("If you see a rabbit, click on it as fast as you can. This will mark it and so you "
                   "won't count it twice."),
                720, 2760, 8175, 975);
    addInfoText(5, tr("Have a practice and then it will be time to go and put the rabbits on the island."), 720, 4080,
                8535, 855);
    // The keys that give a pupil time, in small print at the foot, where they cover nothing; a
    // screen reader says them last of the screen's texts.
    addInfoText(6, tr("Keys: S slower, P pause."), 720, 6630, 2880, 330)
        ->setFont(Twips::font(Twips::Face::MSSansSerif, 9.75));
    setSignPlace(3600, 6570);
    addInfoPic(Picture::PracticeRabbit, tr("A rabbit hopping towards its burrow"), 6360, 360, 2415, 2055);

    // Made after the texts, so that a burrow lying over the edge of a text still takes the click.
    const QPointF places[3] = {{5280, 600}, {5040, 5280}, {1440, 5760}};
    for (int index = 0; index < 3; ++index)
        addHole(index, places[index].x(), places[index].y());
    m_game.layOut(PracticeBurrows, 0);
    m_board.refresh();

    addQuestionButton(4, 3000, 5520, Corner::BottomLeft);
    addCommandButton(1, QStringLiteral("<<"), 6120, 5880);
    //: The tooltip and spoken name of the practice's ">>" button, which goes on to the island.
    addCommandButton(0, QStringLiteral(">>"), 7560, 5880)->setToolTip(tr("Start experiment"));
    setTabOrder(cmd_button(1), cmd_button(0));
    setTabOrder(cmd_button(0), QButton);
}

void Intro3::activate()
{
    m_lesson.random.seedFromClock();
    keepPopupRunning();
    m_game.allDown();
    keepPlaceInTheBurrows();
}

void Intro3::Hole_Click(int index)
{
    switch (m_game.click(index)) {
    case PopupGame::Click::Missed:
        showMessage(tr("You missed. Better luck next time."));
        break;
    case PopupGame::Click::Marked:
        //: Said to a screen reader and read aloud when the pupil counts a practice rabbit.
        counted(tr("Counted."));
        break;
    case PopupGame::Click::AlreadyMarked:
        // Not refused in a box as on the island, yet a pupil who cannot see the mark is answered.
        //: Said to a screen reader when the pupil counts a practice rabbit counted before.
        Accessibility::announce(this, tr("Already counted."));
        break;
    case PopupGame::Click::Counted:
    case PopupGame::Click::AlreadyCounted:
        break;
    }
}
