// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson.h"

#include "accessibility.h"
#include "lessonstyle.h"

Lesson::Look::Look()
{
    LessonStyle::install();
    Accessibility::install();
}

Lesson::Lesson() : chain(*this)
{
    QObject::connect(&window, &LessonWindow::readAloudKeyPressed, &readAloud, &ReadAloud::toggle);
    // Said in the lesson once the key's own handling is over.
    QObject::connect(&readAloud, &ReadAloud::unavailable, &chain, &ScreenChain::information, Qt::QueuedConnection);
}

Lesson::~Lesson() = default;
