// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classfolder.h"

#include <QWidget>

class ClassGraph;

// The class graph on the class window. It takes the focus, when it says the graph in words to a
// screen reader; Left and Right (Home, End) then say the years one by one.
class ClassGraphView : public QWidget {
public:
    explicit ClassGraphView(QWidget *parent);
    void setPupils(const QList<ClassFolder::Pupil> &pupils);
    void setTruthShown(bool shown);

protected:
    void paintEvent(QPaintEvent *) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    ClassGraph graph() const;
    void describe();

    QList<ClassFolder::Pupil> m_pupils;
    bool m_truth = false;
    // The year said last by the arrows; none yet.
    int m_year = -1;
};
