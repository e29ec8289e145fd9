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
    m_password = m_remember ? settings->defaultUserPassword() : QString();
    connect(LWLoginManager::instance(), &LWLoginManager::signedInChanged, this, &LWLoginModel::loginStatusChanged);
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
    manager->setSignedIn(result.code == LWLoginBase::ResultOk);
    if (result.code == LWLoginBase::ResultOk) {
        manager->startPolling();
        // The password is kept only when the author asked for it.
        LWSettings::instance()->setLoginRecord(m_userId, m_remember, 0, true, m_remember ? m_password : QString());
    }
    emit sigLoginResult(result.code, result.message);
}

void LWLoginModel::ssoLoginCheck()
{
    LWLoginManager *manager = LWLoginManager::instance();
    const LWLoginResult result = manager->ssoCheck();
    manager->setSignedIn(result.code == LWLoginBase::ResultOk);
    if (result.code == LWLoginBase::ResultOk) {
        manager->startPolling();
        LWSettings::instance()->setAutoLogin(true, 1);
    }
    emit sigLoginResult(result.code, result.message);
}

void LWLoginModel::ssoLoginRecord()
{
    LWSettings::instance()->setAutoLogin(true, 1);
    LWLoginManager::instance()->setSignedIn(true);
}

void LWLoginModel::publicLoginRecord()
{
    LWSettings::instance()->setAutoLogin(true, 2);
    LWLoginManager::instance()->setSignedIn(true);
    emit publicLoginSuccess();
}

void LWLoginModel::doLogout()
{
    const int loginType = LWSettings::instance()->loginType();
    LWSettings::instance()->setAutoLogin(false, loginType);
    LWUsageEvents::report(kLogoutEvent);
    LWLoginManager::instance()->signOut(loginType);
}
