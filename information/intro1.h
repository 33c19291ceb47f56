// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "infoscreen.h"

// The first screen: the pupil is a scientist in charge of an island.
class Intro1 : public InfoScreen {
    Q_OBJECT
public:
    explicit Intro1(Lesson &lesson);
};
