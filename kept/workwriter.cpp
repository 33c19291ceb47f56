// SPDX-License-Identifier: GPL-3.0-or-later
#include "workwriter.h"

#include <condition_variable>
#include <mutex>
#include <optional>

// What the writer and its thread share; the thread holds it too, so that it outlives a writer
// that stopped waiting for it.
struct WorkWriter::Shared {
    explicit Shared(const WorkFile &f) : file(f) {}
    WorkFile file;
    std::mutex mutex;
    std::condition_variable changed;
    std::optional<KeptWork> waiting;
    bool busy = false;
    bool stop = false;
    bool running = false;
    bool failed = false;
};

WorkWriter::WorkWriter(const WorkFile &file) : m_shared(std::make_shared<Shared>(file)) {}

WorkWriter::~WorkWriter()
{
    Shared &s = *m_shared;
    std::unique_lock lock(s.mutex);
    s.stop = true;
    s.changed.notify_all();
    s.changed.wait_for(lock, m_timedOut ? std::chrono::milliseconds(0) : EndWait, [&s] { return !s.running; });
    if (s.running)
        qWarning("Lapinar: the pupil's work could not be written to %s in time; the last changes may not be kept",
                 qUtf8Printable(s.file.path()));
}

void WorkWriter::write(const KeptWork &work)
{
    Shared &s = *m_shared;
    const std::lock_guard lock(s.mutex);
    s.waiting = work;
    if (!s.running) {
        s.running = true;
        std::thread(run, m_shared).detach();
    }
    s.changed.notify_all();
}

bool WorkWriter::finish(std::chrono::milliseconds wait)
{
    Shared &s = *m_shared;
    std::unique_lock lock(s.mutex);
    const bool done = s.changed.wait_for(lock, wait, [&s] { return !s.waiting && !s.busy; });
    m_timedOut = m_timedOut || !done;
    return done;
}

bool WorkWriter::lastFailed() const
{
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->failed;
}

void WorkWriter::run(const std::shared_ptr<Shared> &shared)
{
    Shared &s = *shared;
    std::unique_lock lock(s.mutex);
    for (;;) {
        s.changed.wait(lock, [&s] { return s.waiting || s.stop; });
        if (!s.waiting)
            break;
        const KeptWork work = std::move(*s.waiting);
        s.waiting.reset();
        s.busy = true;
        lock.unlock();
        const bool written = s.file.write(work);
        lock.lock();
        s.failed = !written;
        s.busy = false;
        s.changed.notify_all();
    }
    s.running = false;
    s.changed.notify_all();
}
