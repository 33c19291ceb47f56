// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens.h"

#include "conclusion.h"
#include "extend.h"
#include "finish.h"
#include "foxes.h"
#include "graphform.h"
#include "intro1.h"
#include "intro2.h"
#include "intro3.h"
#include "island.h"
#include "lesson.h"
#include "prediction.h"

namespace {
template <typename Screen> void add(Lesson &lesson, ScreenId id)
{
    lesson.chain.setFactory(id, [](Lesson &l) -> LessonScreen * { return new Screen(l); });
}
} // namespace

void addLessonScreens(Lesson &lesson)
{
    add<Intro1>(lesson, ScreenId::Intro1);
    add<Intro2>(lesson, ScreenId::Intro2);
    add<Prediction>(lesson, ScreenId::Prediction);
    add<Intro3>(lesson, ScreenId::Intro3);
    add<Island>(lesson, ScreenId::Island);
    add<GraphForm>(lesson, ScreenId::GraphForm);
    add<Conclusion>(lesson, ScreenId::Conclusion);
    add<Extend>(lesson, ScreenId::Extend);
    add<Foxes>(lesson, ScreenId::Foxes);
    add<Finish>(lesson, ScreenId::Finish);
}
