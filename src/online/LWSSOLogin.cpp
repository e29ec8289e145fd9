#include "LWSSOLogin.h"

#include "LWOnlineAddresses.h"
#include "LWServiceProtocol.h"

#include <QUrl>

LWSSOLogin::LWSSOLogin(QObject *parent)
    : LWLoginBase(parent)
{
}

LWLoginResult LWSSOLogin::check(const QString &cookieDatabase)
{
    beginRequest();
    http().loadBrowserCookies(cookieDatabase, false);
    const QString query = LWQTHttpBase::joinParameters(clientParameters());
    handleReply(http().getSync(QUrl(LWOnlineAddresses::ssoBase() + QLatin1String(LWServiceProtocol::kPathUserInfo)
                                    + QLatin1Char('?') + query),
                               kTimeLimitMs));
    return lastResult();
}
