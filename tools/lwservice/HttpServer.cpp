#include "HttpServer.h"

#include <QTcpServer>
#include <QTcpSocket>

HttpServer::HttpServer(const Router *router, FaultInjector *faults, const Limits &limits, QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
    , m_router(router)
    , m_faults(faults)
    , m_limits(limits)
    , m_budget(std::make_shared<BodyBudget>(limits.bodies, limits.spoolDir))
{
    connect(m_server, &QTcpServer::newConnection, this, &HttpServer::onNewConnection);
}

bool HttpServer::listen(const QHostAddress &address, quint16 port)
{
    if (!m_server->listen(address, port))
        return false;
    m_hosts = HostPolicy(address, m_server->serverPort());
    return true;
}

QString HttpServer::errorString() const
{
    return m_server->errorString();
}

QHostAddress HttpServer::address() const
{
    return m_server->serverAddress();
}

quint16 HttpServer::port() const
{
    return m_server->serverPort();
}

QString HttpServer::peerKey(const QHostAddress &address)
{
    bool mapped = false;
    const quint32 v4 = address.toIPv4Address(&mapped);
    return mapped ? QHostAddress(v4).toString() : address.toString();
}

HttpConnection *HttpServer::pickVictim(const QString &peer) const
{
    // A connection that has answered and only lingers goes first; then the
    // one idle or stuck in its headers the longest, which a client that is
    // about to send has no reason to be; then the slowest body. A
    // connection at work on a reply is never let go.
    HttpConnection *best = nullptr;
    int bestRank = 0;
    double bestScore = 0;
    for (auto it = m_connections.cbegin(); it != m_connections.cend(); ++it) {
        if (!peer.isEmpty() && it.value() != peer)
            continue;
        HttpConnection *c = it.key();
        int rank = 0;
        double score = 0;
        switch (c->phase()) {
        case HttpConnection::Phase::Busy:
            continue;
        case HttpConnection::Phase::Draining:
            rank = 3;
            score = double(c->phaseAgeMs());
            break;
        case HttpConnection::Phase::Idle:
        case HttpConnection::Phase::Head:
            rank = 2;
            score = double(c->phaseAgeMs());
            break;
        case HttpConnection::Phase::Body:
            rank = 1;
            score = -c->bodyRate();
            break;
        }
        if (!best || rank > bestRank || (rank == bestRank && score > bestScore)) {
            best = c;
            bestRank = rank;
            bestScore = score;
        }
    }
    return best;
}

void HttpServer::forget(HttpConnection *connection)
{
    const auto it = m_connections.find(connection);
    if (it == m_connections.end())
        return;
    const QString peer = it.value();
    m_connections.erase(it);
    if (--m_perPeer[peer] <= 0)
        m_perPeer.remove(peer);
}

void HttpServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        const QString peer = peerKey(socket->peerAddress());
        HttpConnection *victim = nullptr;
        bool full = false;
        if (m_perPeer.value(peer) >= m_limits.maxConnectionsPerPeer) {
            full = true;
            victim = pickVictim(peer);
        } else if (m_connections.size() >= m_limits.maxConnections) {
            full = true;
            victim = pickVictim(QString());
        }
        if (full && !victim) {
            socket->write("HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            continue;
        }
        if (victim) {
            forget(victim);
            victim->evict();
        }
        auto *connection = new HttpConnection(socket, m_router, m_faults, m_budget, &m_hosts, m_limits.connection, this);
        m_connections.insert(connection, peer);
        ++m_perPeer[peer];
        connect(connection, &QObject::destroyed, this, [this, connection] { forget(connection); });
    }
}
