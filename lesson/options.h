// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

// The command line, which the lesson and its class view read alike: each knows every option, so
// that it can say which of them go together and which are the other's.
namespace CommandLine {

// The codes of the languages the lesson speaks, as the help lists them.
QString languages();

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
            .arg(languages()),
        QCoreApplication::translate("Options", "language")};
    QCommandLineOption readAloud{QStringLiteral("read-aloud"),
                                 QCoreApplication::translate("Options", "Start with reading aloud on: the lesson "
                                                                        "speaks its texts (F9 turns it on and off).")};
    QCommandLineOption readAloudWithScreenReader{
        QStringLiteral("read-aloud-with-screen-reader"),
        QCoreApplication::translate("Options", "Let reading aloud speak even while a screen reader runs; without "
                                               "this it stays quiet then, so that one voice speaks.")};
    QCommandLineOption popUpSeconds{
        QStringLiteral("pop-up-seconds"),
        QCoreApplication::translate("Options", "Keep each practice and island rabbit still to count up for "
                                               "<seconds>, or until it is counted (from 1.5, the lesson's own, to "
                                               "15); the wait between rabbits stays 1.5 seconds. In the lesson S "
                                               "makes it slower and P pauses it."),
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
void describe(QCommandLineParser &parser, const Options &options);
QStringList arguments(int argc, char *argv[]);
// The settings for this run, with the language they choose put in place. Read twice, so that what
// the files say wrong is said once, on standard error, in that language.
Settings settingsFor(const QCommandLineParser &parser);
// Why the options given cannot go together, or empty when they can.
QString contradiction(const QCommandLineParser &given, const Options &options);
// Whether a window can be shown: a display to show it on, or a platform asked for by name (as the
// tests ask for the offscreen one).
bool canShowWindow(int argc, char *argv[]);
// Whether anything of the class view was asked for: --class, --csv, --report or --roster.
bool forClassView(const QCommandLineParser &given, const Options &options);

} // namespace CommandLine
