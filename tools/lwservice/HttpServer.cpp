#include "HttpServer.h"

#include "HttpConnection.h"

#include <QTcpServer>
#include <QTcpSocket>

HttpServer::HttpServer(const Router *router, FaultInjector *faults, const Limits &limits, QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
    , m_router(router)
    , m_faults(faults)
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

void HttpServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        if (m_open >= kMaxConnections) {
            socket->write("HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            continue;
        }
        ++m_open;
        auto *connection = new HttpConnection(socket, m_router, m_faults, m_budget, &m_hosts, this);
        connect(connection, &QObject::destroyed, this, [this] { --m_open; });
    }
}
