// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "artwork.h"
#include "controls.h"
#include "holestates.h"
#include "placefield.h"

#include <QMap>
#include <QObject>
#include <QPixmap>

// A picture kept to be copied into holes, and which picture it is, so that what a hole shows can
// be told.
struct StoredPicture {
    QPixmap pixmap;
    Picture picture = Picture::Burrow;
};

// Pictures kept by index, as the lesson's hidden image controls keep them: never shown
// themselves, only copied.
class PictureStore {
public:
    void insert(int index, Picture picture, const QSize &size);
    // nullptr where the store holds nothing.
    const StoredPicture *operator()(int index) const;

private:
    QMap<int, StoredPicture> m_pictures;
};

// The board of holes that the practice burrows, the island and the fox island are played on: the
// holes `Hole`, numbered as the screen's game numbers them, each 645 x 675 twips; the picture
// stores `Rabbit` and `Fox` that the holes copy their pictures from; and all the holes as one stop
// in the Tab order. The game says what a hole is (its tag and look, HoleStates); show() gives the
// hole that tag, the stored picture of that look and the words a screen reader says for it.
class HoleBoard : public QObject {
    Q_OBJECT
public:
    static constexpr double HoleWidth = 645;
    static constexpr double HoleHeight = 675;

    // What the stores hold: the burrow, rabbit and marked rabbit as Rabbit(0) to Rabbit(2) for the
    // pop-up games, or the fox island's rabbit and marked rabbit as Rabbit(1) and Rabbit(2) and its
    // fox and marked fox as Fox(1) and Fox(2).
    enum class Stores { BurrowsAndRabbits, RabbitsAndFoxes };

    explicit HoleBoard(Stores stores);

    // Hole `index`, empty, at left, top of parent. Holes stack, and Tab meets the field, in the
    // order they are made.
    void addHole(QWidget *parent, int index, double left, double top);

    void show(int index, const HoleStates::Hole &state);
    // After every layout, so that Tab finds a hole that shows something.
    void refresh() { m_field.refresh(); }
    // Something has come up at hole `index`: the focus goes there if it is among the holes.
    void follow(int index) { m_field.follow(Hole(index)); }

    ClickableImage *hole(int index) const { return Hole(index); }
    const PlaceField &field() const { return m_field; }

signals:
    void clicked(int index);

private:
    // What a hole of each look shows, and what a screen reader says for it.
    const StoredPicture *stored(HoleStates::Look look) const;
    static QString spokenName(HoleStates::Look look);

    ControlArray<ClickableImage> Hole;
    PictureStore Rabbit;
    PictureStore Fox;
    PlaceField m_field;
};
