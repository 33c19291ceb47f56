// SPDX-License-Identifier: GPL-3.0-or-later
// Lapinar: a science lesson about animal populations on an island.
#include "artwork.h"
#include "lesson.h"
#include "screens.h"

#include "twips.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lapinar"));
    QApplication::setWindowIcon(QIcon(Artwork::path(QStringLiteral("icon"))));
    // The lesson was laid out for a 640 x 480 display; on a larger one everything grows alike.
    if (QScreen *display = QGuiApplication::primaryScreen())
        Twips::setScale(Twips::scaleToFit(display->availableGeometry().size()));
    QApplication::setFont(Twips::font(Twips::Face::MSSansSerif, 9.75));
    // Windows are only ever hidden; the lesson ends through its own quit question.
    QApplication::setQuitOnLastWindowClosed(false);

    Lesson lesson;
    addLessonScreens(lesson);
    lesson.chain.start();
    return app.exec();
}
