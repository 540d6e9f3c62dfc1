#include "clock.h"

#include "timer.h"


#include <algorithm>

namespace toolkit {

ManualClock::~ManualClock() = default;

void ManualClock::timerChanged(Timer &timer)
{
    timerDestroyed(timer);
    if (timer.isEnabled())
        m_due.push_back({&timer, m_elapsed + timer.interval()});
}

void ManualClock::timerDestroyed(Timer &timer)
{
    std::erase_if(m_due, [&](const Due &due) { return due.timer == &timer; });
}

void ManualClock::advanceMilliseconds(qint64 ms)
{
    const qint64 target = m_elapsed + ms;
    for (;;) {
        // The earliest due timer; timers may be enabled, disabled or destroyed by a tick.
        const auto next = std::min_element(m_due.begin(), m_due.end(),
                                           [](const Due &a, const Due &b) { return a.at < b.at; });
        if (next == m_due.end() || next->at > target)
            break;
        m_now = m_now.addMSecs(next->at - m_elapsed);
        m_elapsed = next->at;
        Timer *timer = next->timer;
        next->at += timer->interval();
        emit timer->timeout();
    }
    m_now = m_now.addMSecs(target - m_elapsed);
    m_elapsed = target;
}

} // namespace toolkit
