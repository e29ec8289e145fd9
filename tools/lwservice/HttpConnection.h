#pragma once

#include "FaultInjector.h"
#include "HttpParser.h"
#include "HttpResponse.h"

#include <QObject>
#include <QTimer>

#include <memory>

class HostPolicy;
class QIODevice;
class QTcpSocket;
class Router;

// One client connection: reads requests one at a time (pipelined bytes wait
// in the parser), hands them to the router and writes the replies, keeping
// the connection open when both sides want that. Deletes itself when the
// socket closes.
class HttpConnection : public QObject
{
    Q_OBJECT
public:
    HttpConnection(QTcpSocket *socket, const Router *router, FaultInjector *faults, std::shared_ptr<BodyBudget> budget,
                   const HostPolicy *hosts, QObject *parent = nullptr);

    static constexpr int kIdleTimeoutMs = 15000;
    static constexpr int kRequestTimeoutMs = 30000;

private slots:
    void onReadyRead();
    void onBytesWritten();
    void onTimeout();

private:
    void processBuffered();
    void handle(const HttpRequest &request);
    void send(HttpResponse response, bool headOnly, bool keepAlive, const Fault &fault);
    void pump();
    void finishResponse();
    void replyError(int status, const QByteArray &message);
    void startDraining();
    void armTimer();

    QTcpSocket *m_socket;         // owned through the QObject tree
    const Router *m_router;       // not owned
    FaultInjector *m_faults;      // not owned
    HttpParser m_parser;
    QTimer m_timer;
    QIODevice *m_source = nullptr; // owned while a body is being sent
    qint64 m_sendLeft = 0;         // body bytes still to send
    qint64 m_cutAfter = -1;        // truncate or stall point of a fault
    bool m_stall = false;
    bool m_busy = false;
    bool m_closeAfter = false;
    bool m_draining = false; // reply sent early; swallow the rest of the request
    QByteArray m_localBase;
};
