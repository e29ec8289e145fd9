#pragma once

#include "LWLoginBase.h"

// Asks the enterprise account service whether the single sign-on done in
// the web view holds, with the web view's cookies.
class LWSSOLogin : public LWLoginBase
{
    Q_OBJECT
public:
    explicit LWSSOLogin(QObject *parent = nullptr);

    // cookieDatabase: the web view's "Cookies" file.
    LWLoginResult check(const QString &cookieDatabase);
};
