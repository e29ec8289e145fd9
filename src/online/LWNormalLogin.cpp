#include "LWNormalLogin.h"

#include "LWOnlineAddresses.h"
#include "LWServiceProtocol.h"

#include "LWNetworkcookieJar.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkCookie>
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

QString LWNormalLogin::sessionToken()
{
    if (!http().cookieJar())
        return QString();
    const QList<QNetworkCookie> cookies = http().cookieJar()->cookiesForUrl(QUrl(LWOnlineAddresses::accountBase()));
    for (const QNetworkCookie &cookie : cookies) {
        if (cookie.name() == LWServiceProtocol::kSessionCookie)
            return QString::fromLatin1(cookie.value());
    }
    return QString();
}

QList<QNetworkCookie> LWNormalLogin::sessionCookies()
{
    return http().cookieJar() ? http().cookieJar()->allCookies() : QList<QNetworkCookie>();
}

LWLoginResult LWNormalLogin::resume(const QString &sessionToken)
{
    beginRequest();
    const QUrl url = LWOnlineAddresses::publishUrl(LWServiceProtocol::kPathPublicUserInfo);
    QNetworkCookie cookie(LWServiceProtocol::kSessionCookie, sessionToken.toLatin1());
    cookie.setDomain(url.host());
    cookie.setPath(QStringLiteral("/"));
    http().setBrowserCookies({cookie});
    const LWHttpReply reply = http().getSync(url, kTimeLimitMs);
    if (reply.status == LWQTHttpBase::kStatusTimedOut) {
        setResult(ResultRefused, timeoutMessage());
    } else if (reply.status == 200) {
        const QJsonObject object = QJsonDocument::fromJson(reply.body).object();
        if (object.value(QStringLiteral("status_code")).toInt(-1) == LWServiceProtocol::kStatusOk)
            setResult(ResultOk, QString());
    }
    finish();
    return lastResult();
}
