#pragma once

#include "LWQTHttpBase.h"

#include <QString>
#include <functional>

class QJsonObject;

// Outcome of a sign-in or account request, as the interface sees it.
struct LWLoginResult
{
    int code = 1;
    QString message;
};

// Sign-in and account checks of the account services. Result codes:
// 0 signed in / valid, 1 failed for no known reason, 2 time-out or wrong
// credentials, 3 the account signed in on another client. The requests
// wait for their answer (the sign-in window and the periodic check need
// it at once).
class LWLoginBase : public QObject
{
    Q_OBJECT
public:
    enum Result { ResultOk = 0, ResultFailed = 1, ResultRefused = 2, ResultTakenOver = 3 };
    static constexpr int kTimeLimitMs = 3000;

    using Callback = std::function<void(int result, const QString &message)>;

    explicit LWLoginBase(QObject *parent = nullptr);

    void setCallback(Callback callback) { m_callback = std::move(callback); }
    LWLoginResult lastResult() const { return {m_result, m_message}; }

    static QString timeoutMessage();

protected:
    LWQTHttpBase &http() { return m_http; }

    // Fresh "device_id", "device_platform", "type", "token", "random" for
    // one request; remembers the token to verify the reply against.
    LWQTHttpBase::Parameters clientParameters();
    // A request starts as an unexplained failure: a reply that proves
    // nothing must not inherit an earlier success.
    void beginRequest();
    void finish();
    void setResult(int result, const QString &message);

    // Reads the reply into the result and reports it to the callback.
    void handleReply(const LWHttpReply &reply);
    virtual void handleServiceReply(const QJsonObject &reply);

    QString m_deviceId;
    QString m_token;
    QString m_message;
    int m_result = ResultFailed;

private:
    Callback m_callback;
    LWQTHttpBase m_http; // owned
};
