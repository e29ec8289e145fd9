#pragma once

#include "LWLoginBase.h"

// Ends the single sign-on at the enterprise service; nobody waits for it.
class LWSSOLogout : public LWLoginBase
{
    Q_OBJECT
public:
    explicit LWSSOLogout(QObject *parent = nullptr);

    void logout(const QString &cookieDatabase);

signals:
    void done();

protected:
    void replyHandler(const QByteArray &body, int status) override;
};
