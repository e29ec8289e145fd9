#include "HttpConnection.h"

#include "HostPolicy.h"
#include "Router.h"
#include "online/LWServiceProtocol.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTcpSocket>

#include <sys/socket.h>

namespace {

constexpr qint64 kChunk = 64 * 1024;
constexpr qint64 kHighWater = 256 * 1024;
constexpr int kDrainTimeoutMs = 5000;
constexpr int kStallTimeoutMs = 120000;

QByteArray hostForUrl(const QHostAddress &address)
{
    if (address.protocol() == QAbstractSocket::IPv6Protocol)
        return "[" + address.toString().toLatin1() + "]";
    return address.toString().toLatin1();
}

// The service's own code for an error answered before a handler ran.
int statusCodeFor(int httpStatus)
{
    switch (httpStatus) {
    case 403:
    case 421:
        return LWServiceProtocol::kStatusForbidden;
    case 413:
        return LWServiceProtocol::kStatusTooLarge;
    case 500:
    case 503:
    case 507:
        return LWServiceProtocol::kStatusServerError;
    default:
        return LWServiceProtocol::kStatusBadRequest;
    }
}

} // namespace

HttpConnection::HttpConnection(QTcpSocket *socket, const Router *router, FaultInjector *faults,
                               std::shared_ptr<BodyBudget> budget, const HostPolicy *hosts, const ConnectionLimits &limits,
                               QObject *parent)
    : QObject(parent)
    , m_socket(socket)
    , m_router(router)
    , m_faults(faults)
    , m_limits(limits)
{
    m_idleClock.start();
    m_socket->setParent(this);
    // Bounds what a client can queue up while a reply is being written.
    m_socket->setReadBufferSize(kHighWater);
    m_localBase = "http://" + hostForUrl(m_socket->localAddress()) + ":" + QByteArray::number(m_socket->localPort());
    m_parser.setBodyBudget(std::move(budget));
    m_parser.setHeadCheck([this, hosts](const HttpRequest &r, QByteArray *message) {
        return hosts->check(r, m_socket->localAddress(), message);
    });
    m_parser.setBodyLimitProvider([this](const HttpRequest &r) { return m_router->bodyLimit(r); });
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &HttpConnection::onTimeout);
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpConnection::onReadyRead);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &HttpConnection::onBytesWritten);
    connect(m_socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    armTimer();
    if (m_socket->bytesAvailable() > 0)
        QTimer::singleShot(0, this, &HttpConnection::onReadyRead);
}

void HttpConnection::armTimer()
{
    if (m_draining)
        m_timer.start(kDrainTimeoutMs);
    else if (m_stall)
        m_timer.start(kStallTimeoutMs);
    else if (m_busy && m_source)
        m_timer.start(m_limits.writeTimeoutMs); // a client that stops reading is let go
    else if (m_busy)
        m_timer.stop();
    else if (m_parser.hasPartialRequest())
        m_timer.start(int(qMax<qint64>(0, requestTimeLeft(nullptr))));
    else
        m_timer.start(m_limits.idleTimeoutMs);
}

qint64 HttpConnection::requestTimeLeft(QByteArray *reason) const
{
    const qint64 elapsed = m_requestClock.elapsed();
    qint64 left = m_limits.requestDeadlineMs - elapsed;
    QByteArray why = "request not completed in time";
    if (m_bodyStartMs < 0) {
        const qint64 head = m_limits.headDeadlineMs - elapsed;
        if (head < left) {
            left = head;
            why = "request headers not completed in time";
        }
    } else if (m_limits.minBodyRate > 0) {
        // The body has until grace + received / rate after its start.
        const qint64 due = m_bodyStartMs + m_limits.bodyGraceMs + m_parser.bodyReceived() * 1000 / m_limits.minBodyRate;
        if (due - elapsed < left) {
            left = due - elapsed;
            why = "request body arriving too slowly";
        }
    }
    if (reason)
        *reason = why;
    return left;
}

HttpConnection::Phase HttpConnection::phase() const
{
    if (m_draining)
        return Phase::Draining;
    if (m_busy)
        return Phase::Busy;
    if (!m_parser.hasPartialRequest())
        return Phase::Idle;
    return m_bodyStartMs < 0 ? Phase::Head : Phase::Body;
}

qint64 HttpConnection::phaseAgeMs() const
{
    return phase() == Phase::Idle ? m_idleClock.elapsed() : m_requestClock.elapsed();
}

double HttpConnection::bodyRate() const
{
    if (m_bodyStartMs < 0)
        return 0;
    const qint64 ms = qMax<qint64>(1, m_requestClock.elapsed() - m_bodyStartMs);
    return double(m_parser.bodyReceived()) * 1000.0 / double(ms);
}

void HttpConnection::evict()
{
    if (phase() == Phase::Idle)
        m_socket->disconnectFromHost(); // a kept-alive client simply opens another
    else
        m_socket->abort();
    deleteLater();
}

void HttpConnection::onTimeout()
{
    if (m_busy && m_source)
        qInfo("client stopped reading; connection closed");
    if (!m_draining && !m_busy && m_parser.hasPartialRequest()) {
        QByteArray reason;
        if (requestTimeLeft(&reason) > 0) {
            armTimer(); // a coarse timer may fire a little early
            return;
        }
        replyError(408, reason);
        return;
    }
    m_socket->abort();
    deleteLater();
}

void HttpConnection::onReadyRead()
{
    if (m_draining) {
        m_socket->readAll();
        return;
    }
    if (m_busy)
        return; // the bytes wait in the socket until this reply is out
    feed(m_socket->readAll());
    processBuffered();
}

void HttpConnection::feed(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    if (!m_parser.hasPartialRequest()) {
        m_requestClock.start();
        m_bodyStartMs = -1;
    }
    m_parser.append(bytes);
}

void HttpConnection::processBuffered()
{
    while (!m_busy && !m_draining && m_socket->state() == QAbstractSocket::ConnectedState) {
        const HttpParser::Result result = m_parser.advance();
        if (m_parser.takeContinueRequest())
            m_socket->write("HTTP/1.1 100 Continue\r\n\r\n");
        if (result == HttpParser::Result::Failed) {
            replyError(m_parser.errorStatus(), m_parser.errorMessage());
            return;
        }
        if (result == HttpParser::Result::NeedMore) {
            if (m_bodyStartMs < 0 && m_parser.inBody())
                m_bodyStartMs = m_requestClock.elapsed();
            if (m_socket->bytesAvailable() > 0) {
                feed(m_socket->readAll());
                continue;
            }
            armTimer();
            return;
        }
        HttpRequest request = m_parser.takeRequest();
        m_parser.reset();
        // Pipelined bytes already here start the next request's clock.
        m_requestClock.start();
        m_bodyStartMs = -1;
        request.peer = m_socket->peerAddress();
        request.localBase = QString::fromLatin1(m_localBase);
        handle(request);
    }
}

void HttpConnection::handle(const HttpRequest &request)
{
    m_busy = true;
    armTimer();
    QElapsedTimer clock;
    clock.start();
    const HttpResponse response = m_router->dispatch(request);
    Exchange exchange{request.method, request.path, request.keepAlive(), request.isHead()};
    m_pending.reset(); // the previous request's, long answered
    if (response.deferred && !response.deferred->isResolved()) {
        // The handler goes on elsewhere (a password check); the connection
        // stays busy and other clients are served meanwhile. Held here, not
        // in the slot, so the reply object does not keep itself alive.
        m_pending = response.deferred;
        connect(m_pending.get(), &DeferredReply::resolved, this, [this, exchange, clock] {
            respond(exchange, m_pending->response(), clock.elapsed());
        });
        return;
    }
    respond(exchange, response.deferred ? response.deferred->response() : response, clock.elapsed());
}

void HttpConnection::respond(const Exchange &exchange, const HttpResponse &response, qint64 elapsedMs)
{
    const Fault fault = m_faults->faultFor(exchange.path);
    qInfo("%s %s -> %d%s (%lld ms)", exchange.method.constData(), qUtf8Printable(exchange.path),
          fault.status ? fault.status : response.status, fault.active ? " [fault]" : "", static_cast<long long>(elapsedMs));
    const bool keepAlive = exchange.keepAlive && !response.close;
    const bool headOnly = exchange.headOnly;
    if (fault.delayMs > 0) {
        QTimer::singleShot(fault.delayMs, this, [this, response, headOnly, keepAlive, fault] {
            send(response, headOnly, keepAlive, fault);
        });
        return;
    }
    send(response, headOnly, keepAlive, fault);
}

void HttpConnection::send(HttpResponse response, bool headOnly, bool keepAlive, const Fault &fault)
{
    if (fault.drop) {
        m_socket->abort();
        deleteLater();
        return;
    }
    if (fault.active && (fault.corrupt || fault.replaceBody || fault.truncateAt >= 0 || fault.stallAfter >= 0)
        && !response.filePath.isEmpty()) {
        QFile file(response.filePath);
        response.body = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        response.filePath.clear();
    }
    if (fault.status)
        response.status = fault.status;
    if (fault.replaceBody)
        response.body = fault.body;
    if (!fault.contentType.isEmpty())
        response.setHeader("Content-Type", fault.contentType);
    if (fault.corrupt && !response.body.isEmpty())
        response.body[response.body.size() / 2] = char(response.body.at(response.body.size() / 2) ^ 0xff);

    qint64 length = response.body.size();
    if (!response.filePath.isEmpty()) {
        auto *file = new QFile(response.filePath, this);
        if (!file->open(QIODevice::ReadOnly)) {
            delete file;
            qWarning("cannot read %s", qUtf8Printable(response.filePath));
            response = HttpResponse::failure(404, LWServiceProtocol::kStatusNotFound, QStringLiteral("not found"));
            length = response.body.size();
        } else {
            m_source = file;
            length = file->size();
        }
    }
    if (!m_source) {
        auto *buffer = new QBuffer(this);
        buffer->setData(response.body);
        buffer->open(QIODevice::ReadOnly);
        m_source = buffer;
    }

    m_closeAfter = !keepAlive || fault.truncateAt >= 0;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " " + HttpResponse::reasonPhrase(response.status) + "\r\n";
    for (const auto &h : response.headers)
        head += h.first + ": " + h.second + "\r\n";
    head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    head += "Server: lwservice\r\n";
    head += m_closeAfter ? "Connection: close\r\n" : "Connection: keep-alive\r\n";
    head += "\r\n";
    m_socket->write(head);

    m_sendLeft = headOnly ? 0 : length;
    m_cutAfter = fault.truncateAt >= 0 ? fault.truncateAt : fault.stallAfter;
    m_stall = fault.stallAfter >= 0 && fault.truncateAt < 0;
    pump();
}

void HttpConnection::pump()
{
    while (m_source && m_sendLeft > 0 && m_socket->bytesToWrite() < kHighWater) {
        qint64 want = qMin(kChunk, m_sendLeft);
        if (m_cutAfter >= 0)
            want = qMin(want, m_cutAfter);
        if (want <= 0)
            break;
        const QByteArray chunk = m_source->read(want);
        if (chunk.isEmpty()) {
            // The file shrank under us; the announced length cannot be kept.
            m_closeAfter = true;
            m_sendLeft = 0;
            break;
        }
        m_socket->write(chunk);
        m_sendLeft -= chunk.size();
        if (m_cutAfter >= 0)
            m_cutAfter -= chunk.size();
    }
    if (m_cutAfter == 0 && m_sendLeft > 0) {
        if (m_stall) {
            armTimer(); // stays silent until the client gives up
            return;
        }
        m_sendLeft = 0; // truncation: close below with the body incomplete
    }
    if (m_sendLeft == 0)
        finishResponse();
}

void HttpConnection::onBytesWritten()
{
    if (m_draining) {
        if (m_socket->bytesToWrite() == 0)
            ::shutdown(int(m_socket->socketDescriptor()), SHUT_WR);
        return;
    }
    if (m_busy && m_source) {
        armTimer();
        pump();
    }
}

void HttpConnection::finishResponse()
{
    if (m_source) {
        m_source->deleteLater();
        m_source = nullptr;
    }
    m_cutAfter = -1;
    m_stall = false;
    if (m_closeAfter) {
        m_socket->disconnectFromHost();
        return;
    }
    m_busy = false;
    m_idleClock.start();
    if (m_parser.hasPartialRequest())
        m_requestClock.start();
    armTimer();
    QTimer::singleShot(0, this, [this] {
        if (m_socket->bytesAvailable() > 0)
            feed(m_socket->readAll());
        processBuffered();
    });
}

void HttpConnection::replyError(int status, const QByteArray &message)
{
    qInfo("rejected request: %d %s", status, message.constData());
    HttpResponse r = HttpResponse::failure(status, statusCodeFor(status), QString::fromLatin1(message));
    m_busy = true;
    const QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + " " + HttpResponse::reasonPhrase(r.status)
        + "\r\nContent-Type: application/json; charset=utf-8\r\nContent-Length: " + QByteArray::number(r.body.size())
        + "\r\nServer: lwservice\r\nConnection: close\r\n\r\n";
    m_socket->write(head + r.body);
    startDraining();
}

void HttpConnection::startDraining()
{
    // Closing at once while the client still sends would reset the
    // connection and the client might never read the error. Half-close
    // after the reply, swallow what still comes, then let go.
    m_draining = true;
    m_socket->readAll();
    armTimer();
    if (m_socket->bytesToWrite() == 0)
        ::shutdown(int(m_socket->socketDescriptor()), SHUT_WR);
}
