// SPDX-License-Identifier: GPL-3.0-or-later
#include "classcommand.h"

#include "classreport.h"
#include "classtext.h"
#include "classwindow.h"
#include "lessonstyle.h"

#include <QApplication>
#include <QSaveFile>
#include <cstdio>

namespace {

int failed(const QString &file, const QString &error)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 //: A line on standard error; %1 is the file asked for (CSV or PDF), %2 the reason.
                 qPrintable(ClassText::tr("cannot write %1: %2").arg(file, error)));
    return 1;
}

// The folder read, and said on standard error what was left out; nothing when it cannot be read.
std::optional<ClassFolder::Class> readClass(const QString &folder)
{
    ClassFolder::Class handIns = ClassFolder::read(folder);
    ClassText::reportBadFiles(folder, handIns);
    if (!handIns.error.isEmpty())
        return std::nullopt;
    return handIns;
}

} // namespace

int ClassCommand::writeCsv(const QString &folder, const QString &file)
{
    const std::optional<ClassFolder::Class> handIns = readClass(folder);
    if (!handIns)
        return 1;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(ClassFolder::merged(handIns->pupils)) < 0 || !out.commit())
        return failed(file, out.errorString());
    return 0;
}

int ClassCommand::writeReport(const QString &folder, const QString &file)
{
    const std::optional<ClassFolder::Class> handIns = readClass(folder);
    if (!handIns)
        return 1;
    if (QString error; !ClassReport::write(file, *handIns, QDate::currentDate(), &error))
        return failed(file, error);
    return 0;
}

int ClassCommand::showWindow(const QString &folder)
{
    LessonStyle::install();
    ClassWindow window(folder);
    window.show();
    return QApplication::exec();
}
