// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The pupil's own folders for what the lesson keeps, by the XDG base directories: the folder the
// environment names, where it names an absolute path, else the usual one under the home folder.
namespace LessonFolders {

// $XDG_STATE_HOME/lapinar, else ~/.local/state/lapinar: what the pupil did.
QString state();
// $XDG_CACHE_HOME/lapinar, else ~/.cache/lapinar: what can be made again.
QString cache();

} // namespace LessonFolders
