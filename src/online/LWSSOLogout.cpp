#include "LWSSOLogout.h"

#include "LWOnlineAddresses.h"
#include "LWServiceProtocol.h"
#include "LWWebSession.h"

#include <QDebug>
#include <QUrl>

LWSSOLogout::LWSSOLogout(QObject *parent)
    : QObject(parent)
{
}

void LWSSOLogout::logout(const QString &cookieDatabase, std::function<void()> done)
{
    // A sign-in made in the web view a moment ago may not be in the store's
    // file yet: the live store is the one to sign out of when there is one.
    if (LWWebSession::instance()->isLive())
        m_http.setBrowserCookies(LWWebSession::instance()->cookies());
    else
        m_http.loadBrowserCookies(cookieDatabase, false);
    send(std::move(done));
}

void LWSSOLogout::logout(const QList<QNetworkCookie> &cookies, std::function<void()> done)
{
    m_http.setBrowserCookies(cookies);
    send(std::move(done));
}

void LWSSOLogout::send(std::function<void()> done)
{
    m_http.post(QUrl(LWOnlineAddresses::ssoBase() + QLatin1String(LWServiceProtocol::kPathLogout)), QByteArray(),
                [done = std::move(done)](const LWHttpReply &reply) {
                    qDebug() << "single sign-on logout answered" << reply.status << reply.body.left(200);
                    if (done)
                        done();
                });
}
