// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classfolder.h"

#include <QListWidget>

// The files the class window left out, each with its reason in plain words: the files that claim
// another pupil's numbers first, in the lesson's warning look, then the rest; the first
// `ClassText::ShownBadFiles`, then how many more there are.
class BadFileList : public QListWidget {
public:
    explicit BadFileList(QWidget *parent);
    void show(const ClassFolder::Class &handIns);

protected:
    // A screen reader hears the line the focus is on after the list itself, which it would not by
    // the arrows alone when there is one line.
    void focusInEvent(QFocusEvent *event) override;
};
