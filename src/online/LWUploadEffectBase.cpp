#include "LWUploadEffectBase.h"

#include "LWServiceProtocol.h"
#include "common/LWDiagnosticLog.h"

#include <QJsonDocument>

namespace {

// The log writes what it is given; each entry is a line of its own.
void logNetwork(const char *text)
{
    LWDiagnosticLog::instance()->log(LWDiagnosticLog::CategoryNetwork, LWDiagnosticLog::Error, "%s\n", text);
}

} // namespace

LWUploadEffectBase::LWUploadEffectBase(QObject *parent)
    : QObject(parent)
{
    // Every upload is a multipart form, which states its own type.
    m_http.setRawHeader(LWServiceProtocol::kContentTypeHeader, QByteArray());
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

void LWUploadEffectBase::handleReply(const LWHttpReply &reply)
{
    if (reply.status == LWQTHttpBase::kStatusTimedOut) {
        logNetwork("Upload timed out");
        m_state = LWUploadTimedOut;
    } else if (reply.status == LWQTHttpBase::kStatusCancelled) {
        logNetwork("Cancel uploading special effect");
        m_state = LWUploadCancelled;
    } else if (reply.status == 200) {
        readReply(reply.body);
    } else {
        LWDiagnosticLog::instance()->log(LWDiagnosticLog::CategoryNetwork, LWDiagnosticLog::Error,
                                         "Upload failed with HTTP status %d\n", reply.status);
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
