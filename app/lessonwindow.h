// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A window of the lesson: no title bar, a thin fixed frame (45 twips) painted by the window itself
// around a client area in which the controls are placed. The pupil can neither move, resize nor
// close it: close requests from the window system are ignored, so the lesson never runs with no
// window showing.
class LessonWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr double FrameTwips = 45;

    explicit LessonWindow(Qt::WindowFlags kind = Qt::Window);

    // The area inside the frame; controls are its children, placed in twips from its corner.
    QWidget *client() const { return m_client; }
    void setBackground(const QColor &colour);

    // Sets the window's outer size in twips and centres it on the display, using the size that
    // was really made.
    void CenterScreen(double widthTwips, double heightTwips);

    // Fixes the window's outer size in pixels and fits the client area inside the frame.
    void setOuterSize(const QSize &size);

    // The client area's outer size for a window whose client area is given (in pixels).
    static QSize outerSizeFor(const QSize &clientSize);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Enter presses the button that has the focus, as on the systems the lesson grew up on.
    void keyPressEvent(QKeyEvent *event) override;

private:
    int framePx() const;

    QWidget *m_client;
};
