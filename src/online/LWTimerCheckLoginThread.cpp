#include "LWTimerCheckLoginThread.h"

#include "LWLoginBase.h"

#include <QMutexLocker>
#include <QTimer>

LWTimerCheckLoginThread::LWTimerCheckLoginThread(int periodMs, Check check, QObject *parent)
    : QThread(parent)
    , m_period(periodMs)
    , m_check(std::move(check))
{
}

LWTimerCheckLoginThread::~LWTimerCheckLoginThread()
{
    stop();
}

void LWTimerCheckLoginThread::run()
{
    QTimer timer;
    timer.setInterval(m_period);
    connect(&timer, &QTimer::timeout, this, &LWTimerCheckLoginThread::checkAccountIsOverDue);
    {
        QMutexLocker lock(&m_timerLock);
        m_timer = &timer;
    }
    timer.start();
    exec();
    QMutexLocker lock(&m_timerLock);
    m_timer = nullptr;
}

void LWTimerCheckLoginThread::stop()
{
    if (!isRunning())
        return;
    quit();
    wait();
}

void LWTimerCheckLoginThread::stopTimer()
{
    // The timer belongs to the worker thread; only its own loop may stop it.
    QMutexLocker lock(&m_timerLock);
    if (m_timer)
        QMetaObject::invokeMethod(m_timer, "stop", Qt::QueuedConnection);
}

void LWTimerCheckLoginThread::checkAccountIsOverDue()
{
    // Ticks queue up while a check waits in its nested event loop; one
    // check at a time is enough.
    if (m_checking || !m_check)
        return;
    m_checking = true;
    const int result = m_check();
    m_checking = false;
    if (result == LWLoginBase::ResultTakenOver) {
        stopTimer();
        emit accountOverDueSignal();
    }
}
