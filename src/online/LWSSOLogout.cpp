#include "LWSSOLogout.h"

#include "LWOnlineAddresses.h"
#include "LWServiceProtocol.h"

#include <QDebug>
#include <QUrl>

LWSSOLogout::LWSSOLogout(QObject *parent)
    : QObject(parent)
{
}

void LWSSOLogout::logout(const QString &cookieDatabase, std::function<void()> done)
{
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
