// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ten screens of the lesson, in the order of the chain.
enum class ScreenId { Intro1, Intro2, Prediction, Intro3, Island, GraphForm, Conclusion, Extend, Foxes, Finish };
constexpr int ScreenCount = 10;

// Where the question dialog sits against its button: the named corners of both meet.
enum class Corner { TopRight, BottomLeft, BottomRight };
