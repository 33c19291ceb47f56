// SPDX-License-Identifier: GPL-3.0-or-later
#include "run.h"

#include "handin.h"
#include "keptlesson.h"
#include "keptpictures.h"
#include "language.h"
#include "lesson.h"
#include "options.h"
#include "screens.h"
#include "settings.h"
#include "termination.h"
#include "twips.h"
#include "worksheet.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fontconfig/fontconfig.h>
#include <malloc.h>
#include <optional>
#include <thread>
#include <unistd.h>
#include <utility>

namespace {

using namespace CommandLine;

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
    settingsFor(early);
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

// --worksheet writes the worksheet without a window, on the offscreen platform, so that it works
// where there is no display (the build makes the worksheets it installs that way). Returns -1 when
// it was not asked for.
int writeWorksheet(int argc, char *argv[])
{
    QCommandLineParser early;
    describe(early, Options());
    early.parse(arguments(argc, argv));
    if (!early.isSet(QStringLiteral("worksheet")))
        return -1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    settingsFor(early);
    QCommandLineParser parser;
    describe(parser, Options());
    parser.process(app);
    const QString file = parser.value(QStringLiteral("worksheet"));
    if (QString error; !Worksheet::write(file, &error)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     //: A line on standard error; %1 is the worksheet file asked for, %2 the reason.
                     qPrintable(QCoreApplication::translate("Options", "cannot write %1: %2").arg(file, error)));
        return 1;
    }
    return 0;
}

// The class view (--class, and --csv, --report and --roster with it) is a program of its own, which
// is handed the whole command line, so that the lesson's start loads none of it. Returns -1 when
// none of it was asked for; else only when the class view could not be started.
int handOverToClassView(int argc, char *argv[])
{
    QCommandLineParser early;
    const Options options;
    describe(early, options);
    early.parse(arguments(argc, argv));
    if (!forClassView(early, options))
        return -1;
    // Beside the program in the build folder, else in the lesson's own folder of programs once installed.
    const QDir program(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath());
    for (const QString &dir : {program.path(), program.filePath(QStringLiteral(LAPINAR_CLASS_DIR))})
        ::execv(QFile::encodeName(QDir(dir).filePath(QStringLiteral("lapinar-class"))).constData(), argv);
    const int error = errno;
    QCoreApplication core(argc, argv);
    settingsFor(early);
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 //: A line on standard error when lapinar --class cannot run the class view's program;
                 //: %1 is the reason the system gives.
                 qPrintable(QCoreApplication::translate("Options", "the class view cannot be started: %1")
                                .arg(QString::fromLocal8Bit(std::strerror(error)))));
    return 1;
}

// The C library gives a thread that allocates beside another a heap of its own, where what it frees
// stays out of the others' reach: fontconfig's thread would keep about 0.2 MiB there, freed after
// reading its configuration. Every thread of the lesson shares one heap instead; none allocates much.
void shareOneHeap()
{
#ifdef M_ARENA_MAX
    mallopt(M_ARENA_MAX, 1);
#endif
}

// Does a piece of work once the window has painted its first frame, so that it does not delay it.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget &window, std::function<void()> work) : m_work(std::move(work))
    {
        window.installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_work) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, std::exchange(m_work, nullptr));
        }
        return false;
    }

private:
    std::function<void()> m_work;
};

} // namespace

int runLesson(int argc, char *argv[], const std::function<void(QApplication &)> &beforeStart)
{
    QCoreApplication::setApplicationName(QStringLiteral("Lapinar"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LAPINAR_VERSION));
    if (const int answered = answerOnTerminal(argc, argv); answered >= 0)
        return answered;
    if (const int shown = handOverToClassView(argc, argv); shown >= 0)
        return shown;
    if (const int written = writeWorksheet(argc, argv); written >= 0)
        return written;

    // Starting the font system (fontconfig reading its configuration and its list of fonts) is most
    // of what any window showing a word costs to start. It needs nothing of Qt, so it runs on a thread
    // of its own while Qt connects to the display, and the lesson's first font waits for it.
    shareOneHeap();
    std::jthread fontSystem([] { FcInit(); });
    QApplication app(argc, argv);
    // The settings and their language first, so that what the command line says wrong is said in it too.
    Settings settings;
    {
        QCommandLineParser early;
        describe(early, Options());
        early.parse(QCoreApplication::arguments());
        settings = settingsFor(early);
    }
    QCommandLineParser parser;
    describe(parser, Options());
    parser.process(app);
    const bool fullScreen = settings.fullScreen;

    QApplication::setDesktopFileName(QStringLiteral("org.lapinar.Lapinar"));
    // The lesson was laid out for a 640 x 480 display; on a larger one everything grows alike,
    // to fit the desktop's free area, or the whole display when full screen.
    if (QScreen *display = QGuiApplication::primaryScreen())
        Twips::setScale(fullScreen ? Twips::scaleToFit(display->geometry().size(), 1.0)
                                   : Twips::scaleToFit(display->availableGeometry().size()));
    fontSystem.join();
    QApplication::setFont(Twips::font(Twips::Face::MSSansSerif, 9.75));
    // Windows are only ever hidden; the lesson ends through its own quit question.
    QApplication::setQuitOnLastWindowClosed(false);
    if (beforeStart)
        beforeStart(app);

    // The pictures drawn at an earlier start are read back from the pupil's cache folder; those drawn
    // now are written there once the first frame is shown.
    static KeptPictures keptPictures(KeptPictures::defaultFolder());
    keptPictures.hold();
    Artwork::keepPicturesIn(&keptPictures);
    Lesson lesson;
    addLessonScreens(lesson);
    if (fullScreen)
        lesson.window.setFullScreenLesson(true);
    lesson.readAloud.setLanguage(Language::choose(settings.language));
    lesson.readAloud.setBesideScreenReader(settings.readAloudWithScreenReader);
    if (settings.readAloud)
        lesson.readAloud.setOn(true);
    lesson.popupRhythm.setSeconds(settings.popUpSeconds);
    // Whether the pupil's work is kept between runs and offered back at the next start (KeepWork).
    // When it is not, as for pupils who share one account, no work is written, read or offered.
    std::optional<KeptLesson> kept;
    if (settings.keepWork) {
        kept.emplace(lesson);
        if (!kept->onlyLesson()) {
            kept->giveWay();
            return 0;
        }
        kept->endOnTermination();
    }
    std::optional<HandIn> handIn;
    if (!settings.handInFolder.isEmpty()) {
        handIn.emplace(lesson, settings.handInFolder, Language::choose(settings.language), HandIn::currentLogin(),
                       settings.sharedLogin);
        lesson.chain.setBeforeEnd([&handIn] { handIn->finish(); });
        // Without kept work nothing else ends the lesson on a logout; the hand-in waits for it then.
        if (!kept)
            Termination::endLikeTheLesson();
    }
    lesson.chain.start();
    if (kept)
        kept->begin(parser.isSet(QStringLiteral("new-lesson")));
    // The icons for the task bar and window list are wanted soon, not for the first frame: they are
    // set once the window has been painted, as the pictures drawn for it are kept.
    AfterFirstPaint iconsLater(lesson.window, [&lesson] {
        keptPictures.letGo();
        lesson.window.setIcons();
    });
    return app.exec();
}
