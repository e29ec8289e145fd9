#include "LWQTHttpBase.h"

#include "LWBrowserCookieReader.h"
#include "LWNetworkcookieJar.h"
#include "LWServiceProtocol.h"
#include "common/LWDiagnosticLog.h"

#include <QEventLoop>
#include <QHttpMultiPart>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

namespace {

const char kCancelledFlag[] = "lwCancelled";
const char kOversizeFlag[] = "lwOversize";
const char kIdleFlag[] = "lwIdle";

// HTTP error statuses (4xx, 5xx) arrive as network errors, but their body
// is the service's answer and is handed on like any other.
bool isHttpLevelError(QNetworkReply::NetworkError error)
{
    return (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError)
        || (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError)
        || error == QNetworkReply::ProtocolInvalidOperationError;
}

QString encoded(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

} // namespace

LWQTHttpBase::LWQTHttpBase(QObject *parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
{
}

LWQTHttpBase::~LWQTHttpBase()
{
    // Replies die with the manager; none may call back into a half-destroyed handler.
    for (const QPointer<QNetworkReply> &reply : qAsConst(m_running)) {
        if (reply)
            reply->disconnect(this);
    }
}

void LWQTHttpBase::setupHeaders()
{
    m_request.setRawHeader(LWServiceProtocol::kUserAgentHeader, LWServiceProtocol::kUserAgent);
    m_request.setRawHeader(LWServiceProtocol::kContentTypeHeader, LWServiceProtocol::kFormContentType);
}

void LWQTHttpBase::prepare(const QUrl &url)
{
    if (!m_headersReady) {
        setupHeaders();
        m_headersReady = true;
    }
    m_request.setUrl(url);
}

QNetworkReply *LWQTHttpBase::track(QNetworkReply *reply)
{
    m_running.append(reply);
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 received, qint64 total) {
        if (received <= m_replyLimit && total <= m_replyLimit)
            return;
        LWDiagnosticLog::instance()->log(LWDiagnosticLog::CategoryNetwork, LWDiagnosticLog::Warning,
                                         "reply of %s exceeds %lld bytes; dropped",
                                         qUtf8Printable(reply->url().path()), static_cast<long long>(m_replyLimit));
        reply->setProperty(kOversizeFlag, true);
        reply->abort();
    });
    if (m_idleLimitMs > 0)
        watchIdle(reply);
    return reply;
}

void LWQTHttpBase::watchIdle(QNetworkReply *reply)
{
    // A service that stops sending without closing would otherwise hold
    // the request open for ever.
    auto *idle = new QTimer(reply);
    idle->setSingleShot(true);
    connect(idle, &QTimer::timeout, reply, [reply] {
        reply->setProperty(kIdleFlag, true);
        reply->abort();
    });
    auto restart = [idle, limit = m_idleLimitMs] { idle->start(limit); };
    // Progress signals are throttled by the access manager; data is not.
    connect(reply, &QNetworkReply::readyRead, idle, restart);
    connect(reply, &QNetworkReply::downloadProgress, idle, restart);
    connect(reply, &QNetworkReply::uploadProgress, idle, restart);
    connect(reply, &QNetworkReply::finished, idle, &QTimer::stop);
    idle->start(m_idleLimitMs);
}

void LWQTHttpBase::watchAsync(QNetworkReply *reply)
{
    connect(reply, &QNetworkReply::finished, this, [this, reply] { serviceFinished(reply); });
}

void LWQTHttpBase::getAsync(const QUrl &url)
{
    prepare(url);
    watchAsync(track(m_manager->get(m_request)));
}

void LWQTHttpBase::postAsync(const QUrl &url, const QByteArray &body)
{
    prepare(url);
    watchAsync(track(m_manager->post(m_request, body)));
}

QNetworkRequest LWQTHttpBase::multipartRequest() const
{
    // The shared request says "form-urlencoded"; a multipart body needs the
    // access manager to announce "multipart/form-data" with its boundary.
    QNetworkRequest copy(m_request);
    copy.setHeader(QNetworkRequest::ContentTypeHeader, QVariant());
    return copy;
}

void LWQTHttpBase::postAsync(const QUrl &url, QHttpMultiPart *multiPart)
{
    prepare(url);
    QNetworkReply *reply = m_manager->post(multipartRequest(), multiPart);
    multiPart->setParent(reply);
    watchAsync(track(reply));
}

void LWQTHttpBase::getSync(const QUrl &url, int timeLimitMs)
{
    prepare(url);
    waitFor(track(m_manager->get(m_request)), timeLimitMs);
}

void LWQTHttpBase::postSync(const QUrl &url, const QByteArray &body, int timeLimitMs)
{
    prepare(url);
    waitFor(track(m_manager->post(m_request, body)), timeLimitMs);
}

void LWQTHttpBase::postSync(const QUrl &url, QHttpMultiPart *multiPart, int timeLimitMs)
{
    prepare(url);
    QNetworkReply *reply = m_manager->post(multipartRequest(), multiPart);
    multiPart->setParent(reply);
    waitFor(track(reply), timeLimitMs);
}

void LWQTHttpBase::waitFor(QNetworkReply *reply, int timeLimitMs)
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(timeLimitMs);
    if (!reply->isFinished())
        loop.exec();
    if (!timer.isActive() && !reply->isFinished()) {
        // Too late: whatever still arrives is thrown away unseen.
        reply->disconnect();
        m_running.removeAll(reply);
        reply->abort();
        reply->deleteLater();
        replyHandler(QByteArray(), kStatusTimedOut);
        return;
    }
    timer.stop();
    serviceFinished(reply);
}

void LWQTHttpBase::serviceFinished(QNetworkReply *p_reply)
{
    if (!p_reply)
        return;
    m_running.removeAll(p_reply);
    p_reply->disconnect(this);
    int status = p_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QByteArray body;
    if (p_reply->property(kCancelledFlag).toBool())
        status = kStatusCancelled;
    else if (p_reply->property(kIdleFlag).toBool())
        status = kStatusTimedOut;
    else if (p_reply->property(kOversizeFlag).toBool())
        body.clear();
    else if (p_reply->error() == QNetworkReply::NoError || (status > 0 && isHttpLevelError(p_reply->error())))
        body = p_reply->readAll();
    p_reply->deleteLater();
    replyHandler(body, status);
}

void LWQTHttpBase::loadBrowserCookies(const QString &databasePath, bool onlyIfNotLoaded)
{
    if (onlyIfNotLoaded && m_cookiesLoaded)
        return;
    QList<QNetworkCookie> cookies;
    if (!LWBrowserCookieReader::read(databasePath, &cookies)) {
        LWDiagnosticLog::instance()->log(LWDiagnosticLog::CategoryNetwork, LWDiagnosticLog::Error, "cookie 初始化失败\n");
        return;
    }
    if (!m_cookieJar) {
        m_cookieJar = new LWNetworkcookieJar;
        m_manager->setCookieJar(m_cookieJar);
    }
    m_cookieJar->setAllCookies(cookies);
    m_cookiesLoaded = true;
}

void LWQTHttpBase::cancelRunning()
{
    const QList<QPointer<QNetworkReply>> running = m_running;
    for (const QPointer<QNetworkReply> &reply : running) {
        if (!reply)
            continue;
        reply->setProperty(kCancelledFlag, true);
        reply->abort();
    }
}

bool LWQTHttpBase::isRunning() const
{
    for (const QPointer<QNetworkReply> &reply : m_running) {
        if (reply)
            return true;
    }
    return false;
}

QString LWQTHttpBase::joinParameters(const Parameters &parameters)
{
    QString text;
    for (int i = 0; i < parameters.size(); ++i) {
        text += encoded(parameters.at(i).first) + QLatin1Char('=') + encoded(parameters.at(i).second);
        if (i + 1 < parameters.size())
            text += QLatin1Char('&');
    }
    return text;
}
