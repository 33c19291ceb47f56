// SPDX-License-Identifier: GPL-3.0-or-later
// Lapinar: a science lesson about animal populations on an island.
#include "artwork.h"
#include "lesson.h"
#include "screens.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lapinar"));
    QApplication::setWindowIcon(QIcon(Artwork::path(QStringLiteral("icon"))));
    // Windows are only ever hidden; the lesson ends through its own quit question.
    QApplication::setQuitOnLastWindowClosed(false);

    Lesson lesson;
    addLessonScreens(lesson);
    lesson.chain.start();
    return app.exec();
}
