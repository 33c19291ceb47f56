// SPDX-License-Identifier: GPL-3.0-or-later
// Lapinar's class view, the program that `lapinar --class FOLDER` hands its command line to: the
// class window, or with --csv or --report the class's results written without a display.
#include "classcommand.h"
#include "options.h"
#include "twips.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

using namespace CommandLine;

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Lapinar"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LAPINAR_VERSION));
    QCommandLineParser early;
    const Options options;
    describe(early, options);
    early.parse(arguments(argc, argv));
    const QString refused = contradiction(early, options);
    const bool window = !early.isSet(options.classCsv) && !early.isSet(options.classReport);
    if (!refused.isEmpty() || !early.isSet(options.classFolder) || (window && !canShowWindow(argc, argv))) {
        // Said before any toolkit starts, so that it is the lesson's own word, in the pupil's language.
        QCoreApplication core(argc, argv);
        settingsFor(early);
        if (refused.isEmpty() && !early.isSet(options.classFolder)) {
            // Started by itself rather than by the lesson's --class.
            QCommandLineParser parser;
            describe(parser, Options());
            std::fputs(qPrintable(parser.helpText()), stderr);
            return 2;
        }
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
