#include "RateLimiter.h"

#include <QElapsedTimer>

namespace {

qint64 monotonicMs()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed() + 1; // never 0, so no event looks unset
}

} // namespace

RateLimiter::RateLimiter(int limit, int windowSeconds)
    : m_limit(limit)
    , m_windowMs(qint64(windowSeconds) * 1000)
{
}

bool RateLimiter::allowed(const QString &key) const
{
    const auto it = m_events.constFind(key);
    if (it == m_events.cend())
        return true;
    const qint64 since = monotonicMs() - m_windowMs;
    int recent = 0;
    for (const qint64 t : *it)
        recent += t > since ? 1 : 0;
    return recent < m_limit;
}

void RateLimiter::record(const QString &key)
{
    const qint64 now = monotonicMs();
    QVector<qint64> &events = m_events[key];
    events.append(now);
    if (events.size() > m_limit)
        events.remove(0, events.size() - m_limit);
    if (now - m_lastPrune > m_windowMs || m_events.size() > kMaxKeys)
        prune(now);
}

void RateLimiter::prune(qint64 now)
{
    m_lastPrune = now;
    for (auto it = m_events.begin(); it != m_events.end();) {
        if (it->isEmpty() || it->last() <= now - m_windowMs)
            it = m_events.erase(it);
        else
            ++it;
    }
}
