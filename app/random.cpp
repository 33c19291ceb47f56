// SPDX-License-Identifier: GPL-3.0-or-later
#include "random.h"

#include <QTime>

Random::Random()
    : m_clock([] { return std::uint64_t(QTime::currentTime().msecsSinceStartOfDay() / 1000); }), m_engine(0)
{}

void Random::seedFromClock()
{
    seed(m_clock());
}

void Random::seed(std::uint64_t seed)
{
    m_engine.seed(seed);
}

double Random::fraction()
{
    if (!m_script.isEmpty())
        return m_script.takeFirst();
    // 53 random bits over 2^53: exactly representable and always below 1.
    return double(m_engine() >> 11) * 0x1.0p-53;
}

void Random::script(const QList<double> &fractions)
{
    m_script = fractions;
}
