// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson exactly as it starts, reporting its first painted frame.
#include "firstframe.h"
#include "run.h"

int main(int argc, char *argv[])
{
    return runLesson(argc, argv, reportFirstFrame);
}
