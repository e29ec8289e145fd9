#pragma once

#include "LWQTHttpBase.h"

#include <QJsonObject>
#include <QString>
#include <functional>

enum LWUploadEffectNetStatus {
    LWUploadDone = 0,          // the identifier holds data.id or data.uri
    LWUploadFileUnreadable = 1,
    LWUploadTimedOut = 2,
    LWUploadCancelled = 3,
    LWUploadIconTooLarge = 4,
    LWUploadStarted = 5,       // kept when the service refuses or the reply is unreadable
};

// A request that sends a file to the publishing service and reads back an
// identifier. State, identifier and message describe the last request.
class LWUploadEffectBase : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTimeLimitMs = 10000;

    using Callback = std::function<void(LWUploadEffectNetStatus state, const QString &text)>;

    explicit LWUploadEffectBase(QObject *parent = nullptr);

    void setCallback(Callback callback) { m_callback = std::move(callback); }
    LWUploadEffectNetStatus state() const { return m_state; }
    QString identifier() const { return m_identifier; }
    QString message() const { return m_message; }
    // The reply of the last request as the service sent it, when it was a
    // JSON object with HTTP 200; empty otherwise.
    QJsonObject replyObject() const { return m_replyObject; }

    // Aborts the request in flight; it ends as cancelled.
    void cancel() { m_http.cancelRunning(); }
    bool isRunning() const { return m_http.isRunning(); }

protected:
    LWQTHttpBase &http() { return m_http; }
    // Reads the reply into state, identifier and message and reports them.
    void handleReply(const LWHttpReply &reply);
    // "id" for packages, "uri" for icons.
    virtual QString identifierKey() const = 0;

    void begin();
    // Ends a request that never went out.
    void refuse(LWUploadEffectNetStatus state, const QString &message = QString());

private:
    void readReply(const QByteArray &body);
    void report();

    Callback m_callback;
    LWUploadEffectNetStatus m_state = LWUploadStarted;
    QString m_identifier;
    QString m_message;
    QJsonObject m_replyObject;
    LWQTHttpBase m_http; // owned
};
