// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class ModalPanel;

// The lesson's one top-level window, for the whole run: no title bar, a thin fixed frame (45 twips)
// painted by the window itself around a client area of one lesson screen. The screens are pages of
// the client area and the reminder and question dialogs are panels over them, so nothing depends on
// how a window system places or stacks windows. The pupil can neither move, resize nor close it:
// close requests are ignored, so the lesson never runs with no window showing.
//
// Full screen (F11, or from the start) keeps the lesson at its scale, centred on a plain dark surround.
class LessonWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr double FrameTwips = 45;
    // A lesson screen with its frame.
    static constexpr double WidthTwips = 9690;
    static constexpr double HeightTwips = 7290;

    LessonWindow();

    // The client area: the screens and panels are its children, placed in twips from its corner.
    QWidget *pages() const { return m_pages; }

    // Sizes the window to one lesson screen with its frame and centres it on the display, where the
    // window system lets a program place its windows.
    void CenterScreen();
    // The window's own small icon and the whole program's, for task bars and window lists.
    void setIcons();

    bool isFullScreenLesson() const { return m_fullScreen; }
    void setFullScreenLesson(bool on);

    // The panel open now, if any; while one is open nothing else in the window takes a click or a key.
    ModalPanel *openPanel() const { return m_panel; }
    void setOpenPanel(ModalPanel *panel);

    // The lesson's frame and client area within the window: the whole window unless full screen.
    QRect lessonRect() const;

    // Paints the raised fixed frame of a lesson window or panel round the inside edge of `outer`.
    static void paintFrame(QPainter &painter, const QRect &outer, const QPalette &palette);

signals:
    // The pupil pressed the key that turns reading aloud on and off.
    void readAloudKeyPressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Enter presses the button that has the focus, as on the systems the lesson grew up on; F11
    // switches full screen on and off; F9 reading aloud.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void placePages();
    // Keeps the focus inside the open panel, whatever tries to take it elsewhere.
    void keepFocusInPanel(QWidget *now);

    QWidget *m_pages;
    // Covers the client area under an open panel and swallows every click on what lies beneath.
    QWidget *m_shade;
    ModalPanel *m_panel = nullptr;
    bool m_fullScreen = false;
    // Leaving full screen under Wayland: the lesson's size is fixed again once the compositor has
    // resized the window.
    bool m_sizeWhenBack = false;
};
