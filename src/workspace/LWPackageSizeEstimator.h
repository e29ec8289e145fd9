#pragma once

#include "common/Singleton.h"

#include <QObject>
#include <QTimer>

class QThread;

// How large the exported package of the open effect would be, so authors
// see the publishing limit coming instead of meeting it at upload. The
// effect is written into a scratch folder on the interface thread with its
// bulky file copies deferred; copying and zipping then run on a worker
// thread and the zip's size is the answer. Refreshed a moment after the
// last edit; edits during a measurement start one more afterwards.
class LWPackageSizeEstimator : public QObject, public Singleton<LWPackageSizeEstimator>
{
    Q_OBJECT
    friend class Singleton<LWPackageSizeEstimator>;
    Q_PROPERTY(double bytes READ bytes NOTIFY measured)
    Q_PROPERTY(QString sizeText READ sizeText NOTIFY measured)
    Q_PROPERTY(bool overLimit READ overLimit NOTIFY measured)
    Q_PROPERTY(bool measuring READ measuring NOTIFY measuringChanged)
    Q_PROPERTY(double limitBytes READ limitBytes CONSTANT)

public:
    using Singleton<LWPackageSizeEstimator>::instance;

    static constexpr int kSettleMs = 1200;

    double bytes() const { return double(m_bytes); } // -1 while unknown
    QString sizeText() const;
    bool overLimit() const;
    bool measuring() const { return m_worker != nullptr; }
    double limitBytes() const;

    // Measures after the edits settle.
    Q_INVOKABLE void schedule();
    // Measures now (or right after the running measurement).
    Q_INVOKABLE void measureNow();

    static QString sizeText(qint64 bytes);

signals:
    void measured();
    void measuringChanged();

private:
    LWPackageSizeEstimator();
    ~LWPackageSizeEstimator() override;

    void finish(qint64 bytes);
    void setBytes(qint64 bytes);

    QTimer m_settle;
    QThread *m_worker = nullptr; // owned while running, deletes itself
    bool m_again = false;
    qint64 m_bytes = -1;
};
