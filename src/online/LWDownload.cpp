#include "LWDownload.h"

#include "LWOnlineAddresses.h"
#include "LWServiceProtocol.h"

#include <QDebug>
#include <QSaveFile>

LWDownload *LWDownload::start(const Request &request, QObject *context, Done done)
{
    auto *download = new LWDownload(request, std::move(done), context);
    download->begin();
    return download;
}

LWDownload::LWDownload(const Request &request, Done done, QObject *context)
    : QObject(context)
    , m_request(request)
    , m_done(std::move(done))
{
    // A GET has no body whose type the default header could describe.
    m_http.setRawHeader(LWServiceProtocol::kContentTypeHeader, QByteArray());
    m_http.setReplyLimit(request.maxBytes);
    m_http.setIdleLimit(request.idleLimitMs);
    m_http.setTimeLimit(request.timeLimitMs);
    // File stores move files about; no cookie travels with a download.
    m_http.setFollowRedirects(true);
}

// An uncommitted file takes its temporary file with it; the client aborts
// what still runs, without calling back.
LWDownload::~LWDownload() = default;

void LWDownload::begin()
{
    if (!LWOnlineAddresses::isWebAddress(m_request.url)) {
        qWarning().noquote() << "download refused, not a web address:" << m_request.url.toDisplayString();
        failSoon(false);
        return;
    }
    auto done = [this](const LWHttpReply &reply) { finish(reply); };
    if (m_request.targetPath.isEmpty()) {
        m_http.fetch(m_request.url, LWQTHttpBase::Sink(), m_request.progress, done);
        return;
    }
    m_file = std::make_unique<QSaveFile>(m_request.targetPath);
    if (!m_file->open(QIODevice::WriteOnly)) {
        qWarning().noquote() << "download cannot be written to" << m_request.targetPath << m_file->errorString();
        m_file.reset();
        failSoon(true);
        return;
    }
    auto write = [this](const QByteArray &chunk) {
        m_writeFailed = m_file->write(chunk) != chunk.size();
        m_written += chunk.size();
        return !m_writeFailed;
    };
    m_http.fetch(m_request.url, write, m_request.progress, done);
}

void LWDownload::failSoon(bool targetFailed)
{
    // Never inside start(): the caller has not even seen the download yet.
    QMetaObject::invokeMethod(
        this,
        [this, targetFailed] {
            Result result;
            result.targetFailed = targetFailed;
            report(result);
        },
        Qt::QueuedConnection);
}

void LWDownload::finish(const LWHttpReply &reply)
{
    Result result;
    result.status = reply.status;
    const bool arrived = reply.status == 200 && reply.whole;
    if (m_file) {
        if (arrived && m_written > 0) {
            result.ok = m_file->commit();
            result.targetFailed = !result.ok;
        } else {
            result.targetFailed = m_writeFailed;
            m_file->cancelWriting();
        }
        m_file.reset();
    } else if (arrived && !reply.body.isEmpty()) {
        result.ok = true;
        result.bytes = reply.body;
    }
    if (!result.ok && reply.status != LWQTHttpBase::kStatusCancelled)
        qDebug().noquote() << "download failed, status" << reply.status << "for" << m_request.url.toDisplayString();
    report(result);
}

void LWDownload::report(const Result &result)
{
    const Done done = std::move(m_done);
    m_done = nullptr;
    deleteLater();
    if (done)
        done(result);
}

void LWDownload::cancel()
{
    m_done = nullptr;
    // Ends in finish(), which discards the file.
    m_http.cancelRunning();
    deleteLater();
}
