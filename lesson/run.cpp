// SPDX-License-Identifier: GPL-3.0-or-later
#include "run.h"

#include "classcommand.h"
#include "handin.h"
#include "keptlesson.h"
#include "keptpictures.h"
#include "language.h"
#include "lesson.h"
#include "screens.h"
#include "settings.h"
#include "termination.h"
#include "twips.h"
#include "worksheet.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <fontconfig/fontconfig.h>
#include <malloc.h>
#include <optional>
#include <thread>
#include <utility>

namespace {

// The lesson's options; Qt's own (-platform and the like) are taken by the application first.
struct Options {
    QCommandLineOption fullScreen{QStringLiteral("full-screen"),
                                  QCoreApplication::translate("Options", "Start full screen, for a projector or a "
                                                                         "kiosk (F11 switches it on and off).")};
    QCommandLineOption language{
        QStringLiteral("language"),
        //: Help for the --language option; %1 is the list of language codes the lesson speaks. <language> is the
        //: option's value as the help shows it.
        QCoreApplication::translate("Options", "Speak <language> (one of: %1) instead of the desktop's language.")
            .arg(Language::available().join(QStringLiteral(", "))),
        QCoreApplication::translate("Options", "language")};
    QCommandLineOption readAloud{QStringLiteral("read-aloud"),
                                 QCoreApplication::translate("Options", "Start with reading aloud on: the lesson "
                                                                        "speaks its texts (F9 turns it on and off).")};
    QCommandLineOption popUpSeconds{
        QStringLiteral("pop-up-seconds"),
        QCoreApplication::translate("Options", "Keep each practice and island rabbit up for <seconds>, and then "
                                               "away as long (from 1.5, the lesson's own, to 15). In the lesson "
                                               "S makes it slower and P pauses it."),
        QCoreApplication::translate("Options", "seconds")};
    QCommandLineOption worksheet{
        QStringLiteral("worksheet"),
        QCoreApplication::translate("Options", "Write the printed worksheet, in the lesson's language, to <file> "
                                               "(PDF, A4) and exit without opening a window."),
        QCoreApplication::translate("Options", "file")};
    QCommandLineOption noFullScreen{
        QStringLiteral("no-full-screen"),
        QCoreApplication::translate("Options", "Start in a window, whatever a settings file says.")};
    QCommandLineOption noReadAloud{
        QStringLiteral("no-read-aloud"),
        QCoreApplication::translate("Options", "Start with reading aloud off, whatever a settings file says.")};
    QCommandLineOption newLesson{
        QStringLiteral("new-lesson"),
        QCoreApplication::translate("Options", "Start a fresh lesson without offering the work kept from the last "
                                               "one, which is kept aside as the previous work.")};
    QCommandLineOption classFolder{
        QStringLiteral("class"),
        QCoreApplication::translate("Options",
                                    "Show the results handed in to the class <folder> instead of the lesson."),
        QCoreApplication::translate("Options", "folder")};
    QCommandLineOption classCsv{
        QStringLiteral("csv"),
        QCoreApplication::translate("Options", "With --class: write every pupil's results to <file> as one CSV and "
                                               "exit without opening a window."),
        QCoreApplication::translate("Options", "file")};
    QCommandLineOption classReport{
        QStringLiteral("report"),
        QCoreApplication::translate("Options", "With --class: write the class's report to <file> (PDF, A4) and exit "
                                               "without opening a window."),
        QCoreApplication::translate("Options", "file")};
    QCommandLineOption classRoster{
        QStringLiteral("roster"),
        QCoreApplication::translate("Options", "With --class: the class list, one login or name a line, instead of "
                                               "class.txt in the class folder."),
        QCoreApplication::translate("Options", "file")};
};

// Made after the translations are in place, so that the help speaks the pupil's language.
void describe(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("Options", "Lapinar: a science lesson about animal populations on an island."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(options.fullScreen);
    parser.addOption(options.noFullScreen);
    parser.addOption(options.language);
    parser.addOption(options.readAloud);
    parser.addOption(options.noReadAloud);
    parser.addOption(options.popUpSeconds);
    parser.addOption(options.worksheet);
    parser.addOption(options.newLesson);
    parser.addOption(options.classFolder);
    parser.addOption(options.classCsv);
    parser.addOption(options.classReport);
    parser.addOption(options.classRoster);
}

// Qt's own lines of the help that Qt's translations lack; the lesson's translations carry them.
[[maybe_unused]] const char *const QtHelpLines[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

QStringList arguments(int argc, char *argv[])
{
    QStringList all;
    for (int i = 0; i < argc; ++i)
        all << QString::fromLocal8Bit(argv[i]);
    return all;
}

// The settings for this run, with the language they choose put in place. Read twice, so that what
// the files say wrong is said once, on standard error, in that language.
Settings settingsFor(const QCommandLineParser &parser)
{
    const Options options;
    // Either form of an on-off option overrides the files; given both, the "no" form wins.
    const auto onOff = [&parser](const QCommandLineOption &on, const QCommandLineOption &off) -> std::optional<bool> {
        if (parser.isSet(off))
            return false;
        return parser.isSet(on) ? std::optional(true) : std::nullopt;
    };
    const Settings::CommandLine commandLine{
        parser.value(options.language), onOff(options.fullScreen, options.noFullScreen),
        onOff(options.readAloud, options.noReadAloud),
        parser.isSet(options.popUpSeconds) ? parser.value(options.popUpSeconds) : QString()};
    const QStringList files = Settings::files();
    Language::install(Language::choose(Settings::read(files, commandLine, [](const QString &) {}).language));
    return Settings::read(files, commandLine, [](const QString &line) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(line));
    });
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

// Why the options given cannot go together, or empty when they can.
QString contradiction(const QCommandLineParser &given, const Options &options)
{
    const bool classOnly =
        given.isSet(options.classCsv) || given.isSet(options.classReport) || given.isSet(options.classRoster);
    if (given.isSet(options.worksheet) && (given.isSet(options.classFolder) || classOnly))
        return QCoreApplication::translate("Options",
                                           "--worksheet cannot go with --class, --csv, --report or --roster: "
                                           "give one at a time.");
    if (!given.isSet(options.classFolder))
        return classOnly ? QCoreApplication::translate("Options", "--csv, --report and --roster need --class <folder>.")
                         : QString();
    for (const QCommandLineOption *lesson : {&options.readAloud, &options.popUpSeconds, &options.newLesson})
        if (given.isSet(*lesson))
            return QCoreApplication::translate("Options", "--%1 is for the lesson, not for --class.")
                .arg(lesson->names().constFirst());
    return QString();
}

// Whether a window can be shown: a display to show it on, or a platform asked for by name (as the
// tests ask for the offscreen one).
bool canShowWindow(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

// --class shows or writes a class's hand-ins instead of the lesson; --csv and --report need no
// display. Options that cannot go together are refused with one line. Returns -1 when none of it
// was asked for.
int classResults(int argc, char *argv[])
{
    QCommandLineParser early;
    const Options options;
    describe(early, options);
    early.parse(arguments(argc, argv));
    const QString refused = contradiction(early, options);
    if (refused.isEmpty() && !early.isSet(options.classFolder))
        return -1;
    const bool window = !early.isSet(options.classCsv) && !early.isSet(options.classReport);
    if (!refused.isEmpty() || (window && !canShowWindow(argc, argv))) {
        // Said before any toolkit starts, so that it is the lesson's own word, in the pupil's language.
        QCoreApplication core(argc, argv);
        settingsFor(early);
        const QString line =
            !refused.isEmpty()
                ? contradiction(early, options)
                : QCoreApplication::translate("Options", "the class window needs a display; without one, write the "
                                                         "class's results with --csv <file> or --report <file>.");
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(line));
        return 2;
    }
    if (!window)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    settingsFor(early);
    QCommandLineParser parser;
    describe(parser, options);
    parser.process(app);
    QApplication::setFont(Twips::font(Twips::Face::MSSansSerif, 9.75));
    const QString folder = parser.value(options.classFolder);
    const QString roster = parser.value(options.classRoster);
    int status = 0;
    if (parser.isSet(options.classCsv))
        status = ClassCommand::writeCsv(folder, parser.value(options.classCsv), roster);
    if (parser.isSet(options.classReport) && status == 0)
        status = ClassCommand::writeReport(folder, parser.value(options.classReport), roster);
    return window ? ClassCommand::showWindow(folder, roster) : status;
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
    if (const int shown = classResults(argc, argv); shown >= 0)
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
