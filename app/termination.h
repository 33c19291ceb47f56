// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A request to terminate (SIGTERM at a logout or shutdown, SIGHUP when the session goes, SIGINT)
// ends the program as its own end does: the event loop returns and everything connected to the
// application's aboutToQuit (the kept work, a hand-in being written) finishes first. Installed once.
namespace Termination {
void endLikeTheLesson();
}
