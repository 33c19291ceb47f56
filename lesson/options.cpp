// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include "language.h"

#include <cstdio>

namespace CommandLine {

QString languages()
{
    return Language::available().join(QStringLiteral(", "));
}

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
    parser.addOption(options.readAloudWithScreenReader);
    parser.addOption(options.popUpSeconds);
    parser.addOption(options.worksheet);
    parser.addOption(options.newLesson);
    parser.addOption(options.classFolder);
    parser.addOption(options.classCsv);
    parser.addOption(options.classReport);
    parser.addOption(options.classRoster);
}

namespace {

// Qt's own lines of the help that Qt's translations lack; the lesson's translations carry them.
[[maybe_unused]] const char *const QtHelpLines[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

} // namespace

QStringList arguments(int argc, char *argv[])
{
    QStringList all;
    for (int i = 0; i < argc; ++i)
        all << QString::fromLocal8Bit(argv[i]);
    return all;
}

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
        parser.isSet(options.popUpSeconds) ? parser.value(options.popUpSeconds) : QString(),
        parser.isSet(options.readAloudWithScreenReader)};
    const QStringList files = Settings::files();
    Language::install(Language::choose(Settings::read(files, commandLine, [](const QString &) {}).language));
    return Settings::read(files, commandLine, [](const QString &line) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(line));
    });
}

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
    for (const QCommandLineOption *lesson :
         {&options.readAloud, &options.readAloudWithScreenReader, &options.popUpSeconds, &options.newLesson})
        if (given.isSet(*lesson))
            //: A line on standard error; %1 is the option's name (e.g. "read-aloud"), which stays as it is.
            return QCoreApplication::translate("Options", "--%1 is for the lesson, not for --class.")
                .arg(lesson->names().constFirst());
    return QString();
}

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

bool forClassView(const QCommandLineParser &given, const Options &options)
{
    return given.isSet(options.classFolder) || given.isSet(options.classCsv) || given.isSet(options.classReport) ||
           given.isSet(options.classRoster);
}

} // namespace CommandLine
