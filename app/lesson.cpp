// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson.h"

#include "lessonstyle.h"

Lesson::Lesson() : chain(*this)
{
    LessonStyle::install();
}

Lesson::~Lesson() = default;
