// SPDX-License-Identifier: GPL-3.0-or-later
#include "run.h"

#include "artwork.h"
#include "lesson.h"
#include "screens.h"
#include "twips.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <cstdio>

namespace {

// The lesson's own options; Qt's (-platform and the like) are taken by the application first.
struct Options {
    QCommandLineOption fullScreen{QStringLiteral("full-screen"),
                                  QStringLiteral("Start full screen, for a projector or a kiosk (F11 toggles).")};
};

void describe(QCommandLineParser &parser, Options &options)
{
    parser.setApplicationDescription(
        QStringLiteral("Lapinar: a science lesson about animal populations on an island."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(options.fullScreen);
}

QStringList arguments(int argc, char *argv[])
{
    QStringList all;
    for (int i = 0; i < argc; ++i)
        all << QString::fromLocal8Bit(argv[i]);
    return all;
}

} // namespace

int runLesson(int argc, char *argv[], const std::function<void(QApplication &)> &beforeStart)
{
    QApplication::setApplicationName(QStringLiteral("Lapinar"));
    QApplication::setApplicationVersion(QStringLiteral(LAPINAR_VERSION));

    // --help and --version answer on the terminal before any display is opened, so they work
    // where there is none.
    {
        QCommandLineParser early;
        Options options;
        describe(early, options);
        early.parse(arguments(argc, argv));
        if (early.isSet(QStringLiteral("help"))) {
            // Without an application the usage line cannot know the program's name.
            QString help = early.helpText();
            help.replace(QStringLiteral("<executable_name>"), QStringLiteral("lapinar"));
            std::fputs(qPrintable(help), stdout);
            return 0;
        }
        if (early.isSet(QStringLiteral("version"))) {
            std::printf("%s %s\n", qPrintable(QApplication::applicationName()),
                        qPrintable(QApplication::applicationVersion()));
            return 0;
        }
    }

    QApplication app(argc, argv);
    QCommandLineParser parser;
    Options options;
    describe(parser, options);
    parser.process(app);
    const bool fullScreen = parser.isSet(options.fullScreen);

    QApplication::setDesktopFileName(QStringLiteral("org.lapinar.Lapinar"));
    // The lesson was laid out for a 640 x 480 display; on a larger one everything grows alike,
    // to fit the desktop's free area, or the whole display when full screen.
    if (QScreen *display = QGuiApplication::primaryScreen())
        Twips::setScale(fullScreen ? Twips::scaleToFit(display->geometry().size(), 1.0)
                                   : Twips::scaleToFit(display->availableGeometry().size()));
    QApplication::setFont(Twips::font(Twips::Face::MSSansSerif, 9.75));
    // Windows are only ever hidden; the lesson ends through its own quit question.
    QApplication::setQuitOnLastWindowClosed(false);
    if (beforeStart)
        beforeStart(app);

    Lesson lesson;
    addLessonScreens(lesson);
    if (fullScreen)
        lesson.window.setFullScreenLesson(true);
    lesson.chain.start();
    // The icon for the task bar and window list is wanted soon, not for the first frame.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(QIcon(Artwork::path(QStringLiteral("icon")))); });
    return app.exec();
}
