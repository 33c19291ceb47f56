// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QApplication;

// Runs the lesson from its first screen until the pupil quits. beforeStart, if given, runs once the
// application exists and before the first screen is made (the start-up benchmark hooks in there).
int runLesson(int argc, char *argv[], const std::function<void(QApplication &)> &beforeStart = {});
