#pragma once

#include "LWQTHttpBase.h"

#include <functional>

// Asks the publishing service for the signed-in author's earlier effects.
class LWPreviousEffectsRequest : public LWQTHttpBase
{
    Q_OBJECT
public:
    using Done = std::function<void(const QByteArray &body, int status)>;

    explicit LWPreviousEffectsRequest(Done done, QObject *parent = nullptr);

    void send(const QString &cookieDatabase);

protected:
    void replyHandler(const QByteArray &body, int status) override;

private:
    Done m_done;
};
