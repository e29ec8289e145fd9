#pragma once

#include "FaultInjector.h"
#include "HttpParser.h"
#include "HttpResponse.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>

class HostPolicy;
class QIODevice;
class QTcpSocket;
class Router;

// How long a client may take. A request has a fixed time from its first
// byte to the end of its headers and to its end, and its body must keep up
// an average rate once past a short grace, so trickling bytes never buys a
// connection for ever.
struct ConnectionLimits
{
    int idleTimeoutMs = 15000;     // between requests
    int headDeadlineMs = 10000;    // first byte to the end of the headers
    int requestDeadlineMs = 120000; // first byte to the end of the body
    int bodyGraceMs = 5000;
    qint64 minBodyRate = 16 * 1024; // bytes per second, on average
    int writeTimeoutMs = 30000;    // a client that stops reading the reply
};

// One client connection: reads requests one at a time (pipelined bytes wait
// in the parser), hands them to the router and writes the replies, keeping
// the connection open when both sides want that. Deletes itself when the
// socket closes.
class HttpConnection : public QObject
{
    Q_OBJECT
public:
    // What the connection is doing, for choosing whom to let go when the
    // server is full.
    enum class Phase { Draining, Idle, Head, Body, Busy };

    HttpConnection(QTcpSocket *socket, const Router *router, FaultInjector *faults, std::shared_ptr<BodyBudget> budget,
                   const HostPolicy *hosts, const ConnectionLimits &limits, QObject *parent = nullptr);

    Phase phase() const;
    qint64 phaseAgeMs() const;  // since the connection went idle or its request began
    double bodyRate() const;    // bytes per second of the body being read
    void evict();               // closes at once and deletes itself later

private slots:
    void onReadyRead();
    void onBytesWritten();
    void onTimeout();

private:
    void feed(const QByteArray &bytes);
    void processBuffered();
    // What the reply to a request needs to know of it.
    struct Exchange
    {
        QByteArray method;
        QString path;
        bool keepAlive = true;
        bool headOnly = false;
    };

    void handle(const HttpRequest &request);
    void respond(const Exchange &exchange, const HttpResponse &response, qint64 elapsedMs);
    void send(HttpResponse response, bool headOnly, bool keepAlive, const Fault &fault);
    void pump();
    void finishResponse();
    void replyError(int status, const QByteArray &message);
    void startDraining();
    void armTimer();
    qint64 requestTimeLeft(QByteArray *reason) const;

    QTcpSocket *m_socket;         // owned through the QObject tree
    const Router *m_router;       // not owned
    FaultInjector *m_faults;      // not owned
    ConnectionLimits m_limits;
    HttpParser m_parser;
    QTimer m_timer;
    QElapsedTimer m_requestClock;  // from the first byte of the request being read
    QElapsedTimer m_idleClock;     // from the end of the last reply
    qint64 m_bodyStartMs = -1;     // on the request clock
    std::shared_ptr<DeferredReply> m_pending; // the reply being worked out elsewhere
    QIODevice *m_source = nullptr; // owned while a body is being sent
    qint64 m_sendLeft = 0;         // body bytes still to send
    qint64 m_cutAfter = -1;        // truncate or stall point of a fault
    bool m_stall = false;
    bool m_busy = false;
    bool m_closeAfter = false;
    bool m_draining = false; // reply sent early; swallow the rest of the request
    QByteArray m_localBase;
};
