// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "infoscreen.h"

// The conclusion: asks the pupil to judge the results and tells, in one sentence rebuilt at every
// activation from the lesson's counts, how they compare with the rabbits really on the island.
class Conclusion : public InfoScreen {
    Q_OBJECT
public:
    explicit Conclusion(Lesson &lesson);
    void activate() override;

    // The sentence as it shows now.
    QString summary() const;

private:
    void SummariseCounts();
};
