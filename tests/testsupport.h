// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lesson.h"
#include "lessonscreen.h"
#include "screens.h"

#include <QApplication>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <functional>
#include <memory>

// A fresh lesson with every screen known to its chain, and a program end that only notes the end.
struct TestLesson {
    TestLesson();
    ~TestLesson();

    LessonScreen *screen(ScreenId id) { return lesson.chain.screen(id); }
    template <typename T> T *screenAs(ScreenId id) { return static_cast<T *>(lesson.chain.screen(id)); }
    // The one lesson screen showing, or nullptr when there is none or more than one.
    LessonScreen *showing() const;

    Lesson lesson;
    bool ended = false;
};

// What a modal window said, and what was pressed to close it.
struct ModalSeen {
    QString kind;  // "message box", "reminder", "question" or "" when none appeared
    QString title; // the message box's title, or the question dialog's title label
    QString text;
    QStringList buttons; // message box buttons, in their order
    int icon = -1;       // QMessageBox::Icon of a message box
    QString defaultButton;
    QStringList visibleScreens; // the lesson screens showing while it was open
};

// Runs action (typically a click that opens a modal window) and, once the first modal window is
// showing, records what it shows and closes it by pressing the button whose text is answer ("" for
// the window's usual close: OK, Close or No). Returns what was seen; kind is empty if nothing opened.
ModalSeen answerModal(TestLesson &t, const std::function<void()> &action, const QString &answer = QString());

// Every modal window opened while action runs is closed with its usual button; returns each one seen.
QList<ModalSeen> answerAllModals(TestLesson &t, const std::function<void()> &action);

QString screenName(ScreenId id);

// What a screen reader is told of a widget: its name, its description, and for a choice its role
// and whether it is checked ("radio button, checked").
QString spokenName(QObject *object);
QString spokenDescription(QObject *object);
QString spokenChoice(QObject *object);

// The panel open now (a message over a panel beneath it), or nullptr.
QWidget *openModal(TestLesson &t);

// Empty while the lesson window is the one top-level window showing; otherwise what else is showing.
QString oneWindowFault(TestLesson &t);

// A tooltip as the tooltip's label reads it (as HTML when it looks like some), laid out as it is for
// showing: what it asked to load, how many links it holds; its text as seen is toPlainText().
struct RenderedTip : QTextDocument {
    explicit RenderedTip(const QString &tip);
    QVariant loadResource(int type, const QUrl &name) override;
    QList<QUrl> loaded;
    int anchors = 0;
};

// Whether text holds a character that moves the cursor, rings, or turns the text round (a line
// break aside).
bool unsafeText(const QString &text);
