#include "LWWebSession.h"

#include "LWLoginManager.h"
#include "LWNetworkcookieJar.h"
#include "LWWebCookieAccess.h"
#include "LWWebCookieModule.h"

#include <QDebug>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>

#include <algorithm>

LWWebSession *LWWebSession::instance()
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    static LWWebSession *object = nullptr;
    if (!object)
        object = new LWWebSession();
    return object;
}

LWWebSession::LWWebSession(QObject *parent)
    : QObject(parent)
    , m_cookies(new LWNetworkcookieJar(this))
{
}

void LWWebSession::attachProfile(QObject *profile)
{
    if (!profile || profile == m_profile)
        return;
    m_profile = profile;
    LWWebCookieAccess *access = LWWebCookieModule::access();
    m_live = access
        && access->follow(
            profile, this, [this](const QNetworkCookie &cookie) { m_cookies->insertCookie(cookie); },
            [this](const QNetworkCookie &cookie) { m_cookies->deleteCookie(cookie); });
    if (!m_live)
        return;
    // After the kept cookies in the store's order of work, so a session
    // shared in this run wins over one of an earlier run.
    for (const QNetworkCookie &cookie : qAsConst(m_pending))
        access->setCookie(profile, cookie);
    m_pending.clear();
}

QList<QNetworkCookie> LWWebSession::cookies() const
{
    return m_cookies->allCookies();
}

void LWWebSession::shareSignIn(const QList<QNetworkCookie> &cookies)
{
    for (const QNetworkCookie &cookie : cookies) {
        if (cookie.domain().isEmpty()) {
            qWarning() << "web session: a cookie without a domain is not shared:" << cookie.name();
            continue;
        }
        if (m_live) {
            LWWebCookieModule::access()->setCookie(m_profile, cookie);
            // The store reports it back through cookieAdded as well; a page
            // upload right now must not wait for that.
            m_cookies->insertCookie(cookie);
        } else {
            m_pending.erase(std::remove_if(m_pending.begin(), m_pending.end(),
                                           [&cookie](const QNetworkCookie &kept) { return kept.hasSameIdentifier(cookie); }),
                            m_pending.end());
            m_pending << cookie;
        }
    }
}

void LWWebSession::signOut()
{
    m_pending.clear();
    if (m_live)
        LWWebCookieModule::access()->deleteAllCookies(m_profile);
    m_cookies->setAllCookies({});
    // What the engine has not written yet is emptied above; what it wrote
    // goes with its file, which the cookie-reading requests use too.
    QFile::remove(LWLoginManager::cookieDatabase());
}
