// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "infoscreen.h"

// The last screen: process the data and make a final conclusion.
class Finish : public InfoScreen {
    Q_OBJECT
public:
    explicit Finish(Lesson &lesson);
};
