#pragma once

// A one-request HTTP endpoint on 127.0.0.1 for tests of code that uploads:
// it answers 200 and keeps the whole request.

#include <QTcpServer>
#include <QTcpSocket>

class LWTinyHttp : public QTcpServer
{
public:
    QByteArray request;
    bool complete = false;

    LWTinyHttp()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                request += socket->readAll();
                const int headerEnd = request.indexOf("\r\n\r\n");
                if (headerEnd < 0)
                    return;
                const QByteArray lower = request.left(headerEnd).toLower();
                const int at = lower.indexOf("content-length:");
                const int length =
                    at < 0 ? 0 : lower.mid(at + 15, lower.indexOf("\r\n", at) - at - 15).trimmed().toInt();
                if (request.size() >= headerEnd + 4 + length) {
                    complete = true;
                    socket->write("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok");
                    socket->disconnectFromHost();
                }
            });
        });
    }

    QByteArray body() const { return request.mid(request.indexOf("\r\n\r\n") + 4); }
};
