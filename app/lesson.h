// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lapinar1.h"
#include "lessonwindow.h"
#include "popuprhythm.h"
#include "random.h"
#include "readaloud.h"
#include "readaloudsign.h"
#include "screenchain.h"

// One run of the lesson: the shared state, the one random generator, the lesson window and the
// chain of screens shown in it. The program makes one; every test makes its own, so each starts
// from a fresh lesson.
struct Lesson {
    Lesson();
    ~Lesson();
    Lesson(const Lesson &) = delete;
    Lesson &operator=(const Lesson &) = delete;

    // First of all, so that every control is made in the lesson's style rather than restyled.
    struct Look {
        Look();
    } look;
    LAPINAR1 state;
    Random random;
    // The beat of the practice burrows and the island.
    PopupRhythm popupRhythm;
    // Declared before the chain, so the screens and panels go before the window that holds them.
    LessonWindow window;
    ReadAloud readAloud{window};
    ReadAloudSign readAloudSign{window, readAloud};
    ScreenChain chain;
};
