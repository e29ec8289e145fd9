#include "LWNormalLogin.h"

#include "LWOnlineAddresses.h"
#include "LWServiceProtocol.h"

#include <QUrl>

LWNormalLogin::LWNormalLogin(QObject *parent)
    : LWLoginBase(parent)
{
}

LWLoginResult LWNormalLogin::login(const QString &userId, const QString &password)
{
    beginRequest();
    Parameters form{{QStringLiteral("username"), userId},
                    {QStringLiteral("password"), LWServiceProtocol::maskText(password)}};
    form += clientParameters();
    const QUrl url(LWOnlineAddresses::accountBase() + QLatin1String(LWServiceProtocol::kPathLogin));
    postSync(url, joinParameters(form).toUtf8(), kTimeLimitMs);
    return lastResult();
}

LWLoginResult LWNormalLogin::check()
{
    beginRequest();
    const QString query = joinParameters(clientParameters());
    getSync(QUrl(LWOnlineAddresses::accountBase() + QLatin1String(LWServiceProtocol::kPathUserInfo)
                 + QLatin1Char('?') + query),
            kTimeLimitMs);
    return lastResult();
}
