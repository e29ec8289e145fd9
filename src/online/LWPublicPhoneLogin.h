#pragma once

#include "LWLoginBase.h"

// The account check of a sign-in made on the publishing service's own page
// (phone number), carried by the web view's cookies. Never reports a
// takeover: the page's session answers only valid or not.
class LWPublicPhoneLogin : public LWLoginBase
{
    Q_OBJECT
public:
    explicit LWPublicPhoneLogin(QObject *parent = nullptr);

    // The cookies are read on the first check only.
    LWLoginResult check(const QString &cookieDatabase);

protected:
    void handleServiceReply(const QJsonObject &reply) override;
};
