#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QString>

#include <memory>

class RequestBody;

// One parsed request. Header names are kept lower-cased; the body is the
// decoded payload (chunked transfer already undone).
class HttpRequest
{
public:
    QByteArray method;  // upper-case token as sent
    QByteArray target;  // request target as sent
    QString path;       // percent-decoded path
    QByteArray rawQuery;
    QList<QPair<QByteArray, QByteArray>> headers;
    // A large body points into a mapped spool file that lives as long as
    // bodyStore; copy the bytes (not the QByteArray) to keep them longer.
    QByteArray body;
    std::shared_ptr<const RequestBody> bodyStore;
    int minorVersion = 1; // HTTP/1.<minorVersion>
    QHostAddress peer;
    QString localBase; // "http://address:port" of the socket that took the request

    QByteArray header(const QByteArray &lowerName) const;
    bool hasHeader(const QByteArray &lowerName) const;
    QString query(const QString &name) const;
    bool hasQuery(const QString &name) const;
    QString cookie(const QString &name) const;
    bool keepAlive() const;
    bool isHead() const { return method == "HEAD"; }
    bool fromLoopback() const;
    QString peerKey() const; // the peer address, IPv4 in its own form

    // "http://host:port" as the client addressed us, for links in replies.
    // Falls back to the socket's address when the Host header is unusable.
    QString baseUrl() const;
    QString absoluteUrl(const QString &path) const { return baseUrl() + path; }
};
