// SPDX-License-Identifier: GPL-3.0-or-later
// Lapinar: a science lesson about animal populations on an island.
#include "run.h"

int main(int argc, char *argv[])
{
    return runLesson(argc, argv);
}
