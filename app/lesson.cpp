// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson.h"

Lesson::Lesson() : chain(*this) {}
Lesson::~Lesson() = default;
