// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <utility>

class ClickableImage;
class QKeyEvent;

// A field of clickable places (the burrows of a pop-up game, the animals on the fox island) that is
// one stop in the Tab order, however many places it has. Only a place that shows something (a
// burrow, a rabbit, an animal) can hold the focus; the empty ones are passed over.
//
// - Tab reaches the field's one stop: the place that last had the focus, or the first showing place
//   in reading order when that one shows nothing any more.
// - Inside the field Left and Right go to the previous and next showing place in reading order
//   (row by row, left to right), Up and Down to the showing place nearest across in the nearest row
//   above or below that has one, Home and End to the first and last. Nothing wraps round: an arrow
//   at the edge leaves the focus where it is, and the field says so (noFurther), for the screen to
//   tell.
// - Space and Enter are the place's own: they click it.
// - follow() moves the focus to a place where a rabbit has just come up, if the focus is in the
//   field and the pupil is using the keyboard, so a keyboard pupil can count it in time; between
//   rabbits the arrows are the pupil's. A pupil who has gone over to the mouse is not followed. With
//   the focus elsewhere, the rabbit's place becomes the stop, so Tab comes in on the rabbit.
//
// The field does not watch what its places show: the screen calls refresh() after every layout.
class PlaceField : public QObject {
    Q_OBJECT
public:
    explicit PlaceField(QObject *parent = nullptr);

    void add(ClickableImage *place);

    // After the places have been laid out anew: if the stop shows nothing any more, the first
    // showing place becomes the stop, and takes the focus if the focus was in the field.
    void refresh();

    // Something has come up at place (a rabbit out of its burrow): if the field has the focus, the
    // focus moves there, and a screen reader hears the place read out again even if the focus was
    // there already; if not, it becomes the stop, so that Tab into the field lands on it.
    void follow(ClickableImage *place);

    // The place that Tab reaches; nullptr only while the field has no places.
    ClickableImage *stop() const { return m_stop; }
    // The place holding the focus of its window, or nullptr if the focus is elsewhere.
    ClickableImage *focusedPlace() const;

signals:
    // One of the places has taken the focus, for this reason.
    void entered(Qt::FocusReason reason);
    // The focus has gone from the places to something else.
    void left();
    // An arrow key found no showing place that way: the focus is at the field's edge.
    void noFurther();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool moveByKey(ClickableImage *from, const QKeyEvent *event);
    void setStop(ClickableImage *place);
    void focus(ClickableImage *place, Qt::FocusReason reason);
    // The showing places in reading order, each with the row it stands in.
    QList<std::pair<ClickableImage *, int>> showingInReadingOrder() const;

    QList<ClickableImage *> m_places;
    ClickableImage *m_stop = nullptr;
    // A refresh() has found something showing: from then on the stop is a place of the pupil's.
    bool m_laidOut = false;
};
