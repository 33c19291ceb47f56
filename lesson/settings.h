// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// How a school sets the lesson up for every pupil, read once at start: the system's settings files,
// then the pupil's own, then the command line, each overriding the one before. The lesson never
// writes a settings file. A file is untrusted input: a key or value the lesson cannot use is reported
// in one line and leaves the setting as it stood before that file; an unreadable file is skipped.
struct Settings {
    Q_DECLARE_TR_FUNCTIONS(Settings)

public:
    // A language the lesson speaks; empty: the desktop's language.
    QString language;
    bool fullScreen = false;
    // False: the pupil's work is never written and never offered at the next start.
    bool keepWork = true;
    bool readAloud = false;
    // Reading aloud speaks even while a screen reader runs, for a pupil who wants both voices.
    bool readAloudWithScreenReader = false;
    // The class folder the pupil's results are handed in to, as written ("~" and $NAME unexpanded);
    // empty: nothing is handed in.
    QString handInFolder;
    // The whole class logs in under one account: the pupil types a name for each hand-in.
    bool sharedLogin = false;
    // How long a practice or island rabbit stays up, and then away (PopUpSeconds).
    double popUpSeconds = 1.5;

    // What the command line says; an option given overrides the files, one left out does not.
    struct CommandLine {
        QString language;                       // --language
        std::optional<bool> fullScreen;         // --full-screen, --no-full-screen
        std::optional<bool> readAloud;          // --read-aloud, --no-read-aloud
        QString popUpSeconds;                   // --pop-up-seconds; empty when not given
        bool readAloudWithScreenReader = false; // --read-aloud-with-screen-reader
    };

    // The files read, in order: lapinar/lapinar.conf in each folder of XDG_CONFIG_DIRS (/etc/xdg
    // when unset), the least important first, then in XDG_CONFIG_HOME (~/.config when unset).
    static QStringList files();

    // The settings from `files` (a missing file is passed over in silence) and then `commandLine`;
    // each line to report, without the program's name, goes to `warn`.
    static Settings read(const QStringList &files, const CommandLine &commandLine,
                         const std::function<void(const QString &)> &warn);
};
