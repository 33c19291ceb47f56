// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "speechengine.h"

#include <QAccessible>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

class QAbstractButton;
class QWidget;

// Reading aloud, for pupils who read with difficulty: off until the pupil presses its key (or a
// setting turns it on at start). While it is on, the lesson speaks each screen's instructions on
// arrival, a reminder or worksheet question as it opens, any text of a screen the pupil clicks,
// and a button's caption as it takes the keyboard's focus or when the mouse rests on it for about a
// second; each new text cuts the one before short. The key again turns it off and silences it.
// The lesson shows a small sign while it is on (`switched`, `showingNew`).
//
// The voice is made on the first turn-on, from the speech module, so a lesson that never reads
// aloud loads no speech library. Where no voice speaks the lesson's language, reading aloud says so
// once (on the terminal and in the lesson) and stays off.
//
// While a screen reader runs (assistive technology listens to the lesson), it speaks every text
// already: reading aloud, though on, stays quiet, so that one voice speaks, unless the teacher asks
// for both (besideScreenReader). It takes up again as the screen reader ends.
class ReadAloud : public QObject, public QAccessible::ActivationObserver {
    Q_OBJECT
public:
    static constexpr Qt::Key Key = Qt::Key_F9;
    // How long the mouse rests on a button before its caption is spoken.
    static constexpr int RestMs = 1000;
    using EngineMaker = std::function<std::unique_ptr<SpeechEngine>(
        const QLocale &locale, const std::function<void(const QString &why)> &unavailable)>;

    // Texts of the lesson window that the pupil clicks are spoken.
    explicit ReadAloud(QWidget &window);
    ~ReadAloud() override;

    // The language the lesson speaks, as its two-letter code.
    void setLanguage(const QString &language) { m_language = language; }
    // Tests put a recording voice in place of the speech module.
    void setEngineMaker(EngineMaker maker) { m_maker = std::move(maker); }

    bool isOn() const { return m_on; }
    void setOn(bool on);
    void toggle() { setOn(!m_on); }

    // Whether a screen reader runs now; the lesson follows Qt's own word for it, tests set it.
    bool screenReaderRuns() const { return m_screenReader; }
    void setScreenReaderRuns(bool runs);
    // The teacher's choice that the lesson's voice speaks beside a screen reader's.
    void setBesideScreenReader(bool beside) { m_beside = beside; }
    // On, but quiet for a screen reader that speaks instead.
    bool quietForScreenReader() const { return m_on && m_screenReader && !m_beside; }

    // What is showing now, given by the chain on each arrival at a screen and each panel opening:
    // spoken at once when reading aloud is on, and again when it is turned on.
    void showing(const QString &text);
    // The panel over the screen has closed: what it was saying stops, and the screen's text is
    // what turning reading aloud on speaks again.
    void backTo(const QString &text);
    // Speaks the text now, if reading aloud is on and the text has words.
    void speak(const QString &text);

    // The speech module's voice; nullptr, after calling `unavailable`, where it cannot be loaded.
    static std::unique_ptr<SpeechEngine> loadModuleEngine(const QLocale &locale,
                                                          const std::function<void(const QString &)> &unavailable);

signals:
    // Reading aloud could not start; the lesson shows the text in a message.
    void unavailable(const QString &message);
    void switched(bool on);
    // Something new is showing (a screen or a panel) while reading aloud is on.
    void showingNew();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void accessibilityActiveChanged(bool active) override { setScreenReaderRuns(active); }

private:
    void cannotSpeak(const QString &why);
    // What a button is called aloud.
    static QString caption(const QAbstractButton *button);

    QWidget &m_window;
    QString m_language = QStringLiteral("en");
    EngineMaker m_maker;
    std::unique_ptr<SpeechEngine> m_engine;
    bool m_on = false;
    bool m_screenReader = false;
    bool m_beside = false;
    // No voice was found: reading aloud said so and stays off.
    bool m_failed = false;
    // What the pupil hears on turning it on: the screen showing, or the panel open over it.
    QString m_current;
    // The button the mouse has come to, and the wait before its caption is spoken.
    // Held as an object: a leave event can come while the control is being destroyed.
    QPointer<QObject> m_pointedAt;
    // A key that moves the focus is down: the control it comes to is the pupil's choice.
    bool m_movingFocus = false;
    QTimer m_rest;
};
