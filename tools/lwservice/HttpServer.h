#pragma once

#include "HostPolicy.h"
#include "RequestBody.h"

#include <QHostAddress>
#include <QObject>

#include <memory>

class FaultInjector;
class QTcpServer;
class Router;

// Accepts connections and gives each its own HttpConnection. Refuses new
// connections beyond a fixed number so a flood cannot exhaust the process.
class HttpServer : public QObject
{
    Q_OBJECT
public:
    struct Limits
    {
        BodyBudget::Limits bodies;
        QString spoolDir; // where large bodies wait until their request is complete
    };

    HttpServer(const Router *router, FaultInjector *faults, const Limits &limits, QObject *parent = nullptr);

    bool listen(const QHostAddress &address, quint16 port);
    QString errorString() const;
    QHostAddress address() const;
    quint16 port() const;

    static constexpr int kMaxConnections = 64;

private slots:
    void onNewConnection();

private:
    QTcpServer *m_server;    // owned through the QObject tree
    const Router *m_router;  // not owned
    FaultInjector *m_faults; // not owned
    std::shared_ptr<BodyBudget> m_budget;
    HostPolicy m_hosts; // set once listening, when the port is known
    int m_open = 0;
};
