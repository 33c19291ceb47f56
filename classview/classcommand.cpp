// SPDX-License-Identifier: GPL-3.0-or-later
#include "classcommand.h"

#include "accessibility.h"
#include "classreport.h"
#include "classtext.h"
#include "classwindow.h"
#include "lessonstyle.h"

#include <QApplication>
#include <cstdio>

namespace {

void say(const QString &line)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(ClassFolder::shown(line)));
}

int failed(const QString &file, const QString &error)
{
    //: A line on standard error; %1 is the file asked for (CSV or PDF), %2 the reason.
    say(ClassText::tr("cannot write %1: %2").arg(file, error));
    return 1;
}

struct Read {
    ClassFolder::Class handIns;
    ClassList::List list;
};

// The folder and the class list read, and said on standard error what was left out; nothing when
// the folder, or a class list given, cannot be read.
std::optional<Read> readClass(const QString &folder, const QString &roster)
{
    Read read;
    read.list = ClassList::read(folder, roster);
    read.handIns = ClassFolder::read(folder, &read.list);
    ClassText::reportBadFiles(folder, read.handIns);
    if (!read.handIns.error.isEmpty())
        return std::nullopt;
    if (!read.list.error.isEmpty()) {
        say(ClassText::missingText(read.list, {}, false));
        if (!roster.isEmpty())
            return std::nullopt;
    }
    return read;
}

} // namespace

int ClassCommand::writeCsv(const QString &folder, const QString &file, const QString &roster)
{
    const std::optional<Read> read = readClass(folder, roster);
    if (!read)
        return 1;
    const QByteArray csv =
        ClassFolder::merged(read->handIns.pupils, ClassList::missing(read->list, read->handIns.pupils));
    if (QString error; !ClassReport::save(file, csv, &error))
        return failed(file, error);
    return 0;
}

int ClassCommand::writeReport(const QString &folder, const QString &file, const QString &roster)
{
    const std::optional<Read> read = readClass(folder, roster);
    if (!read)
        return 1;
    if (QString error; !ClassReport::write(file, read->handIns, QDate::currentDate(), &error, read->list))
        return failed(file, error);
    return 0;
}

int ClassCommand::showWindow(const QString &folder, const QString &roster)
{
    LessonStyle::install();
    Accessibility::install();
    ClassWindow window(folder, roster);
    window.showOnScreen();
    // Asking for the keyboard matters without a window manager, where no one else gives it.
    window.activateWindow();
    return QApplication::exec();
}
