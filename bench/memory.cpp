// SPDX-License-Identifier: GPL-3.0-or-later
// Memory stays flat over a long lesson: 100,000 island ticks, 10,000 year layouts and 1,000 walks
// through the whole chain of screens, with the resident memory reported before and after.
// Fails (exit code 1) if it grew by 1 MiB or more.
#include "island.h"
#include "lesson.h"
#include "screens.h"

#include <QApplication>
#include <QFile>
#include <cstdio>

namespace {

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Forward through every screen and back again, as the chain's own moves do it.
void walk(Lesson &lesson)
{
    LessonScreen *current = lesson.chain.visibleScreens().value(0);
    auto go = [&](ScreenId id, int year) {
        lesson.state.CurrentYear = qint16(year);
        lesson.chain.move(current, id);
        current = lesson.chain.screen(id);
    };
    const int years[] = {0, 0, 0, 0, 1, 0, 0, 0, 0, 0};
    for (int i = 1; i < 10; ++i)
        go(ScreenId(i), years[i]);
    for (int i = 8; i >= 0; --i)
        go(ScreenId(i), i == int(ScreenId::Island) || i == int(ScreenId::Foxes) ? 10 : 0);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Lesson lesson;
    addLessonScreens(lesson);
    lesson.chain.setProgramEnd([] {});
    lesson.chain.start();
    auto *island = static_cast<Island *>(lesson.chain.screen(ScreenId::Island));

    // One of everything first, so that what is made once (screens, pictures, fonts) is made.
    walk(lesson);
    lesson.state.CurrentYear = 1;
    island->ShowYear();
    for (int i = 0; i < 1000; ++i)
        island->popupTick();
    QCoreApplication::processEvents();
    const long before = residentKb();

    for (int i = 0; i < 100000; ++i) {
        if (i % 1000 == 0)
            QCoreApplication::processEvents();
        island->popupTick();
    }
    for (int i = 0; i < 10000; ++i) {
        lesson.state.CurrentYear = qint16(1 + i % 10);
        island->ShowYear();
        if (i % 100 == 0)
            QCoreApplication::processEvents();
    }
    for (int i = 0; i < 1000; ++i)
        walk(lesson);
    QCoreApplication::processEvents();
    const long after = residentKb();

    const long growth = after - before;
    std::printf("resident memory: %ld KiB before, %ld KiB after, growth %ld KiB (limit 1024 KiB)\n", before, after,
                growth);
    return growth < 1024 ? 0 : 1;
}
