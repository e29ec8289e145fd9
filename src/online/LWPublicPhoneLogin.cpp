#include "LWPublicPhoneLogin.h"

#include "LWOnlineAddresses.h"
#include "LWServiceProtocol.h"

#include <QJsonObject>

LWPublicPhoneLogin::LWPublicPhoneLogin(QObject *parent)
    : LWLoginBase(parent)
{
    http().setRawHeader(LWServiceProtocol::kContentTypeHeader, LWServiceProtocol::kJsonContentType);
}

LWLoginResult LWPublicPhoneLogin::check(const QString &cookieDatabase)
{
    beginRequest();
    http().loadBrowserCookies(cookieDatabase, true);
    handleReply(http().getSync(LWOnlineAddresses::publishUrl(LWServiceProtocol::kPathPublicUserInfo), kTimeLimitMs));
    return lastResult();
}

void LWPublicPhoneLogin::handleServiceReply(const QJsonObject &reply)
{
    const QJsonValue code = reply.value(QStringLiteral("status_code"));
    if (code.isUndefined())
        return;
    const QString message = reply.value(QStringLiteral("message")).toString();
    setResult(code.toInt(-1) == LWServiceProtocol::kStatusOk ? int(ResultOk) : m_result, message);
}
