// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson.h"

#include "accessibility.h"
#include "lessonstyle.h"

Lesson::Look::Look()
{
    LessonStyle::install();
    Accessibility::install();
}

Lesson::Lesson() : chain(*this) {}

Lesson::~Lesson() = default;
