// SPDX-License-Identifier: GPL-3.0-or-later
// How long a year group's class folder takes: N hand-ins (1,000 by default) written into a fresh
// folder, then the median of five runs of reading it, of merging it into one CSV, and of the class
// window reading it and drawing itself (table and graph). Each should stay well under a second.
//   bench_classfolder [N]
#include "classfolder.h"
#include "classwindow.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMilliseconds(const std::function<void()> &work)
{
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 1000;
    QTemporaryDir folder;
    for (int n = 0; n < count; ++n) {
        HandInCsv::HandIn handIn;
        handIn.pupil = QStringLiteral("pupil%1").arg(n);
        handIn.language = QStringLiteral("en");
        handIn.date = QStringLiteral("2026-12-08T10:00:00Z");
        handIn.machine = QStringLiteral("pc%1").arg(n % 30);
        for (int year = 0; year < HandInCsv::Years; ++year)
            handIn.rabbits[size_t(year)] = qint16((n * 7 + year * 13) % 90);
        QFile file(folder.filePath(HandInCsv::fileName(handIn.pupil)));
        if (!file.open(QIODevice::WriteOnly) || file.write(HandInCsv::write(handIn)) < 0)
            return 1;
    }
    ClassFolder::Class read;
    const double reading = medianMilliseconds([&] { read = ClassFolder::read(folder.path()); });
    QByteArray merged;
    const double merging = medianMilliseconds([&] { merged = ClassFolder::merged(read.pupils); });
    ClassWindow window(folder.path());
    window.show();
    const double showing = medianMilliseconds([&] {
        window.showClass(ClassFolder::read(folder.path()), ClassList::List());
        (void)window.grab();
    });
    std::printf("%d hand-ins (%lld read, %lld bytes merged): reading %.1f ms, merging %.1f ms, "
                "the class window reading and drawing %.1f ms\n",
                count, qlonglong(read.pupils.size()), qlonglong(merged.size()), reading, merging, showing);
    return read.pupils.size() == count ? 0 : 1;
}
