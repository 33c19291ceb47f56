// SPDX-License-Identifier: GPL-3.0-or-later
#include "reportprinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

ReportPrinter ReportPrinting::load(QString *error)
{
    // Beside the program in the build folder, else in the lesson's library folder once installed.
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString &dir : {program.path(), program.filePath(QStringLiteral(LAPINAR_PRINT_DIR))}) {
        QLibrary module(QDir(dir).filePath(QStringLiteral("lapinar_print")));
        if (auto print = reinterpret_cast<ReportPrinter>(module.resolve(ReportPrinterSymbol)))
            return print;
        *error = module.errorString();
    }
    return nullptr;
}
