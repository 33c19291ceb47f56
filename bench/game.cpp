// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of the island's own work: one year layout and one pop-up tick (medians over many calls).
#include "island.h"
#include "lesson.h"
#include "screens.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
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
    return 0;
}
