// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLabel;
class LessonWindow;
class ReadAloud;

// The small speaker in the top right corner of the lesson that shows reading aloud is on, above
// the screen showing and above any panel opening over it.
class ReadAloudSign : public QObject {
public:
    ReadAloudSign(LessonWindow &window, ReadAloud &readAloud);

private:
    void show();

    LessonWindow &m_window;
    const ReadAloud &m_readAloud;
    QLabel *m_sign = nullptr;
};
