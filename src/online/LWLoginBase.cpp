#include "LWLoginBase.h"

#include "LWDeviceIdentity.h"
#include "LWServiceProtocol.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

using namespace LWServiceProtocol;

LWLoginBase::LWLoginBase(QObject *parent)
    : QObject(parent)
{
}

QString LWLoginBase::timeoutMessage()
{
    return tr("网络超时");
}

LWQTHttpBase::Parameters LWLoginBase::clientParameters()
{
    m_deviceId = LWDeviceIdentity::deviceId();
    m_token = makeToken(QDateTime::currentMSecsSinceEpoch(), m_deviceId);
    return {
        {QStringLiteral("device_id"), m_deviceId},
        {QStringLiteral("device_platform"), QString::fromLatin1(kDevicePlatform)},
        {QStringLiteral("type"), QString::fromLatin1(kClientType)},
        {QStringLiteral("token"), m_token},
        {QStringLiteral("random"), makeRandom(QRandomGenerator::global()->bounded(1, 101))},
    };
}

void LWLoginBase::beginRequest()
{
    setResult(ResultFailed, QString());
}

void LWLoginBase::setResult(int result, const QString &message)
{
    m_result = result;
    m_message = message;
}

void LWLoginBase::finish()
{
    if (m_callback)
        m_callback(m_result, m_message);
}

void LWLoginBase::handleReply(const LWHttpReply &reply)
{
    if (reply.status == LWQTHttpBase::kStatusTimedOut) {
        setResult(ResultRefused, timeoutMessage());
    } else if (reply.status != 200) {
        setResult(ResultFailed, QString());
    } else {
        const QJsonDocument document = QJsonDocument::fromJson(reply.body);
        if (document.isObject())
            handleServiceReply(document.object());
    }
    finish();
}

void LWLoginBase::handleServiceReply(const QJsonObject &reply)
{
    const int code = reply.value(QStringLiteral("status_code")).toInt(-1);
    if (code == kStatusOk && reply.contains(QStringLiteral("data"))) {
        const QJsonValue token = reply.value(QStringLiteral("data")).toObject().value(QStringLiteral("access_token"));
        if (token.isString() && accessTokenMatches(token.toString(), m_token, m_deviceId))
            setResult(ResultOk, reply.value(QStringLiteral("message")).toString());
    } else if (code == kStatusBadCredentials || code == kStatusLocked) {
        setResult(ResultRefused, tr("账号名或者密码错误"));
    } else if (code == kStatusTakenOver) {
        setResult(ResultTakenOver, tr("账号在其他客户端登陆"));
    }
}
