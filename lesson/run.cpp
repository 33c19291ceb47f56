// SPDX-License-Identifier: GPL-3.0-or-later
#include "run.h"

#include "artwork.h"
#include "language.h"
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

// The lesson's options; Qt's own (-platform and the like) are taken by the application first.
struct Options {
    QCommandLineOption fullScreen{QStringLiteral("full-screen"),
                                  QCoreApplication::translate("Options", "Start full screen, for a projector or a "
                                                                         "kiosk (F11 switches it on and off).")};
    QCommandLineOption language{
        QStringLiteral("language"),
        QCoreApplication::translate("Options", "Speak <language> (one of: %1) instead of the desktop's language.")
            .arg(Language::available().join(QStringLiteral(", "))),
        QCoreApplication::translate("Options", "language")};
};

// Made after the translations are in place, so that the help speaks the pupil's language.
void describe(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("Options", "Lapinar: a science lesson about animal populations on an island."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(options.fullScreen);
    parser.addOption(options.language);
}

// Qt's own lines of the help that Qt's translations lack; the lesson's translations carry them.
[[maybe_unused]] const char *const QtHelpLines[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

// Puts in place the language --language asks for, or the desktop's; a language the lesson does
// not speak is said in one line on standard error, in the language it then speaks.
void chooseLanguage(const QCommandLineParser &early)
{
    const QString wanted = early.value(QStringLiteral("language"));
    Language::install(Language::choose(wanted));
    if (!wanted.isEmpty() && !Language::speaks(wanted))
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("Options", "Lapinar does not speak \"%1\"; it speaks: %2.")
                                    .arg(wanted, Language::available().join(QStringLiteral(", ")))));
}

QStringList arguments(int argc, char *argv[])
{
    QStringList all;
    for (int i = 0; i < argc; ++i)
        all << QString::fromLocal8Bit(argv[i]);
    return all;
}

// --help and --version answer on the terminal without opening a window, so they work where
// there is no display. Returns -1 when neither was asked for.
int answerOnTerminal(int argc, char *argv[])
{
    QCommandLineParser early;
    describe(early, Options());
    early.parse(arguments(argc, argv));
    const bool help = early.isSet(QStringLiteral("help"));
    if (!help && !early.isSet(QStringLiteral("version")))
        return -1;
    QCoreApplication core(argc, argv);
    chooseLanguage(early);
    if (!help) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    QCommandLineParser parser;
    describe(parser, Options());
    parser.parse(QCoreApplication::arguments());
    std::fputs(qPrintable(parser.helpText()), stdout);
    return 0;
}

} // namespace

int runLesson(int argc, char *argv[], const std::function<void(QApplication &)> &beforeStart)
{
    QCoreApplication::setApplicationName(QStringLiteral("Lapinar"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LAPINAR_VERSION));
    if (const int answered = answerOnTerminal(argc, argv); answered >= 0)
        return answered;

    QApplication app(argc, argv);
    // The language first, so that what the command line says wrong is said in it too.
    {
        QCommandLineParser early;
        describe(early, Options());
        early.parse(QCoreApplication::arguments());
        chooseLanguage(early);
    }
    QCommandLineParser parser;
    const Options options;
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
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(QIcon(Artwork::path(Picture::Icon))); });
    return app.exec();
}
