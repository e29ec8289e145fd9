#pragma once

#include "LWLoginBase.h"

#include <QList>

class QNetworkCookie;

// Sign-in with the editor's own form against the account service, and the
// check that this device's sign-in still holds.
class LWNormalLogin : public LWLoginBase
{
    Q_OBJECT
public:
    explicit LWNormalLogin(QObject *parent = nullptr);

    LWLoginResult login(const QString &userId, const QString &password);
    LWLoginResult check();
    // The session the service opened with the last successful sign-in (its
    // publishing-site cookie); empty when none came.
    QString sessionToken();
    // Every cookie the service set with the sign-in (or the resumed
    // session), for the web views to sign in with.
    QList<QNetworkCookie> sessionCookies();
    // Signs in with a kept session instead of the password: the publishing
    // service must still know the session.
    LWLoginResult resume(const QString &sessionToken);
};
