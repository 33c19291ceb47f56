// SPDX-License-Identifier: GPL-3.0-or-later
#include "holestates.h"

#include <algorithm>

HoleStates::HoleStates(int first, int count) : m_first(first), m_holes(std::size_t(std::max(count, 0))) {}

const HoleStates::Hole &HoleStates::hole(int index) const
{
    static const Hole none;
    return contains(index) ? m_holes[std::size_t(index - m_first)] : none;
}

void HoleStates::set(int index, const QString &tag, Look look)
{
    if (!contains(index))
        return;
    Hole &h = m_holes[std::size_t(index - m_first)];
    if (h.tag == tag && h.look == look)
        return;
    h.tag = tag;
    h.look = look;
    if (m_changed)
        m_changed(index);
}

void HoleStates::clear()
{
    for (int i = 0; i < int(m_holes.size()); ++i)
        set(m_first + i, QString(), Look::Nothing);
}
