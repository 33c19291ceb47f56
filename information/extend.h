// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "infoscreen.h"

// The extension: foxes are put on the island. Its first showing starts the counts afresh.
class Extend : public InfoScreen {
    Q_OBJECT
public:
    explicit Extend(Lesson &lesson);
};
