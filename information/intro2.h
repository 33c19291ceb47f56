// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "infoscreen.h"

// The plan: ten rabbits on the island, counted every year; first a prediction.
class Intro2 : public InfoScreen {
    Q_OBJECT
public:
    explicit Intro2(Lesson &lesson);
};
