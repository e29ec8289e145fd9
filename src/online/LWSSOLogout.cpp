#include "LWSSOLogout.h"

#include "LWOnlineAddresses.h"
#include "LWServiceProtocol.h"

#include <QDebug>
#include <QUrl>

LWSSOLogout::LWSSOLogout(QObject *parent)
    : LWLoginBase(parent)
{
}

void LWSSOLogout::logout(const QString &cookieDatabase)
{
    loadBrowserCookies(cookieDatabase, false);
    postAsync(QUrl(LWOnlineAddresses::ssoBase() + QLatin1String(LWServiceProtocol::kPathLogout)), QByteArray());
}

void LWSSOLogout::replyHandler(const QByteArray &body, int status)
{
    qDebug() << "single sign-on logout answered" << status << body.left(200);
    emit done();
}
