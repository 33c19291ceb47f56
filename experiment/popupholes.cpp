// SPDX-License-Identifier: GPL-3.0-or-later
#include "popupholes.h"

#include "artwork.h"
#include "twips.h"

#include <QCoreApplication>

namespace PopupHoles {

namespace {
constexpr Picture StorePictures[3] = {Picture::Burrow, Picture::RabbitUp, Picture::RabbitMarked};
}

void addPictureStores(ControlArray<QLabel> &Rabbit, QWidget *parent, const std::array<QPointF, 3> &topLefts)
{
    for (int i = 0; i < 3; ++i) {
        QLabel *store = Controls::picture(parent, StorePictures[i], QString(), topLefts[i].x(), topLefts[i].y(),
                                          HoleWidth, HoleHeight);
        store->hide();
        Rabbit.insert(i, store);
    }
}

ClickableImage *addHole(QWidget *parent, double left, double top)
{
    auto *hole = new ClickableImage(parent);
    hole->setGeometry(Twips::rect(left, top, HoleWidth, HoleHeight));
    return hole;
}

void show(ClickableImage *hole, const PopupGame::Hole &state, const ControlArray<QLabel> &Rabbit)
{
    if (!hole)
        return;
    // A practice rabbit that was hit keeps the tag "up" but wears the mark, and is spoken as marked.
    const bool marked = state.look == PopupGame::Look::MarkedRabbit;
    hole->setSpokenNames({{PopupGame::Down, QCoreApplication::translate("PopupHoles", "burrow")},
                          {PopupGame::Up, marked ? QCoreApplication::translate("PopupHoles", "counted rabbit")
                                                 : QCoreApplication::translate("PopupHoles", "rabbit")},
                          {PopupGame::MarkedTag, QCoreApplication::translate("PopupHoles", "counted rabbit")}});
    hole->setTag(state.tag);
    const int store = state.look == PopupGame::Look::Burrow   ? 0
                      : state.look == PopupGame::Look::Rabbit ? 1
                      : marked                                ? 2
                                                              : -1;
    if (store < 0 || !Rabbit(store))
        hole->clearPicture();
    else
        hole->setPicture(Rabbit(store)->pixmap(), StorePictures[store]);
}

} // namespace PopupHoles
