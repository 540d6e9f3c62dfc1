#pragma once

#include <QDateTime>

#include <vector>

namespace toolkit {

class Timer;

// The present date and time, and what makes timers tick. Windows read the time and run their
// timers only through a Clock, so that tests can run them at a chosen instant and move time on
// instead of waiting.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0; // local time

private:
    friend class Timer;
    // Whether the clock itself fires the timers (a manual clock), rather than the event loop.
    virtual bool drivesTimers() const { return false; }
    virtual void timerChanged(Timer &) {}
    virtual void timerDestroyed(Timer &) {}
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock that stands still until it is told to move; moving it fires the timers that fall due,
// in the order of their due times.
class ManualClock final : public Clock
{
public:
    explicit ManualClock(QDateTime now) : m_now(std::move(now)) {}
    ~ManualClock() override;

    QDateTime now() const override { return m_now; }
    void setNow(QDateTime now) { m_now = std::move(now); }
    void advanceMilliseconds(qint64 ms);
    qint64 elapsedMilliseconds() const { return m_elapsed; }

private:
    bool drivesTimers() const override { return true; }
    void timerChanged(Timer &timer) override;
    void timerDestroyed(Timer &timer) override;

    QDateTime m_now;
    qint64 m_elapsed = 0;
    struct Due
    {
        Timer *timer;
        qint64 at;
    };
    std::vector<Due> m_due;
};

} // namespace toolkit
