// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

// Watches for the first window to be painted, then prints one line
//   first-frame <CLOCK_MONOTONIC nanoseconds> peak-rss-kb <VmHWM>
// and ends the process at once, so the start-up benchmark (and callgrind) measure start-up alone.
void reportFirstFrame(QApplication &app);
