#include "LWPublicPhoneLogin.h"

#include "LWOnlineAddresses.h"
#include "LWServiceProtocol.h"

#include <QJsonObject>

LWPublicPhoneLogin::LWPublicPhoneLogin(QObject *parent)
    : LWLoginBase(parent)
{
}

void LWPublicPhoneLogin::setupHeaders()
{
    LWLoginBase::setupHeaders();
    request().setRawHeader(LWServiceProtocol::kContentTypeHeader, LWServiceProtocol::kJsonContentType);
}

LWLoginResult LWPublicPhoneLogin::check(const QString &cookieDatabase)
{
    beginRequest();
    loadBrowserCookies(cookieDatabase, true);
    getSync(LWOnlineAddresses::publishUrl(LWServiceProtocol::kPathPublicUserInfo), kTimeLimitMs);
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
