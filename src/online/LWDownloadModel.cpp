#include "LWDownloadModel.h"

#include "LWServiceProtocol.h"

#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

LWDownloadModel::LWDownloadModel(QObject *parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
{
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, [this] {
        qWarning() << "installer download stalled; given up";
        if (m_reply)
            m_reply->abort();
    });
}

LWDownloadModel::~LWDownloadModel()
{
    stopReply();
}

bool LWDownloadModel::start(const QUrl &url, const QString &targetPath)
{
    cancel();
    m_url = url;
    m_writeFailed = false;
    m_received = 0;
    m_file.setFileName(targetPath);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning().noquote() << "installer cannot be written to" << targetPath;
        return false;
    }
    QNetworkRequest request(url);
    request.setRawHeader(LWServiceProtocol::kUserAgentHeader, LWServiceProtocol::kUserAgent);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &LWDownloadModel::downloadReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &LWDownloadModel::downloadFinished);
    m_idle.start(m_idleLimitMs);
    return true;
}

void LWDownloadModel::downloadReadyRead()
{
    // An aborted reply is closed and has nothing more to give.
    if (!m_reply || !m_reply->isOpen())
        return;
    const QByteArray bytes = m_reply->readAll();
    if (bytes.isEmpty())
        return;
    m_received += bytes.size();
    if (m_file.isOpen() && m_file.write(bytes) != bytes.size())
        m_writeFailed = true;
    m_idle.start(m_idleLimitMs);
    // Counted here: the access manager's own progress signal is throttled
    // and may never report the last bytes before a stall.
    emit progress(m_received, m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong());
}

void LWDownloadModel::downloadFinished()
{
    if (!m_reply)
        return;
    downloadReadyRead();
    m_idle.stop();
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const qint64 announced = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    const bool complete = m_reply->error() == QNetworkReply::NoError && status == 200 && !m_writeFailed
        && (announced <= 0 || announced == m_received) && m_file.flush();
    m_reply->deleteLater();
    m_reply.clear();
    m_file.close();
    if (!complete) {
        qWarning() << "installer download incomplete, status" << status;
        m_file.remove();
    }
    emit finished(complete);
}

void LWDownloadModel::stopReply()
{
    m_idle.stop();
    if (!m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply.clear();
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void LWDownloadModel::cancel()
{
    const bool wasRunning = isRunning();
    stopReply();
    if (m_file.isOpen()) {
        m_file.close();
        if (wasRunning)
            m_file.remove();
    }
}
