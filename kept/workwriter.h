// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keptwork.h"

#include <chrono>
#include <memory>
#include <thread>

// Writes the work file on a thread of its own, so that the interface never waits for the disk
// (making sure the work is on the disk takes milliseconds, more on a busy machine). The newest work
// handed over replaces any older work still waiting; what is being written is finished first.
//
// The disk may hang (a network home gone away): every wait for the writer is bounded, and a writer
// still busy when it is destroyed is left to finish alone on the work it holds, which it owns, so
// that a hung disk never keeps the program from ending.
class WorkWriter {
public:
    // Writes to a file of its own, for the folder of `file`.
    explicit WorkWriter(const WorkFile &file);
    // Finishes the work handed over, waiting for it at most EndWait (none after a finish() that
    // timed out), then stops.
    ~WorkWriter();
    WorkWriter(const WorkWriter &) = delete;
    WorkWriter &operator=(const WorkWriter &) = delete;

    static constexpr std::chrono::milliseconds EndWait{1500};

    void write(const KeptWork &work);
    // Returns true once everything handed over is written (or has failed to be), false when `wait`
    // has gone by first.
    bool finish(std::chrono::milliseconds wait = EndWait);
    // The last write failed (a disk full for a moment, a folder gone): the work should be handed
    // over again.
    bool lastFailed() const;

private:
    struct Shared;
    static void run(const std::shared_ptr<Shared> &shared);

    std::shared_ptr<Shared> m_shared;
    bool m_timedOut = false;
};
