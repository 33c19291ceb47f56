// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The lesson's look over the platform's own style: the focus is a ring that grows with the lesson's
// scale and stands out on every screen's background (grey, green, pale yellow) and on the button
// face, on every control that takes the focus. Made once for the whole program.
class LessonStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Sets the lesson's style on the application unless it already has it.
    static void install();

    // The ring's width in pixels: 2 at the original size, growing with the lesson's scale.
    static int focusRingWidth();
    // Draws the focus ring just inside `rect`.
    static void drawFocusRing(QPainter *painter, const QRect &rect);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;

private:
    LessonStyle();
};
