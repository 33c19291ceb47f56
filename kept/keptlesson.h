// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keptwork.h"
#include "onelesson.h"
#include "workwriter.h"

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

class YesNoPanel;
struct Lesson;

// Keeps the pupil's work between runs. It reads the work from the lesson's screens and state and
// writes it to the pupil's work file (about a second after a change, at every move, and when the
// program ends), and at start offers kept work back: "Carry on where you stopped?". Yes loads every
// screen the pupil had reached, in the lesson's order, puts the work back and shows the screen the
// pupil was on as a move there would; No keeps the old work aside as the previous one. Only one
// lesson keeps a pupil's work at a time: a lesson started while another is open on the same folder
// reads and writes nothing, and gives way to the open one.
class KeptLesson : public QObject {
    Q_OBJECT
public:
    explicit KeptLesson(Lesson &lesson, const QString &folder = WorkFile::defaultFolder());
    ~KeptLesson() override;

    // Whether this is the only lesson open on the work folder; when it is not, nothing is read or
    // written, and the lesson should give way.
    bool onlyLesson() const { return m_only.only(); }
    // Brings the lesson already open to the front, or, where it cannot, says in one line on standard
    // error and in a message panel that it is open; then the program should end.
    void giveWay();

    // Once the first screen shows: offers the kept work, if any, or (newLesson) sets it aside
    // unasked; then keeps the pupil's work from there on.
    void begin(bool newLesson);
    // Ends the program with the work kept when it is asked to terminate (SIGTERM, SIGHUP, SIGINT).
    void endOnTermination();

    // The work as the lesson holds it now.
    KeptWork collect() const;
    // Puts kept work back into a lesson that shows its first screen.
    void restore(const KeptWork &work);
    // Hands the work to the writer if it changed since it was last handed over; the writing
    // goes on beside the lesson.
    void save();
    // Saves, and returns once the work is written: when the program ends.
    void saveAndFinish();

    WorkFile &file() { return m_file; }
    // The offer while it waits for an answer, else nullptr.
    YesNoPanel *offer() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void keepFromNowOn();

    Lesson &m_lesson;
    WorkFile m_file;
    OneLesson m_only;
    // After the file, which it writes.
    WorkWriter m_writer{m_file};
    QTimer m_timer;
    ScreenId m_current = ScreenId::Intro1;
    bool m_keeping = false;
    std::optional<KeptWork> m_written;
    std::unique_ptr<YesNoPanel> m_offer;
};
