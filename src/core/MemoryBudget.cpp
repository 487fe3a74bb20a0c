// SPDX-License-Identifier: MIT
#include "core/MemoryBudget.h"

#include "core/DecodeMemory.h"

#include <algorithm>

namespace snapwane {

MemoryBudget& MemoryBudget::ForDecoding()
{
    static MemoryBudget budget(kDecodeMemoryBudget);
    return budget;
}

MemoryBudget::Grant MemoryBudget::Acquire(std::size_t need)
{
    need = std::min(need, m_total);
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_waitingAlone == 0 && !m_aloneHeld && m_held + need <= m_total; });
    Grant grant{need, ++m_granted, m_holders > 0, false};
    m_held += need;
    ++m_holders;
    return grant;
}

MemoryBudget::Grant MemoryBudget::AcquireAlone()
{
    std::unique_lock lock(m_mutex);
    ++m_waitingAlone;
    m_changed.wait(lock, [&] { return m_holders == 0; });
    --m_waitingAlone;
    Grant grant{m_total, ++m_granted, false, true};
    m_held = m_total;
    ++m_holders;
    m_aloneHeld = true;
    return grant;
}

bool MemoryBudget::Release(const Grant& grant)
{
    bool alone = false;
    {
        std::lock_guard lock(m_mutex);
        alone = grant.alone || (!grant.othersHeld && m_granted == grant.number);
        m_held -= grant.bytes;
        --m_holders;
        m_aloneHeld = m_aloneHeld && !grant.alone;
    }
    m_changed.notify_all();
    return alone;
}

} // namespace snapwane
