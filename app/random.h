// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <cstdint>
#include <functional>
#include <random>

// The lesson's one random generator. fraction() is uniform in [0, 1) and never 1.0, so
// floor(n * fraction()) + 1 never exceeds n. Tests script the fractions it returns.
class Random {
public:
    Random();

    // Seconds since midnight, as the lesson has always seeded it.
    void seedFromClock();
    void seed(std::uint64_t seed);
    double fraction();

    // Whole number from 1 to n.
    int oneTo(int n) { return int(n * fraction()) + 1; }
    // Whole number from 0 to n - 1.
    int below(int n) { return int(n * fraction()); }

    // The next fractions returned, before the generator takes over again. Each must lie in [0, 1).
    void script(const QList<double> &fractions);
    qsizetype scriptedLeft() const { return m_script.size(); }

    // Where seedFromClock() reads the time; a test that must replay exactly gives its own clock.
    void setClock(std::function<std::uint64_t()> secondsSinceMidnight) { m_clock = std::move(secondsSinceMidnight); }

private:
    std::function<std::uint64_t()> m_clock;
    std::mt19937_64 m_engine;
    QList<double> m_script;
};
