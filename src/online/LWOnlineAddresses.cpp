#include "LWOnlineAddresses.h"

#include "LWServiceProtocol.h"
#include "common/LWServiceConfig.h"

namespace LWOnlineAddresses {

namespace {

QString underAccountPrefix(QString base)
{
    const QString prefix = QString::fromLatin1(LWServiceProtocol::kAccountPrefix); // "/effect/"
    if (!base.endsWith(prefix.chopped(1)))
        base += prefix.chopped(1);
    return base + QLatin1Char('/');
}

} // namespace

QString accountBase()
{
    return underAccountPrefix(LWServiceConfig::baseUrl(QStringLiteral("account")));
}

QString ssoBase()
{
    return underAccountPrefix(LWServiceConfig::baseUrl(QStringLiteral("sso")));
}

QString ssoHost()
{
    const QUrl url(LWServiceConfig::baseUrl(QStringLiteral("sso")));
    return url.port() > 0 ? url.host() + QLatin1Char(':') + QString::number(url.port()) : url.host();
}

QString publishBase()
{
    return LWServiceConfig::baseUrl(QStringLiteral("publish"));
}

QUrl publishUrl(const char *path)
{
    return QUrl(publishBase() + QString::fromLatin1(path));
}

bool isWebAddress(const QUrl &url)
{
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

namespace {

int portOf(const QUrl &url)
{
    if (url.port() > 0)
        return url.port();
    return url.scheme() == QLatin1String("https") ? 443 : 80;
}

} // namespace

bool sameOrigin(const QUrl &a, const QUrl &b)
{
    return isWebAddress(a) && isWebAddress(b) && !a.host().isEmpty() && a.scheme() == b.scheme()
        && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 && portOf(a) == portOf(b);
}

bool isPublishOrigin(const QUrl &url)
{
    return sameOrigin(url, QUrl(publishBase()));
}

} // namespace LWOnlineAddresses
