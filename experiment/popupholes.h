// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"
#include "popupgame.h"

#include <QPoint>
#include <array>

// The widgets of the pop-up game that the practice burrows and the island share: the hidden
// picture stores Rabbit(0) to Rabbit(2) and the holes that copy their pictures.
namespace PopupHoles {

constexpr double HoleWidth = 645;
constexpr double HoleHeight = 675;

// Rabbit(0) the burrow, Rabbit(1) the unmarked rabbit, Rabbit(2) the marked one (red nose); each
// hidden, at its own place, never shown itself.
void addPictureStores(ControlArray<QLabel> &Rabbit, QWidget *parent, const std::array<QPointF, 3> &topLefts);

// An empty burrow place.
ClickableImage *addHole(QWidget *parent, double left, double top);

// Shows a hole as the game has it: its tag, the picture copied from its store, and the words a
// screen reader says for it.
void show(ClickableImage *hole, const PopupGame::Hole &state, const ControlArray<QLabel> &Rabbit);

} // namespace PopupHoles
