#pragma once

#include "LWQTHttpBase.h"

#include <QObject>
#include <QString>
#include <functional>

// Ends the single sign-on at the enterprise service with the web view's
// cookies; nobody waits for it.
class LWSSOLogout : public QObject
{
    Q_OBJECT
public:
    explicit LWSSOLogout(QObject *parent = nullptr);

    // done: once the service answered or the request failed.
    void logout(const QString &cookieDatabase, std::function<void()> done);
    // The same with the web views' cookies at hand.
    void logout(const QList<QNetworkCookie> &cookies, std::function<void()> done);

private:
    void send(std::function<void()> done);

    LWQTHttpBase m_http; // owned
};
