#pragma once

#include "LWLoginBase.h"

#include <QObject>
#include <QPointer>

class LWNormalLogin;
class LWPublicPhoneLogin;
class LWSSOLogin;
class LWSSOLogout;
class LWTimerCheckLoginThread;

// The process's sign-in state and the request objects of the three ways to
// sign in, each created when first needed, plus the periodic account check.
class LWLoginManager : public QObject
{
    Q_OBJECT
public:
    static LWLoginManager *instance();

    // The web views' persistent storage: "<home>/Lumeworks/LWCookie".
    static QString cookieFolder();
    static QString cookieDatabase(); // cookieFolder() + "/Cookies"

    LWLoginResult normalLogin(const QString &userId, const QString &password);
    LWLoginResult normalCheck();
    // The session of the last normal sign-in, for "Remember me".
    QString normalSessionToken();
    LWLoginResult resumeNormalLogin(const QString &sessionToken);
    LWLoginResult ssoCheck();
    LWLoginResult publicCheck();
    // Ends the sign-in of the given type: the enterprise session (type 1)
    // and the web views' sign-in (every type: the form's is shared with
    // them) go; signedOutByAuthor follows once nothing is left in flight.
    void signOut(int loginType);
    // The check that belongs to a stored login type: 0 normal, 1 single
    // sign-on, anything else the public page.
    LWLoginResult checkForLoginType(int loginType);

    bool isLogout() const { return m_logout; }
    void setSignedIn(bool signedIn);

    // The periodic check of the stored login type.
    LWTimerCheckLoginThread *checkThread();
    void startPolling();
    void stopPolling();

signals:
    void signedInChanged(bool signedIn);
    // The periodic check found the account taken over by another client.
    void accountOverDue();
    // The author signed out (the controller then starts the program afresh).
    void signedOutByAuthor();

private:
    LWLoginManager();

    LWNormalLogin *normal();
    LWSSOLogin *sso();
    LWSSOLogout *ssoLogoutRequest();
    LWPublicPhoneLogin *publicLogin();
    // The editor's own sign-in holds in its web views as well.
    LWLoginResult shareWithWebViews(const LWLoginResult &result);

    LWNormalLogin *m_normal = nullptr;            // owned (QObject child)
    LWSSOLogin *m_sso = nullptr;                  // owned (QObject child)
    LWSSOLogout *m_ssoLogout = nullptr;           // owned (QObject child)
    LWPublicPhoneLogin *m_public = nullptr;       // owned (QObject child)
    LWTimerCheckLoginThread *m_thread = nullptr;  // owned (QObject child)
    bool m_logout = true;
};
