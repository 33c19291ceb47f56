// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonfolders.h"

#include <QDir>

namespace LessonFolders {

namespace {

QString lessonFolder(const char *variable, QLatin1String underHome)
{
    // A relative path is no folder at all and is ignored.
    QString base = qEnvironmentVariable(variable);
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + underHome;
    return base + QLatin1String("/lapinar");
}

} // namespace

QString state()
{
    return lessonFolder("XDG_STATE_HOME", QLatin1String("/.local/state"));
}

QString cache()
{
    return lessonFolder("XDG_CACHE_HOME", QLatin1String("/.cache"));
}

} // namespace LessonFolders
