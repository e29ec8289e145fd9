#pragma once

#include <QMutex>
#include <QThread>
#include <functional>

class QTimer;

// Asks the account service every period whether the sign-in still holds.
// The timer ticks in this thread's event loop; the check slot belongs to
// this object, which lives on the interface thread, so the check itself
// (a request with a nested event loop) runs there.
class LWTimerCheckLoginThread : public QThread
{
    Q_OBJECT
public:
    static constexpr int kDefaultPeriodMs = 180000;

    // check: runs one account check and returns its result code.
    using Check = std::function<int()>;

    explicit LWTimerCheckLoginThread(int periodMs, Check check, QObject *parent = nullptr);
    ~LWTimerCheckLoginThread() override;

    int period() const { return m_period; }
    // Ends the thread's event loop and waits for it.
    void stop();

public slots:
    void checkAccountIsOverDue();

signals:
    void accountOverDueSignal();

protected:
    void run() override;

private:
    void stopTimer();

    const int m_period;
    Check m_check;
    QMutex m_timerLock;
    QTimer *m_timer = nullptr; // lives on the thread's stack while it runs; guarded by m_timerLock
    bool m_checking = false;
};
