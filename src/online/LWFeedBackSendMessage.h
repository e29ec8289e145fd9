#pragma once

#include "LWQTHttpBase.h"

#include <QString>
#include <functional>

// Posts one feedback message as a form: the effect package when attached,
// the screenshot reference when there is one, the text and the contact.
class LWFeedBackSendMessage : public LWQTHttpBase
{
    Q_OBJECT
public:
    struct Message
    {
        QString content;
        QString contact;
        QString imageReference; // left out when empty
        QByteArray package;     // left out when empty
    };
    // sent: the service answered 200.
    using Done = std::function<void(bool sent)>;

    static constexpr int kIdleLimitMs = 30000;

    explicit LWFeedBackSendMessage(Done done, QObject *parent = nullptr);

    void send(const QUrl &url, const Message &message);

protected:
    void replyHandler(const QByteArray &body, int status) override;

private:
    Done m_done;
};
