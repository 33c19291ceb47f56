// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of the island's own work: one year layout and one pop-up tick (medians over many calls);
// and of keeping the pupil's work: a save on the interface thread, and carrying on from kept work.
#include "dialogs.h"
#include "graphform.h"
#include "island.h"
#include "keptlesson.h"
#include "lesson.h"
#include "screens.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

template <typename Call> double medianMicroseconds(int calls, Call call)
{
    std::vector<double> times;
    times.reserve(std::size_t(calls));
    for (int i = 0; i < calls; ++i) {
        const auto start = std::chrono::steady_clock::now();
        call(i);
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::nth_element(times.begin(), times.begin() + calls / 2, times.end());
    return times[std::size_t(calls / 2)];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Lesson lesson;
    addLessonScreens(lesson);
    lesson.chain.setProgramEnd([] {});
    lesson.chain.start();
    lesson.state.CurrentYear = 1;
    lesson.chain.move(lesson.chain.visibleScreens().value(0), ScreenId::Island);
    auto *island = static_cast<Island *>(lesson.chain.screen(ScreenId::Island));

    const double layout = medianMicroseconds(10000, [&](int i) {
        lesson.state.CurrentYear = qint16(1 + i % 10);
        island->ShowYear();
    });
    lesson.state.CurrentYear = 5; // 26 burrows, the busiest year
    island->ShowYear();
    const double tick = medianMicroseconds(100000, [&](int) { island->popupTick(); });
    std::printf("island year layout: median %.1f us over 10,000 calls\n", layout);
    std::printf("pop-up tick:        median %.2f us over 100,000 calls\n", tick);

    // Saves with the pupil on the results screen, ten cells and a title typed. The folder is a
    // private one on the disk the build is on, never the real home's.
    QTemporaryDir state(QStringLiteral("bench-state-XXXXXX"));
    std::optional<KeptLesson> kept(std::in_place, lesson, state.path() + QStringLiteral("/lapinar"));
    kept->begin(false);
    lesson.chain.move(island, ScreenId::GraphForm);
    auto *results = static_cast<GraphForm *>(lesson.chain.screen(ScreenId::GraphForm));
    for (int row = 1; row <= GraphForm::Rows; ++row)
        results->valueCell(row)->setText(QString::number(10 * row));
    results->titleText()->setText(QStringLiteral("Rabbits on the island"));
    kept->save();
    // The check each second when nothing changed, and a save after a change: read, compare, write.
    const double unchanged = medianMicroseconds(10000, [&](int) { kept->save(); });
    // A change: what the interface thread spends handing the work over, then how long the writer
    // beside it takes to have the work on the disk.
    std::vector<double> saves;
    std::vector<double> writes;
    for (int i = 0; i < 1000; ++i) {
        results->valueCell(1 + i % GraphForm::Rows)->setText(QString::number(i));
        saves.push_back(medianMicroseconds(1, [&](int) { kept->save(); }));
        writes.push_back(medianMicroseconds(1, [&](int) { kept->saveAndFinish(); }));
    }
    std::sort(saves.begin(), saves.end());
    std::sort(writes.begin(), writes.end());
    std::printf("kept work, unchanged: median %.1f us over 10,000 checks\n", unchanged);
    std::printf("kept work, a change:  median %.1f us, 99th percentile %.1f us, slowest %.1f us on the interface "
                "thread over 1,000 saves\n",
                saves[500], saves[990], saves.back());
    std::printf("                      written to the disk beside the lesson: median %.1f ms, slowest %.1f ms\n",
                writes[500] / 1000, writes.back() / 1000);
    kept->saveAndFinish();

    // Carrying on: from Yes to the island's sixth visit showing, every screen up to the results
    // screen loaded on the way.
    kept->file().write([&] {
        KeptWork work = kept->collect();
        work.screen = ScreenId::Island;
        work.currentYear = 6;
        return work;
    }());
    // One lesson at a time keeps a pupil's work: the first ends before the second starts.
    kept.reset();
    Lesson again;
    addLessonScreens(again);
    KeptLesson carryOn(again, state.path() + QStringLiteral("/lapinar"));
    again.chain.start();
    carryOn.begin(false);
    const double yes = medianMicroseconds(1, [&](int) { carryOn.offer()->yesButton()->click(); });
    std::printf("carrying on to the island: %.1f ms\n", yes / 1000);
    return 0;
}
