// SPDX-License-Identifier: GPL-3.0-or-later
#include "keptlesson.h"

#include "dialogs.h"
#include "graphform.h"
#include "island.h"
#include "lesson.h"
#include "prediction.h"
#include "resultsgraph.h"
#include "termination.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

KeptLesson::KeptLesson(Lesson &lesson, const QString &folder) : m_lesson(lesson), m_file(folder), m_only(folder)
{
    connect(&m_only, &OneLesson::forwardAsked, this, [this] {
        LessonWindow &window = m_lesson.window;
        if (window.isMinimized())
            window.showNormal();
        window.raise();
        window.activateWindow();
    });
    connect(&m_lesson.chain, &ScreenChain::screenActivated, this, [this](ScreenId id) {
        m_current = id;
        save();
    });
    // What changed within a screen is written at most a second later; an unchanged lesson
    // writes nothing.
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &KeptLesson::save);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &KeptLesson::saveAndFinish);
    if (auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::commitDataRequest, this, &KeptLesson::saveAndFinish);
}

KeptLesson::~KeptLesson() = default;

YesNoPanel *KeptLesson::offer() const
{
    return m_offer && m_offer->isVisible() ? m_offer.get() : nullptr;
}

void KeptLesson::giveWay()
{
    if (m_only.askOpenLessonForward()) {
        qWarning("Lapinar: the lesson is already open; it is brought to the front");
        return;
    }
    qWarning("Lapinar: the lesson is already open (its work is in %s); this one ends without touching it",
             qUtf8Printable(m_file.path()));
    m_lesson.chain.start();
    MessagePanel open(m_lesson.window, QMessageBox::Information, tr("This lesson is already open in another window."),
                      QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok);
    m_lesson.readAloud.showing(open.text());
    open.exec();
}

void KeptLesson::begin(bool newLesson)
{
    if (!m_only.only())
        return;
    // Read first even when it is set aside unasked, so that a newer lesson's work is left alone.
    const std::optional<KeptWork> work = m_file.read();
    if (m_file.leftForNewerLesson())
        return;
    if (newLesson)
        m_file.keepAsPrevious();
    if (newLesson || !work) {
        keepFromNowOn();
        return;
    }
    m_offer = std::make_unique<YesNoPanel>(m_lesson.window);
    connect(m_offer.get(), &YesNoPanel::answered, this, [this, kept = *work](bool yes) {
        m_lesson.chain.backFromMessage();
        if (yes)
            restore(kept);
        else
            m_file.keepAsPrevious();
        keepFromNowOn();
    });
    // Escape leaves the question open rather than answering No: a stray key must not set the work
    // aside, and carrying on unasked would take a pupil who meant to start afresh past the question
    // for good. Only Yes or No, chosen, answers it.
    m_offer->installEventFilter(this);
    m_offer->ask(tr("Carry on where you stopped?"));
    m_lesson.readAloud.showing(m_offer->text()->text());
}

bool KeptLesson::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_offer.get() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
        return true;
    return QObject::eventFilter(watched, event);
}

void KeptLesson::keepFromNowOn()
{
    m_keeping = true;
    m_timer.start();
    save();
}

void KeptLesson::endOnTermination()
{
    // The work is kept as the program leaves its event loop (aboutToQuit).
    Termination::endLikeTheLesson();
}

KeptWork KeptLesson::collect() const
{
    const ScreenChain &chain = m_lesson.chain;
    const LAPINAR1 &state = m_lesson.state;
    KeptWork work;
    work.screen = m_current;
    for (int i = 0; i < ScreenCount; ++i)
        if (chain.created(ScreenId(i)))
            work.reached = ScreenId(i);
    work.currentYear = state.CurrentYear;
    work.graphVisited = state.GraphVisited;
    std::copy(state.Counted.begin() + 1, state.Counted.end(), work.counted.begin());
    // The visit on the island now is kept as its year's count, as leaving the year would record it:
    // the year comes back laid out afresh, and the rabbits counted in it are not lost.
    if (m_current == ScreenId::Island && state.CurrentYear >= 1 && state.CurrentYear <= 10)
        if (const auto *island = static_cast<const Island *>(chain.created(ScreenId::Island))) {
            qint16 &counted = work.counted[std::size_t(state.CurrentYear - 1)];
            counted = std::max(counted, qint16(island->game().yearCount()));
        }
    if (const auto *prediction = static_cast<const Prediction *>(chain.created(ScreenId::Prediction)))
        work.prediction = prediction->ringedIndex();
    if (const auto *results = static_cast<const GraphForm *>(chain.created(ScreenId::GraphForm))) {
        for (int row = 1; row <= GraphForm::Rows; ++row)
            work.table[std::size_t(row - 1)] = results->keptCell(row);
        work.titleText = results->titleText()->text();
        work.graphTitle = results->graph()->title();
        work.joined = results->graph()->joined();
    }
    return work;
}

void KeptLesson::restore(const KeptWork &work)
{
    ScreenChain &chain = m_lesson.chain;
    // Every screen the pupil had reached is loaded in the order the pupil reached it, so the loads
    // that set the lesson up (the year tables, the counts cleared by Extend and Finish) run as they
    // did; the kept work then goes over what they set.
    for (int i = 0; i <= int(work.reached); ++i)
        chain.screen(ScreenId(i));
    LAPINAR1 &state = m_lesson.state;
    state.CurrentYear = work.currentYear;
    state.GraphVisited = work.graphVisited;
    std::copy(work.counted.begin(), work.counted.end(), state.Counted.begin() + 1);
    if (auto *prediction = static_cast<Prediction *>(chain.created(ScreenId::Prediction)))
        prediction->choose(work.prediction);
    if (auto *results = static_cast<GraphForm *>(chain.created(ScreenId::GraphForm))) {
        for (int row = 1; row <= GraphForm::Rows; ++row)
            results->valueCell(row)->setText(work.table[std::size_t(row - 1)]);
        results->titleText()->setText(work.titleText);
        results->graph()->setTitle(work.graphTitle);
        results->setJoined(work.joined);
    }
    // The visit showing goes on with the count it had, rather than from 0 as a new visit does; given
    // before the move, so that the island opens saying the count it goes on from.
    if (work.screen == ScreenId::Island && work.currentYear >= 1 && work.currentYear <= 10)
        if (auto *island = static_cast<Island *>(chain.created(ScreenId::Island)))
            island->carryOnCount(work.counted[std::size_t(work.currentYear - 1)]);
    chain.move(chain.created(ScreenId::Intro1), work.screen);
}

void KeptLesson::save()
{
    if (!m_keeping)
        return;
    const KeptWork work = collect();
    // A work that could not be written (a disk full for a moment) is tried again at the next tick
    // and at the end.
    if (m_writer.lastFailed())
        m_written.reset();
    if (!work.worthKeeping() || work == m_written)
        return;
    m_writer.write(work);
    m_written = work;
}

void KeptLesson::saveAndFinish()
{
    save();
    // Bounded, so that a hung disk never keeps the program from ending; the writer says so.
    m_writer.finish();
}
