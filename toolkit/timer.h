#pragma once

#include <QObject>

class QTimer;

namespace toolkit {

class Clock;

// A timer with an interval in milliseconds and an enabled state. Enabling it starts a full
// interval; it then fires every interval until it is disabled or destroyed.
class Timer : public QObject
{
    Q_OBJECT

public:
    Timer(Clock &clock, int intervalMs, QObject *parent);
    ~Timer() override;

    int interval() const { return m_interval; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

signals:
    void timeout();

private:
    friend class ManualClock;

    Clock &m_clock;
    const int m_interval;
    bool m_enabled = false;
    QTimer *m_timer = nullptr; // when the event loop drives the timer
};

} // namespace toolkit
