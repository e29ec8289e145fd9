#include "LWBeaconBase.h"

#include "LWDeviceIdentity.h"
#include "LWLoginManager.h"
#include "LWServiceProtocol.h"
#include "common/LWServiceConfig.h"

#include <QDateTime>
#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSysInfo>
#include <QUrl>

LWBeaconBase::LWBeaconBase(QObject *parent)
    : QObject(parent)
    , m_appId(LWServiceProtocol::kAnalyticsAppId)
    , m_appVersion(QStringLiteral(LW_VERSION))
    , m_osName(QSysInfo::productType())
    , m_osVersion(QSysInfo::productVersion())
    , m_userUniqueId(LWDeviceIdentity::deviceId())
{
    m_header = QJsonObject{{QStringLiteral("app_id"), m_appId},
                           {QStringLiteral("app_version"), m_appVersion},
                           {QStringLiteral("os_name"), m_osName},
                           {QStringLiteral("os_version"), m_osVersion}};
    m_http.setRawHeader(LWServiceProtocol::kContentTypeHeader, LWServiceProtocol::kJsonContentType);
    refreshUser();
    // A sign-in after start must not leave every later report saying
    // "signed out".
    connect(LWLoginManager::instance(), &LWLoginManager::signedInChanged, this, [this] { refreshUser(); });
}

void LWBeaconBase::refreshUser()
{
    m_userIsLogin = !LWLoginManager::instance()->isLogout();
    m_user = QJsonObject{{QStringLiteral("user_unique_id"), m_userUniqueId},
                         {QStringLiteral("user_is_auth"), m_userIsAuth},
                         {QStringLiteral("user_is_login"), m_userIsLogin}};
}

void LWBeaconBase::resetParams()
{
    m_params = QJsonObject{{QStringLiteral("_staging_flag"), 0}, {QStringLiteral("os_name"), m_osName}};
}

QByteArray LWBeaconBase::reportBody(const QString &event, const QJsonObject &params, qint64 time) const
{
    const QJsonObject entry{{QStringLiteral("event"), event},
                            {QStringLiteral("params"), QString::fromUtf8(QJsonDocument(params).toJson())},
                            {QStringLiteral("time"), time}};
    const QJsonObject report{{QStringLiteral("events"), QJsonArray{entry}},
                             {QStringLiteral("user"), m_user},
                             {QStringLiteral("header"), m_header},
                             {QStringLiteral("verbose"), m_verbose}};
    return QJsonDocument(report).toJson();
}

void LWBeaconBase::sendEvent(const QString &event, const QString &key, const QString &value)
{
    resetParams();
    const qint64 time = QDateTime::currentSecsSinceEpoch();
    m_params.insert(key, value);
    if (m_inFlight >= kMaxInFlight) {
        qDebug().noquote() << "usage event dropped, the collector is not answering:" << event << value;
        return;
    }
    ++m_inFlight;
    const QUrl collector(LWServiceConfig::baseUrl(QStringLiteral("analytics"))
                         + QLatin1String(LWServiceProtocol::kPathAnalytics));
    // The reply is not read: a report that does not arrive is lost.
    m_http.post(collector, reportBody(event, m_params, time), [this](const LWHttpReply &) { --m_inFlight; });
}
