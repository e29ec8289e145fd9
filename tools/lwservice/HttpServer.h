#pragma once

#include "HostPolicy.h"
#include "HttpConnection.h"
#include "RequestBody.h"

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>

#include <memory>

class FaultInjector;
class QTcpServer;
class Router;

// Accepts connections and gives each its own HttpConnection. The number of
// connections is capped, in all and per peer address; when a cap is reached
// a new client is still served by letting go the connection that does the
// least for anyone (idle or slowest), and refused only when all are at work.
class HttpServer : public QObject
{
    Q_OBJECT
public:
    struct Limits
    {
        int maxConnections = 128;
        int maxConnectionsPerPeer = 32;
        ConnectionLimits connection;
        BodyBudget::Limits bodies;
        QString spoolDir; // where large bodies wait until their request is complete
    };

    HttpServer(const Router *router, FaultInjector *faults, const Limits &limits, QObject *parent = nullptr);

    bool listen(const QHostAddress &address, quint16 port);
    QString errorString() const;
    QHostAddress address() const;
    quint16 port() const;
    int connectionCount() const { return m_connections.size(); }

private slots:
    void onNewConnection();

private:
    HttpConnection *pickVictim(const QString &peer) const; // empty peer: any
    void forget(HttpConnection *connection);
    static QString peerKey(const QHostAddress &address);

    QTcpServer *m_server;    // owned through the QObject tree
    const Router *m_router;  // not owned
    FaultInjector *m_faults; // not owned
    Limits m_limits;
    std::shared_ptr<BodyBudget> m_budget;
    HostPolicy m_hosts; // set once listening, when the port is known
    QHash<HttpConnection *, QString> m_connections; // owned through the QObject tree; value: peer
    QHash<QString, int> m_perPeer;
};
