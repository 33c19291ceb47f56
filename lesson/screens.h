// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct Lesson;

// Teaches the lesson's chain how to make each of its ten screens.
void addLessonScreens(Lesson &lesson);
