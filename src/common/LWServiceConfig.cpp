#include "LWServiceConfig.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

namespace LWServiceConfig {

namespace {

QHash<QString, QString> &overrides()
{
    static QHash<QString, QString> table;
    return table;
}

QString configurationPath()
{
    return QDir::homePath() + QStringLiteral("/Lumeworks/services.json");
}

QString fromFile(const QString &service)
{
    QFile file(configurationPath());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    return root.value(service).toString();
}

QString trimmed(QString url)
{
    while (url.endsWith(QLatin1Char('/')))
        url.chop(1);
    return url;
}

} // namespace

QString baseUrl(const QString &service)
{
    const auto it = overrides().constFind(service);
    if (it != overrides().constEnd())
        return trimmed(*it);
    const QString configured = fromFile(service);
    if (!configured.isEmpty())
        return trimmed(configured);
    return defaultBaseUrl();
}

QStringList serviceNames()
{
    return {QStringLiteral("account"),  QStringLiteral("sso"),    QStringLiteral("publish"),
            QStringLiteral("materials"), QStringLiteral("feedback"), QStringLiteral("update"),
            QStringLiteral("analytics"), QStringLiteral("crash")};
}

QString defaultBaseUrl()
{
    return QStringLiteral("http://127.0.0.1:%1").arg(kDefaultPort);
}

bool usesDefault(const QString &service)
{
    return !overrides().contains(service) && fromFile(service).isEmpty();
}

bool configurationReadable()
{
    QFile file(configurationPath());
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    return error.error == QJsonParseError::NoError && document.isObject();
}

void setBaseUrl(const QString &service, const QString &url)
{
    overrides().insert(service, url);
}

QString crashUploadUrl()
{
    return baseUrl(QStringLiteral("crash")) + QStringLiteral("/api/crash/upload");
}

} // namespace LWServiceConfig
