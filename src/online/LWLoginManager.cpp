#include "LWLoginManager.h"

#include "LWLoginBridgeModel.h"
#include "LWNormalLogin.h"
#include "LWPublicPhoneLogin.h"
#include "LWSSOLogin.h"
#include "LWSSOLogout.h"
#include "LWTimerCheckLoginThread.h"
#include "LWWebSession.h"
#include "common/LWDataPaths.h"
#include "common/LWSettings.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>

LWLoginManager *LWLoginManager::instance()
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    static LWLoginManager *object = nullptr;
    if (!object)
        object = new LWLoginManager();
    return object;
}

LWLoginManager::LWLoginManager()
{
    // A thread still running at exit would be torn down under its feet.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &LWLoginManager::stopPolling);
}

QString LWLoginManager::cookieFolder()
{
    return LWDataPaths::subFolder(QStringLiteral("LWCookie"));
}

QString LWLoginManager::cookieDatabase()
{
    return cookieFolder() + QStringLiteral("/Cookies");
}

LWNormalLogin *LWLoginManager::normal()
{
    if (!m_normal)
        m_normal = new LWNormalLogin(this);
    return m_normal;
}

LWSSOLogin *LWLoginManager::sso()
{
    if (!m_sso)
        m_sso = new LWSSOLogin(this);
    return m_sso;
}

LWSSOLogout *LWLoginManager::ssoLogoutRequest()
{
    if (!m_ssoLogout)
        m_ssoLogout = new LWSSOLogout(this);
    return m_ssoLogout;
}

LWPublicPhoneLogin *LWLoginManager::publicLogin()
{
    if (!m_public)
        m_public = new LWPublicPhoneLogin(this);
    return m_public;
}

LWLoginResult LWLoginManager::normalLogin(const QString &userId, const QString &password)
{
    return shareWithWebViews(normal()->login(userId, password));
}

LWLoginResult LWLoginManager::normalCheck()
{
    return normal()->check();
}

QString LWLoginManager::normalSessionToken()
{
    return normal()->sessionToken();
}

LWLoginResult LWLoginManager::resumeNormalLogin(const QString &sessionToken)
{
    return shareWithWebViews(normal()->resume(sessionToken));
}

LWLoginResult LWLoginManager::shareWithWebViews(const LWLoginResult &result)
{
    if (result.code == LWLoginBase::ResultOk)
        LWWebSession::instance()->shareSignIn(normal()->sessionCookies());
    return result;
}

LWLoginResult LWLoginManager::ssoCheck()
{
    return sso()->check(cookieDatabase());
}

LWLoginResult LWLoginManager::publicCheck()
{
    return publicLogin()->check(cookieDatabase());
}

void LWLoginManager::signOut(int loginType)
{
    if (loginType == 1) {
        // The logout must reach the service before a restart can cut it off,
        // with the session as the web views hold it now (their file may lag).
        ssoLogoutRequest()->logout(LWLoginBridgeModel::instance()->currentWebCookies(),
                                   [this] { emit signedOutByAuthor(); });
    }
    LWWebSession::instance()->signOut();
    setSignedIn(false);
    if (loginType != 1)
        emit signedOutByAuthor();
}

LWLoginResult LWLoginManager::checkForLoginType(int loginType)
{
    switch (loginType) {
    case 0:
        return normalCheck();
    case 1:
        return ssoCheck();
    default:
        return publicCheck();
    }
}

void LWLoginManager::setSignedIn(bool signedIn)
{
    if (m_logout == !signedIn)
        return;
    m_logout = !signedIn;
    emit signedInChanged(signedIn);
}

LWTimerCheckLoginThread *LWLoginManager::checkThread()
{
    if (!m_thread) {
        m_thread = new LWTimerCheckLoginThread(
            LWTimerCheckLoginThread::kDefaultPeriodMs,
            [this] { return checkForLoginType(LWSettings::instance()->loginType()).code; }, this);
        connect(m_thread, &LWTimerCheckLoginThread::accountOverDueSignal, this, &LWLoginManager::accountOverDue);
    }
    return m_thread;
}

void LWLoginManager::startPolling()
{
    if (!checkThread()->isRunning())
        checkThread()->start();
}

void LWLoginManager::stopPolling()
{
    if (m_thread)
        m_thread->stop();
}
