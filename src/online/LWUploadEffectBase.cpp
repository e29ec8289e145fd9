#include "LWUploadEffectBase.h"

#include "LWServiceProtocol.h"
#include "common/LWDiagnosticLog.h"

#include <QJsonDocument>

namespace {

void logNetwork(const char *text)
{
    LWDiagnosticLog::instance()->log(LWDiagnosticLog::CategoryNetwork, LWDiagnosticLog::Error, "%s", text);
}

} // namespace

LWUploadEffectBase::LWUploadEffectBase(QObject *parent)
    : LWQTHttpBase(parent)
{
}

void LWUploadEffectBase::setupHeaders()
{
    request().setRawHeader(LWServiceProtocol::kUserAgentHeader, LWServiceProtocol::kUserAgent);
}

void LWUploadEffectBase::begin()
{
    m_state = LWUploadStarted;
    m_identifier.clear();
    m_message.clear();
    m_replyObject = QJsonObject();
}

void LWUploadEffectBase::refuse(LWUploadEffectNetStatus state, const QString &message)
{
    begin();
    m_state = state;
    m_message = message;
    report();
}

void LWUploadEffectBase::replyHandler(const QByteArray &body, int status)
{
    if (status == kStatusTimedOut) {
        logNetwork("Upload timed out");
        m_state = LWUploadTimedOut;
    } else if (status == kStatusCancelled) {
        logNetwork("Cancel uploading special effect");
        m_state = LWUploadCancelled;
    } else if (status == 200) {
        readReply(body);
    } else {
        LWDiagnosticLog::instance()->log(LWDiagnosticLog::CategoryNetwork, LWDiagnosticLog::Error,
                                         "Upload failed with HTTP status %d", status);
    }
    report();
}

void LWUploadEffectBase::readReply(const QByteArray &body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (!document.isObject()) {
        logNetwork("Format error after return");
        return;
    }
    m_replyObject = document.object();
    const int code = m_replyObject.value(QStringLiteral("status_code")).toInt(-1);
    if (code != LWServiceProtocol::kStatusOk) {
        m_message = m_replyObject.value(QStringLiteral("message")).toString();
        if (m_message.contains(LWServiceProtocol::notSignedInMessage()))
            m_message = tr("网络异常，请稍后上传");
        return;
    }
    m_state = LWUploadDone;
    const QJsonValue identifier = m_replyObject.value(QStringLiteral("data")).toObject().value(identifierKey());
    if (identifier.isString())
        m_identifier = identifier.toString();
}

void LWUploadEffectBase::report()
{
    if (m_callback)
        m_callback(m_state, m_state == LWUploadDone ? m_identifier : m_message);
}
