// SPDX-License-Identifier: GPL-3.0-or-later
#include "keptlesson.h"

#include "dialogs.h"
#include "graphform.h"
#include "island.h"
#include "lesson.h"
#include "prediction.h"
#include "resultsgraph.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QSocketNotifier>
#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A signal handler may do next to nothing: it writes a byte that the event loop then reads.
int signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

} // namespace

KeptLesson::KeptLesson(Lesson &lesson, const QString &folder) : m_lesson(lesson), m_file(folder)
{
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

void KeptLesson::begin(bool newLesson)
{
    if (newLesson) {
        m_file.keepAsPrevious();
        keepFromNowOn();
        return;
    }
    const std::optional<KeptWork> work = m_file.read();
    if (!work) {
        keepFromNowOn();
        return;
    }
    m_offer = std::make_unique<YesNoPanel>(m_lesson.window);
    connect(m_offer.get(), &YesNoPanel::answered, this, [this, kept = *work](bool yes) {
        if (yes)
            restore(kept);
        else
            m_file.keepAsPrevious();
        keepFromNowOn();
    });
    m_offer->ask(tr("Carry on where you stopped?"));
}

void KeptLesson::keepFromNowOn()
{
    m_keeping = true;
    m_timer.start();
    save();
}

void KeptLesson::endOnTermination()
{
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte;
        while (::read(signalPipe[0], &byte, 1) > 0) {
        }
        saveAndFinish();
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
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
            work.table[std::size_t(row - 1)] = results->valueCell(row)->text();
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
    chain.move(chain.created(ScreenId::Intro1), work.screen);
}

void KeptLesson::save()
{
    if (!m_keeping)
        return;
    const KeptWork work = collect();
    if (!work.worthKeeping() || work == m_written)
        return;
    // A work that could not be written is tried again only once it changes, so a folder that
    // cannot be written costs nothing more.
    m_writer.write(work);
    m_written = work;
}

void KeptLesson::saveAndFinish()
{
    save();
    m_writer.finish();
}
