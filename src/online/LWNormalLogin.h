#pragma once

#include "LWLoginBase.h"

// Sign-in with the editor's own form against the account service, and the
// check that this device's sign-in still holds.
class LWNormalLogin : public LWLoginBase
{
    Q_OBJECT
public:
    explicit LWNormalLogin(QObject *parent = nullptr);

    LWLoginResult login(const QString &userId, const QString &password);
    LWLoginResult check();
};
