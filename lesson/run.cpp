// SPDX-License-Identifier: GPL-3.0-or-later
#include "run.h"

#include "artwork.h"
#include "lesson.h"
#include "screens.h"
#include "twips.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>

int runLesson(int argc, char *argv[], const std::function<void(QApplication &)> &beforeStart)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lapinar"));
    QApplication::setDesktopFileName(QStringLiteral("org.lapinar.Lapinar"));
    // The lesson was laid out for a 640 x 480 display; on a larger one everything grows alike.
    if (QScreen *display = QGuiApplication::primaryScreen())
        Twips::setScale(Twips::scaleToFit(display->availableGeometry().size()));
    QApplication::setFont(Twips::font(Twips::Face::MSSansSerif, 9.75));
    // Windows are only ever hidden; the lesson ends through its own quit question.
    QApplication::setQuitOnLastWindowClosed(false);
    if (beforeStart)
        beforeStart(app);

    Lesson lesson;
    addLessonScreens(lesson);
    lesson.chain.start();
    // The icon for the task bar and window list is wanted soon, not for the first frame.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(QIcon(Artwork::path(QStringLiteral("icon")))); });
    return app.exec();
}
