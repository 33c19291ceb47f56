// SPDX-License-Identifier: GPL-3.0-or-later
#include "placefield.h"

#include "controls.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <algorithm>
#include <cstdlib>
#include <limits>

PlaceField::PlaceField(QObject *parent) : QObject(parent) {}

void PlaceField::add(ClickableImage *place)
{
    if (!place || m_places.contains(place))
        return;
    m_places.append(place);
    place->installEventFilter(this);
    // Until the first layout the first place stands for the field, so that the field has its place
    // among the screen's stops when the screen is first shown; the first refresh() then moves the
    // stop (and the focus, if it is there) to the first place that shows something.
    if (!m_stop)
        m_stop = place;
    place->setFocusPolicy(place == m_stop ? Qt::TabFocus : Qt::NoFocus);
}

ClickableImage *PlaceField::focusedPlace() const
{
    if (m_places.isEmpty())
        return nullptr;
    auto *focused = qobject_cast<ClickableImage *>(m_places.first()->window()->focusWidget());
    return m_places.contains(focused) ? focused : nullptr;
}

QList<std::pair<ClickableImage *, int>> PlaceField::showingInReadingOrder() const
{
    QList<ClickableImage *> showing;
    for (ClickableImage *place : m_places)
        if (place->hasPicture())
            showing.append(place);
    std::sort(showing.begin(), showing.end(), [](const ClickableImage *a, const ClickableImage *b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    // Places whose tops lie within half a place's height of a row's first place stand in that row.
    QList<std::pair<ClickableImage *, int>> ordered;
    int row = -1;
    int rowTop = std::numeric_limits<int>::min() / 2;
    for (ClickableImage *place : showing) {
        if (place->y() - rowTop >= std::max(1, place->height() / 2)) {
            ++row;
            rowTop = place->y();
        }
        ordered.append({place, row});
    }
    return ordered;
}

void PlaceField::setStop(ClickableImage *place)
{
    m_stop = place;
    for (ClickableImage *p : std::as_const(m_places))
        p->setFocusPolicy(p == m_stop ? Qt::TabFocus : Qt::NoFocus);
}

void PlaceField::focus(ClickableImage *place, Qt::FocusReason reason)
{
    setStop(place);
    place->setFocus(reason);
}

void PlaceField::refresh()
{
    const auto showing = showingInReadingOrder();
    // With nothing showing there is nowhere better to be; the stop stays until something shows.
    if (showing.isEmpty() || (m_laidOut && m_stop && m_stop->hasPicture())) {
        if (m_stop)
            setStop(m_stop);
        return;
    }
    m_laidOut = true;
    ClickableImage *focused = focusedPlace();
    setStop(showing.first().first);
    if (focused)
        focus(m_stop, Qt::OtherFocusReason);
}

void PlaceField::follow(ClickableImage *place)
{
    if (!place || !m_places.contains(place) || !place->hasPicture() || !place->isVisible())
        return;
    ClickableImage *focused = focusedPlace();
    if (!focused) {
        setStop(place);
        return;
    }
    // A pupil playing with the mouse is not shown where the rabbits come up.
    if (!place->window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    if (focused != place) {
        focus(place, Qt::OtherFocusReason);
        return;
    }
    // The focus is there already, so no focus change tells a screen reader; it reads the place
    // again, now a rabbit.
    if (place->hasFocus()) {
        QAccessibleEvent event(place, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

bool PlaceField::eventFilter(QObject *watched, QEvent *event)
{
    auto *place = qobject_cast<ClickableImage *>(watched);
    if (!place || !m_places.contains(place))
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        // However the focus came, the place that has it is the one Tab comes back to.
        if (place != m_stop)
            setStop(place);
        emit entered(static_cast<QFocusEvent *>(event)->reason());
        break;
    case QEvent::FocusOut:
        if (!focusedPlace())
            emit left();
        break;
    case QEvent::KeyPress:
        return moveByKey(place, static_cast<QKeyEvent *>(event));
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool PlaceField::moveByKey(ClickableImage *from, const QKeyEvent *event)
{
    const int key = event->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down &&
        key != Qt::Key_Home && key != Qt::Key_End)
        return false;
    const auto showing = showingInReadingOrder();
    if (showing.isEmpty())
        return true;
    const auto at = std::find_if(showing.cbegin(), showing.cend(), [from](const auto &p) { return p.first == from; });
    ClickableImage *to = nullptr;
    if (key == Qt::Key_Home || at == showing.cend()) {
        // From an empty place (a layout changed under it) any key leads back among the showing ones.
        to = key == Qt::Key_End ? showing.last().first : showing.first().first;
    } else if (key == Qt::Key_End) {
        to = showing.last().first;
    } else if (key == Qt::Key_Left) {
        to = at == showing.cbegin() ? nullptr : std::prev(at)->first;
    } else if (key == Qt::Key_Right) {
        to = std::next(at) == showing.cend() ? nullptr : std::next(at)->first;
    } else {
        // The nearest row above (or below) that has a showing place, then the place in it nearest
        // across, by the places' centres.
        const int row = at->second;
        int bestRow = -1;
        for (const auto &p : showing) {
            const bool beyond = key == Qt::Key_Up ? p.second < row : p.second > row;
            if (beyond && (bestRow < 0 || std::abs(p.second - row) < std::abs(bestRow - row)))
                bestRow = p.second;
        }
        int bestDistance = std::numeric_limits<int>::max();
        const int across = from->geometry().center().x();
        for (const auto &p : showing) {
            const int distance = std::abs(p.first->geometry().center().x() - across);
            if (p.second == bestRow && distance < bestDistance) {
                bestDistance = distance;
                to = p.first;
            }
        }
    }
    if (to && to != from)
        focus(to, Qt::TabFocusReason);
    else if (!to)
        emit noFurther();
    return true;
}
