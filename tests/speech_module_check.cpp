// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the read-aloud voice from the folder given, as the lesson does from the folder of its
// program, and finds its maker; says why on standard error when it cannot.
//   speech_module_check FOLDER
#include "speechengine.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: speech_module_check FOLDER\n", stderr);
        return 2;
    }
    QLibrary module(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("lapinar_speech")));
    if (!module.resolve(SpeechEngineSymbol)) {
        std::fprintf(stderr, "the read-aloud voice cannot be loaded: %s\n", qPrintable(module.errorString()));
        return 1;
    }
    std::printf("%s\n", qPrintable(module.fileName()));
    return 0;
}
