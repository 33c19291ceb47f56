// SPDX-License-Identifier: GPL-3.0-or-later
#include "holeboard.h"

#include "twips.h"

void PictureStore::insert(int index, Picture picture, const QSize &size)
{
    m_pictures.insert(index, StoredPicture{Artwork::pixmap(picture, size), picture});
}

const StoredPicture *PictureStore::operator()(int index) const
{
    const auto found = m_pictures.constFind(index);
    return found == m_pictures.constEnd() ? nullptr : &*found;
}

HoleBoard::HoleBoard(Stores stores)
{
    const QSize hole = Twips::size(HoleWidth, HoleHeight);
    if (stores == Stores::BurrowsAndRabbits)
        Rabbit.insert(0, Picture::Burrow, hole);
    Rabbit.insert(1, Picture::RabbitUp, hole);
    Rabbit.insert(2, Picture::RabbitMarked, hole);
    if (stores == Stores::RabbitsAndFoxes) {
        // A fox's head is a little smaller than a rabbit's, and sits in the middle of its hole.
        Fox.insert(1, Picture::FoxUp, Twips::size(615, 645));
        Fox.insert(2, Picture::FoxMarked, Twips::size(615, 645));
    }
}

void HoleBoard::addHole(QWidget *parent, int index, double left, double top)
{
    auto *hole = new ClickableImage(parent);
    hole->setGeometry(Twips::rect(left, top, HoleWidth, HoleHeight));
    Hole.insert(index, hole);
    m_field.add(hole);
    connect(hole, &ClickableImage::clicked, this, [this, index] { emit clicked(index); });
}

const StoredPicture *HoleBoard::stored(HoleStates::Look look) const
{
    using Look = HoleStates::Look;
    switch (look) {
    case Look::Nothing:
        return nullptr;
    case Look::Burrow:
        return Rabbit(0);
    case Look::Rabbit:
        return Rabbit(1);
    case Look::MarkedRabbit:
        return Rabbit(2);
    case Look::Fox:
        return Fox(1);
    case Look::MarkedFox:
        return Fox(2);
    }
    return nullptr;
}

QString HoleBoard::spokenName(HoleStates::Look look)
{
    using Look = HoleStates::Look;
    switch (look) {
    case Look::Nothing:
        break;
    case Look::Burrow:
        //: What a screen reader calls a burrow with no animal showing (followed by the kind of place, e.g. "image").
        return tr("burrow");
    case Look::Rabbit:
        return tr("rabbit");
    case Look::MarkedRabbit:
        //: What a screen reader calls a rabbit the pupil has counted.
        return tr("counted rabbit");
    case Look::Fox:
        return tr("fox");
    case Look::MarkedFox:
        //: What a screen reader calls a fox the pupil has marked.
        return tr("counted fox");
    }
    return QString();
}

void HoleBoard::show(int index, const HoleStates::Hole &state)
{
    ClickableImage *hole = Hole(index);
    if (!hole)
        return;
    hole->setTag(state.tag);
    if (const StoredPicture *picture = stored(state.look))
        hole->setPicture(picture->pixmap, picture->picture);
    else
        hole->clearPicture();
    hole->setAccessibleName(spokenName(state.look));
}
