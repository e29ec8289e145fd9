#include "LWQTHttpBase.h"

#include "LWBrowserCookieReader.h"
#include "LWNetworkcookieJar.h"
#include "LWServiceProtocol.h"
#include "common/LWDiagnosticLog.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHttpMultiPart>
#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkReply>
#include <QPointer>
#include <QThread>
#include <QThreadStorage>
#include <QTimer>
#include <QUrl>
#include <algorithm>

struct LWQTHttpBase::Call
{
    QPointer<QNetworkReply> reply; // owned by the access manager
    Done done;
    Sink sink;
    Progress progress;
    qint64 received = 0;
    Stop stop = Stop::None;
    QPointer<QTimer> timeLimit; // children of the reply
    QPointer<QTimer> idle;
};

namespace {

QThreadStorage<QNetworkAccessManager *> &threadManagers()
{
    static QThreadStorage<QNetworkAccessManager *> managers;
    return managers;
}

// Thread storage of the application's thread is cleared only after the
// application object is gone, and a manager destroyed then finds nothing
// of what it needs; it goes while the application is being destroyed.
void dropApplicationManager()
{
    threadManagers().setLocalData(nullptr);
}

void dropWithApplication()
{
    if (QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread())
        qAddPostRoutine(dropApplicationManager);
}

// HTTP error statuses (4xx, 5xx) arrive as network errors, but their body
// is the service's answer and is handed on like any other.
bool isHttpLevelError(QNetworkReply::NetworkError error)
{
    return (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError)
        || (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError)
        || error == QNetworkReply::ProtocolInvalidOperationError;
}

qint64 announcedLength(const QNetworkReply *reply)
{
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    return length.isValid() ? length.toLongLong() : -1;
}

// A body that ends short of its announced length was cut off, whatever the
// connection said. Compressed bodies announce their compressed length.
bool lengthMatches(const QNetworkReply *reply, qint64 received)
{
    const qint64 announced = announcedLength(reply);
    return announced < 0 || announced == received || !reply->rawHeader("Content-Encoding").isEmpty();
}

QString encoded(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

} // namespace

LWQTHttpBase::LWQTHttpBase(QObject *parent)
    : QObject(parent)
{
    m_request.setRawHeader(LWServiceProtocol::kUserAgentHeader, LWServiceProtocol::kUserAgent);
    m_request.setRawHeader(LWServiceProtocol::kContentTypeHeader, LWServiceProtocol::kFormContentType);
}

LWQTHttpBase::~LWQTHttpBase()
{
    // The shared manager outlives this client: what still runs is stopped
    // here, and nothing calls back into an owner being destroyed.
    const std::vector<std::shared_ptr<Call>> calls = std::move(m_calls);
    for (const std::shared_ptr<Call> &call : calls) {
        if (!call->reply)
            continue;
        call->reply->disconnect(this);
        call->reply->abort();
        call->reply->deleteLater();
    }
}

QNetworkAccessManager *LWQTHttpBase::threadManager()
{
    QThreadStorage<QNetworkAccessManager *> &managers = threadManagers();
    if (!managers.hasLocalData()) {
        managers.setLocalData(new QNetworkAccessManager);
        dropWithApplication();
    }
    return managers.localData();
}

void LWQTHttpBase::installThreadManager(QNetworkAccessManager *manager)
{
    threadManagers().setLocalData(manager);
    dropWithApplication();
}

void LWQTHttpBase::setRawHeader(const QByteArray &name, const QByteArray &value)
{
    m_request.setRawHeader(name, value.isEmpty() ? QByteArray() : value);
}

QNetworkRequest LWQTHttpBase::requestFor(const QUrl &url, bool multipart) const
{
    QNetworkRequest request(m_request);
    request.setUrl(url);
    // The headers say "form-urlencoded"; a multipart body needs the access
    // manager to announce "multipart/form-data" with its boundary.
    if (multipart)
        request.setHeader(QNetworkRequest::ContentTypeHeader, QVariant());
    // The access manager serves every client of the thread; the cookies
    // are each client's own, or a sign-in would travel with every request.
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    if (m_cookieJar) {
        const QList<QNetworkCookie> cookies = m_cookieJar->cookiesForUrl(url);
        if (!cookies.isEmpty())
            request.setHeader(QNetworkRequest::CookieHeader, QVariant::fromValue(cookies));
    }
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         m_followRedirects ? QNetworkRequest::NoLessSafeRedirectPolicy
                                           : QNetworkRequest::ManualRedirectPolicy);
    return request;
}

std::shared_ptr<LWQTHttpBase::Call> LWQTHttpBase::track(QNetworkReply *reply, int timeLimitMs, Done done, Sink sink,
                                                         Progress progress)
{
    auto call = std::make_shared<Call>();
    call->reply = reply;
    call->done = std::move(done);
    call->sink = std::move(sink);
    call->progress = std::move(progress);
    m_calls.push_back(call);
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, call] {
        // Refused on the announcement, before any of it is carried.
        if (call->reply && announcedLength(call->reply) > m_replyLimit)
            stop(*call, Stop::Oversize);
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, call] { readArrived(*call); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { serviceFinished(reply); });
    watchLimits(call, timeLimitMs);
    if (reply->isFinished())
        QMetaObject::invokeMethod(this, [this, reply] { serviceFinished(reply); }, Qt::QueuedConnection);
    return call;
}

void LWQTHttpBase::watchLimits(const std::shared_ptr<Call> &call, int timeLimitMs)
{
    QNetworkReply *reply = call->reply;
    if (timeLimitMs > 0) {
        auto *timer = new QTimer(reply);
        timer->setSingleShot(true);
        // A coarse timer may fire 5 % early; a limit is promised in ms.
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, call] { stop(*call, Stop::TimedOut); });
        timer->start(timeLimitMs);
        call->timeLimit = timer;
    }
    if (m_idleLimitMs > 0) {
        auto *idle = new QTimer(reply);
        idle->setSingleShot(true);
        connect(idle, &QTimer::timeout, this, [this, call] { stop(*call, Stop::TimedOut); });
        auto restart = [idle, limit = m_idleLimitMs] { idle->start(limit); };
        // Progress signals are throttled by the access manager; data is not.
        connect(reply, &QNetworkReply::readyRead, idle, restart);
        connect(reply, &QNetworkReply::downloadProgress, idle, restart);
        connect(reply, &QNetworkReply::uploadProgress, idle, restart);
        idle->start(m_idleLimitMs);
        call->idle = idle;
    }
}

void LWQTHttpBase::readArrived(Call &call)
{
    QNetworkReply *reply = call.reply;
    // An aborted reply is closed and has nothing more to give.
    if (!reply || call.stop != Stop::None || !reply->isOpen())
        return;
    if (call.sink) {
        const QByteArray chunk = reply->readAll();
        call.received += chunk.size();
        if (call.received > m_replyLimit)
            return stop(call, Stop::Oversize);
        if (!chunk.isEmpty() && !call.sink(chunk))
            return stop(call, Stop::SinkRefused);
    } else {
        call.received = reply->bytesAvailable();
        if (call.received > m_replyLimit)
            return stop(call, Stop::Oversize);
    }
    if (call.progress)
        call.progress(call.received, announcedLength(reply));
}

void LWQTHttpBase::stop(Call &call, Stop why)
{
    if (call.stop != Stop::None || !call.reply)
        return;
    call.stop = why;
    if (why == Stop::Oversize)
        LWDiagnosticLog::instance()->log(LWDiagnosticLog::CategoryNetwork, LWDiagnosticLog::Warning,
                                         "reply of %s exceeds %lld bytes; dropped\n",
                                         qUtf8Printable(call.reply->url().path()), static_cast<long long>(m_replyLimit));
    // Ends in serviceFinished, which reports the reason.
    call.reply->abort();
}

void LWQTHttpBase::serviceFinished(QNetworkReply *p_reply)
{
    if (!p_reply)
        return;
    const auto found = std::find_if(m_calls.begin(), m_calls.end(),
                                    [p_reply](const std::shared_ptr<Call> &call) { return call->reply == p_reply; });
    if (found == m_calls.end())
        return;
    const std::shared_ptr<Call> call = *found;
    m_calls.erase(found);
    const LWHttpReply reply = complete(*call);
    const Done done = std::move(call->done);
    // Last: the callback may end this client.
    if (done)
        done(reply);
}

LWHttpReply LWQTHttpBase::complete(Call &call)
{
    QNetworkReply *reply = call.reply;
    // Only this client's connections: the access manager keeps its own.
    reply->disconnect(this);
    for (QTimer *timer : {call.timeLimit.data(), call.idle.data()}) {
        if (timer) {
            reply->disconnect(timer);
            timer->stop();
            timer->disconnect();
        }
    }
    LWHttpReply result;
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (call.stop == Stop::Cancelled) {
        result.status = kStatusCancelled;
    } else if (call.stop == Stop::TimedOut) {
        result.status = kStatusTimedOut;
    } else if (call.stop == Stop::None
               && (reply->error() == QNetworkReply::NoError
                   || (result.status > 0 && isHttpLevelError(reply->error())))) {
        const QByteArray rest = reply->readAll();
        call.received = call.sink ? call.received + rest.size() : rest.size();
        const bool taken = !call.sink || rest.isEmpty() || call.sink(rest);
        result.whole = taken && call.received <= m_replyLimit && lengthMatches(reply, call.received);
        if (result.whole && !call.sink)
            result.body = rest;
        if (result.whole && call.progress && !rest.isEmpty())
            call.progress(call.received, announcedLength(reply));
    }
    if (result.status > 0)
        keepCookies(reply);
    reply->deleteLater();
    return result;
}

void LWQTHttpBase::keepCookies(QNetworkReply *reply)
{
    const QList<QNetworkCookie> cookies = reply->header(QNetworkRequest::SetCookieHeader).value<QList<QNetworkCookie>>();
    if (!cookies.isEmpty())
        jar()->setCookiesFromUrl(cookies, reply->url());
}

LWNetworkcookieJar *LWQTHttpBase::jar()
{
    if (!m_cookieJar)
        m_cookieJar = new LWNetworkcookieJar(this);
    return m_cookieJar;
}

void LWQTHttpBase::get(const QUrl &url, Done done)
{
    track(threadManager()->get(requestFor(url, false)), m_timeLimitMs, std::move(done));
}

void LWQTHttpBase::post(const QUrl &url, const QByteArray &body, Done done)
{
    track(threadManager()->post(requestFor(url, false), body), m_timeLimitMs, std::move(done));
}

void LWQTHttpBase::post(const QUrl &url, QHttpMultiPart *multiPart, Done done)
{
    QNetworkReply *reply = threadManager()->post(requestFor(url, true), multiPart);
    multiPart->setParent(reply);
    track(reply, m_timeLimitMs, std::move(done));
}

void LWQTHttpBase::fetch(const QUrl &url, Sink sink, Progress progress, Done done)
{
    track(threadManager()->get(requestFor(url, false)), m_timeLimitMs, std::move(done), std::move(sink),
          std::move(progress));
}

LWHttpReply LWQTHttpBase::wait(const std::function<std::shared_ptr<Call>(Done)> &start)
{
    LWHttpReply result;
    bool finished = false;
    QEventLoop loop;
    QPointer<LWQTHttpBase> self(this);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    const std::shared_ptr<Call> call = start([&](const LWHttpReply &reply) {
        result = reply;
        finished = true;
        loop.quit();
    });
    if (!finished)
        loop.exec();
    if (!finished) {
        // The loop was ended from outside (the application quits, or this
        // client went): the answer can no longer reach this frame.
        call->done = nullptr;
        if (self)
            stop(*call, Stop::Cancelled);
        result = LWHttpReply();
        result.status = kStatusCancelled;
    }
    return result;
}

LWHttpReply LWQTHttpBase::getSync(const QUrl &url, int timeLimitMs)
{
    return wait([&](Done done) { return track(threadManager()->get(requestFor(url, false)), timeLimitMs, std::move(done)); });
}

LWHttpReply LWQTHttpBase::postSync(const QUrl &url, const QByteArray &body, int timeLimitMs)
{
    return wait([&](Done done) {
        return track(threadManager()->post(requestFor(url, false), body), timeLimitMs, std::move(done));
    });
}

LWHttpReply LWQTHttpBase::postSync(const QUrl &url, QHttpMultiPart *multiPart, int timeLimitMs)
{
    return wait([&](Done done) {
        QNetworkReply *reply = threadManager()->post(requestFor(url, true), multiPart);
        multiPart->setParent(reply);
        return track(reply, timeLimitMs, std::move(done));
    });
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
    jar()->setAllCookies(cookies);
    m_cookiesLoaded = true;
}

void LWQTHttpBase::setBrowserCookies(const QList<QNetworkCookie> &cookies)
{
    jar()->setAllCookies(cookies);
    m_cookiesLoaded = true;
}

void LWQTHttpBase::cancelRunning()
{
    const std::vector<std::shared_ptr<Call>> running = m_calls;
    QPointer<LWQTHttpBase> self(this);
    for (const std::shared_ptr<Call> &call : running) {
        // A callback may have ended this client.
        if (!self)
            return;
        stop(*call, Stop::Cancelled);
    }
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
