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
    LWQTHttpBase::Parameters form{{QStringLiteral("username"), userId},
                    {QStringLiteral("password"), LWServiceProtocol::maskText(password)}};
    form += clientParameters();
    const QUrl url(LWOnlineAddresses::accountBase() + QLatin1String(LWServiceProtocol::kPathLogin));
    handleReply(http().postSync(url, LWQTHttpBase::joinParameters(form).toUtf8(), kTimeLimitMs));
    return lastResult();
}

LWLoginResult LWNormalLogin::check()
{
    beginRequest();
    const QString query = LWQTHttpBase::joinParameters(clientParameters());
    handleReply(http().getSync(QUrl(LWOnlineAddresses::accountBase() + QLatin1String(LWServiceProtocol::kPathUserInfo)
                                    + QLatin1Char('?') + query),
                               kTimeLimitMs));
    return lastResult();
}
