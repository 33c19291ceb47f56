// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "artwork.h"

#include <QLabel>
#include <QMap>
#include <QPixmap>
#include <QPushButton>
#include <QString>

// A control array: several controls of one kind under one name, told apart by an index. Asking for
// an index that has no control gives nullptr; handlers act by index and ignore those they do not know.
template <typename T> class ControlArray {
public:
    void insert(int index, T *control) { m_controls.insert(index, control); }
    T *operator()(int index) const { return m_controls.value(index, nullptr); }
    bool contains(int index) const { return m_controls.contains(index); }
    QList<int> indexes() const { return m_controls.keys(); }
    qsizetype size() const { return m_controls.size(); }

private:
    QMap<int, T *> m_controls;
};

// A label the pupil clicks as a button is clicked: a press and a release of the left button both on
// it. The second press of a double-click is no new click, and a press that slides off the label
// before its release is none either. With the focus, Space or Enter clicks it once (a held key
// does not repeat). A label already hidden ignores a click still on its way to it.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget *parent = nullptr);
    explicit ClickableLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // With the focus from the keyboard, the lesson's focus ring round focusRect().
    void paintEvent(QPaintEvent *event) override;
    // Where the focus ring goes: round the whole label unless a label says otherwise.
    virtual QRect focusRect() const { return rect(); }

private:
    // The left button went down on the label and has not come up since.
    bool m_pressed = false;
};

// An image control that reports clicks and carries a text tag: the tag is the whole state of a
// burrow place, and click handlers decide by the tag alone. A hole "shows a picture" by taking a
// copy of one from its board's picture store (board/holeboard.h).
class ClickableImage : public ClickableLabel {
    Q_OBJECT
public:
    explicit ClickableImage(QWidget *parent = nullptr);

    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    // which: the picture this is a copy of, so that what shows can be told.
    void setPicture(const QPixmap &picture, Picture which);
    void clearPicture();
    bool hasPicture() const { return m_hasPicture; }
    QString pictureName() const { return m_pictureName; }

private:
    QString m_tag;
    QString m_pictureName;
    bool m_hasPicture = false;
};

// Builders for the lesson's standard controls. Geometry is in twips within the parent's client area.
namespace Controls {

QLabel *label(QWidget *parent, const QString &text, double left, double top, double width, double height,
              const QFont &font);
QPushButton *button(QWidget *parent, const QString &caption, double left, double top, double width, double height,
                    const QFont &font);
// A button that shows one of the lesson's pictures and no caption; spokenName is what a screen
// reader says for it.
QPushButton *pictureButton(QWidget *parent, Picture picture, const QString &spokenName, double left, double top,
                           double width, double height);
// An image that stretches one of the lesson's pictures to its size.
QLabel *picture(QWidget *parent, Picture picture, const QString &spokenName, double left, double top, double width,
                double height);

// The controls inside `area` that Tab stops at now, in the order Tab visits them.
QList<QWidget *> focusStops(QWidget *area);

} // namespace Controls
