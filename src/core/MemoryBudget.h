// SPDX-License-Identifier: MIT
// MemoryBudget: the memory that the photos being decoded may take together, held
// by whoever decodes (a look-ahead helper, a loader, a tool) while it decodes.
// One budget serves the whole process (ForDecoding): however many pools run at
// once, in a folder tree or beside each other, their decodes share it.
//
// - Acquire(need) waits until `need` fits beside what is held; a need of more
//   than the whole budget is the caller's to refuse (Exceeds), never granted.
// - AcquireAlone() waits until nothing else is held and then holds all of it: a
//   decode that ran out of memory beside others is tried again this way, so that
//   what fails does not depend on how many ran at once. While it waits, no new
//   grant is given.
// - Release says whether the grant was alone all the while it was held.
// Thread-safe; waits never time out (every grant is held for one decode only).
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>

namespace snapwane {

class MemoryBudget {
public:
    struct Grant {
        std::size_t bytes = 0;
        std::uint64_t number = 0; // grants given before, this one included
        bool othersHeld = false;  // something else was held when it was given
        bool alone = false;       // from AcquireAlone
    };

    explicit MemoryBudget(std::size_t total) : m_total(total) {}
    MemoryBudget(const MemoryBudget&) = delete;
    MemoryBudget& operator=(const MemoryBudget&) = delete;

    // The one budget of the process's decodes (kDecodeMemoryBudget).
    static MemoryBudget& ForDecoding();

    std::size_t Total() const { return m_total; }
    bool Exceeds(std::size_t need) const { return need > m_total; }

    Grant Acquire(std::size_t need);
    Grant AcquireAlone();
    // True when no other grant was held at any time while this one was.
    bool Release(const Grant& grant);

private:
    const std::size_t m_total;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::size_t m_held = 0;
    std::size_t m_holders = 0;
    std::size_t m_waitingAlone = 0;
    bool m_aloneHeld = false;
    std::uint64_t m_granted = 0;
};

} // namespace snapwane
