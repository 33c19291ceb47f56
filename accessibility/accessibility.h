// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QString>

class QLabel;
class QWidget;

// What assistive technology sees of the lesson beyond what Qt gives a widget by itself.
//
// The text fields (the results table's cells, the graph title) answer screen readers through an
// interface of the lesson's own: Qt 6.4's own one for a line edit loops for ever when asked for the
// word at the end of "10", and reports empty attribute runs, from which Orca cuts the last
// character off what it reads.
namespace Accessibility {

// Puts the lesson's own interfaces in place, and keeps screens that are not showing quiet: a
// widget that is not visible sends no change of name, description, state, value or text to
// assistive technology (the pop-up games tick on hidden screens). Once is enough.
void install();

// The label is spoken as `pattern` with what it shows in place of %1, lines joined into one,
// whatever it shows now ("Rabbits counted: %1", or "%1" for just what it shows).
void speakAs(QLabel *label, const QString &pattern = QStringLiteral("%1"));

// The widget is `role` to assistive technology (a top-level QWidget is otherwise a filler, which a
// screen reader does not name as a window).
void setRole(QWidget *widget, QAccessible::Role role);

// The widget is one of a group of choices: a radio button to assistive technology, checked or not.
void makeChoice(QWidget *widget);
void setChosen(QWidget *widget, bool chosen);
bool isChosen(const QWidget *widget);

// The description of a page of the lesson, whose news (below) tells the pupil of its changes.
void describePage(QWidget *page, const QString &description);

// Has a screen reader say `text` now, once, without the pupil asking, as an announcement of the
// source's window (before Qt 6.8, a notification that appears). Nothing is said for a source that
// is not showing. News told `AfterEarlier` (a rabbit coming up as a year opens) is told after the
// other news, once that has been heard, and never in its place.
enum class Telling { InPlace, AfterEarlier };
void announce(QWidget *source, const QString &text, Telling telling = Telling::InPlace);
// News told `AfterEarlier` that is still waiting is not told after all: what it said is no longer so.
void withdrawWaiting(QWidget *source);

// A stretch of a text: the characters from start up to, not including, end.
struct Segment {
    int start = 0;
    int end = 0;
};

// The segments of a one-line text by kind of boundary, without widgets. A character is one
// character (a surrogate pair is one); a word runs from the start of a word to the start of the
// next one, its trailing blanks with it (blanks before the first word are a segment of their own);
// a sentence, line or paragraph is the whole text, which is one line. Offsets below 0 count as 0
// and offsets past the end as the end. At the end, a character is the empty segment there and
// anything else is the last segment.
Segment segmentAt(const QString &text, int offset, QAccessible::TextBoundaryType boundary);
// The segment just before or just after the one at offset; empty (at 0 or at the end) when there
// is none.
Segment segmentBefore(const QString &text, int offset, QAccessible::TextBoundaryType boundary);
Segment segmentAfter(const QString &text, int offset, QAccessible::TextBoundaryType boundary);

} // namespace Accessibility
