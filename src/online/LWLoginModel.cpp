#include "LWLoginModel.h"

#include "LWExternalBrowser.h"
#include "LWLoginManager.h"
#include "LWOnlineAddresses.h"
#include "LWServiceProtocol.h"
#include "LWWebBridge.h"
#include "common/LWSettings.h"
#include "common/LWUsageEvents.h"

#include <QUrl>


LWLoginModel::LWLoginModel(QObject *parent)
    : QObject(parent)
{
    const LWSettings *settings = LWSettings::instance();
    m_userId = settings->defaultUserId();
    m_remember = settings->defaultRemember();
    connect(LWLoginManager::instance(), &LWLoginManager::signedInChanged, this, &LWLoginModel::loginStatusChanged);
    // Every way of signing in stores its type before the state changes, so
    // the other windows' models learn the new way with the new state.
    connect(LWLoginManager::instance(), &LWLoginManager::signedInChanged, this, &LWLoginModel::loginTypeChanged);
}

void LWLoginModel::setUserId(const QString &userId)
{
    if (m_userId == userId)
        return;
    m_userId = userId;
    emit userIdChanged();
}

void LWLoginModel::setPassword(const QString &password)
{
    if (m_password == password)
        return;
    m_password = password;
    emit passwordChanged();
}

void LWLoginModel::setFlagRemeber(bool remember)
{
    if (m_remember == remember)
        return;
    m_remember = remember;
    emit flagRemeberChanged();
}

QString LWLoginModel::cookiePath() const
{
    return LWLoginManager::cookieFolder();
}

bool LWLoginModel::loginStatus() const
{
    return !LWLoginManager::instance()->isLogout();
}

QString LWLoginModel::ssoSiteUrl() const
{
    return LWOnlineAddresses::ssoBase() + QStringLiteral("site/");
}

QString LWLoginModel::ssoHost() const
{
    return LWOnlineAddresses::ssoHost();
}

QString LWLoginModel::publicLoginUrl() const
{
    return LWOnlineAddresses::publishUrl(LWServiceProtocol::kPathSiteLogin).toString();
}

bool LWLoginModel::openInBrowser(const QString &url)
{
    if (!LWWebBridge::isWebAddress(url))
        return false;
    LWExternalBrowser::open(QUrl(url));
    return true;
}

void LWLoginModel::loginRequest()
{
    LWLoginManager *manager = LWLoginManager::instance();
    const LWLoginResult result = manager->normalLogin(m_userId, m_password);
    const bool ok = result.code == LWLoginBase::ResultOk;
    if (ok) {
        // Remembering keeps the service's session, never the password.
        LWSettings::instance()->setLoginRecord(m_userId, m_remember, 0, true,
                                               m_remember ? manager->normalSessionToken() : QString());
        emit hasRememberedSessionChanged();
        emit loginTypeChanged();
    }
    manager->setSignedIn(ok);
    if (ok)
        manager->startPolling();
    emit sigLoginResult(result.code, result.message);
}

int LWLoginModel::loginType() const
{
    return LWSettings::instance()->loginType();
}

bool LWLoginModel::loginTypeKnown() const
{
    return LWSettings::instance()->autoLogin().has_value();
}

bool LWLoginModel::hasRememberedSession() const
{
    const LWSettings *settings = LWSettings::instance();
    return settings->defaultRemember() && settings->loginType() == 0 && !settings->defaultSessionToken().isEmpty();
}

bool LWLoginModel::resumeRememberedLogin()
{
    if (!hasRememberedSession())
        return false;
    LWLoginManager *manager = LWLoginManager::instance();
    const LWLoginResult result = manager->resumeNormalLogin(LWSettings::instance()->defaultSessionToken());
    if (result.code != LWLoginBase::ResultOk) {
        // A session the service ended stays ended; a time-out may pass.
        if (result.code != LWLoginBase::ResultRefused) {
            LWSettings::instance()->forgetSession();
            emit hasRememberedSessionChanged();
        }
        return false;
    }
    LWSettings::instance()->setAutoLogin(true, 0);
    emit loginTypeChanged();
    manager->setSignedIn(true);
    manager->startPolling();
    emit sigLoginResult(result.code, result.message);
    return true;
}

void LWLoginModel::ssoLoginCheck()
{
    LWLoginManager *manager = LWLoginManager::instance();
    const LWLoginResult result = manager->ssoCheck();
    const bool ok = result.code == LWLoginBase::ResultOk;
    if (ok) {
        LWSettings::instance()->setAutoLogin(true, 1);
        emit loginTypeChanged();
    }
    manager->setSignedIn(ok);
    if (ok)
        manager->startPolling();
    emit sigLoginResult(result.code, result.message);
}

void LWLoginModel::ssoLoginRecord()
{
    LWSettings::instance()->setAutoLogin(true, 1);
    emit loginTypeChanged();
    LWLoginManager::instance()->setSignedIn(true);
}

void LWLoginModel::publicLoginRecord()
{
    LWSettings::instance()->setAutoLogin(true, 2);
    emit loginTypeChanged();
    LWLoginManager::instance()->setSignedIn(true);
    emit publicLoginSuccess();
}

void LWLoginModel::doLogout()
{
    const int loginType = LWSettings::instance()->loginType();
    LWSettings::instance()->setAutoLogin(false, loginType);
    LWSettings::instance()->forgetSession();
    emit hasRememberedSessionChanged();
    LWUsageEvents::report(kLogoutEvent);
    LWLoginManager::instance()->signOut(loginType);
}
