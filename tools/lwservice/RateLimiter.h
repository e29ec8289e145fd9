#pragma once

#include <QHash>
#include <QString>
#include <QVector>

// Counts events per key (a phone number, a peer address) over a sliding
// window. Only the last `limit` events of a key are kept, and keys whose
// events have all passed are dropped, so a flood of keys costs little.
class RateLimiter
{
public:
    RateLimiter(int limit, int windowSeconds);

    bool allowed(const QString &key) const; // fewer than `limit` events in the window
    void record(const QString &key);

private:
    void prune(qint64 now);

    static constexpr int kMaxKeys = 10000; // prune early beyond this

    int m_limit;
    qint64 m_windowMs;
    mutable QHash<QString, QVector<qint64>> m_events; // oldest first
    qint64 m_lastPrune = 0;
};
