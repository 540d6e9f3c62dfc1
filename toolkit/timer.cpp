#include "timer.h"

#include "clock.h"

#include <QTimer>

namespace toolkit {

Timer::Timer(Clock &clock, int intervalMs, QObject *parent)
    : QObject(parent), m_clock(clock), m_interval(intervalMs)
{
    if (!m_clock.drivesTimers()) {
        m_timer = new QTimer(this);
        m_timer->setInterval(intervalMs);
        connect(m_timer, &QTimer::timeout, this, &Timer::timeout);
    }
}

Timer::~Timer()
{
    m_clock.timerDestroyed(*this);
}

void Timer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (m_timer) {
        if (enabled)
            m_timer->start();
        else
            m_timer->stop();
    } else {
        m_clock.timerChanged(*this);
    }
}

} // namespace toolkit
