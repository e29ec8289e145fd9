#include "HttpRequest.h"

#include "UrlForm.h"

#include <QRegularExpression>

QByteArray HttpRequest::header(const QByteArray &lowerName) const
{
    for (const auto &h : headers) {
        if (h.first == lowerName)
            return h.second;
    }
    return QByteArray();
}

bool HttpRequest::hasHeader(const QByteArray &lowerName) const
{
    for (const auto &h : headers) {
        if (h.first == lowerName)
            return true;
    }
    return false;
}

QString HttpRequest::query(const QString &name) const
{
    return UrlForm::parse(rawQuery).value(name);
}

bool HttpRequest::hasQuery(const QString &name) const
{
    return UrlForm::parse(rawQuery).contains(name);
}

QString HttpRequest::cookie(const QString &name) const
{
    const QByteArray wanted = name.toLatin1();
    for (const auto &h : headers) {
        if (h.first != "cookie")
            continue;
        for (const QByteArray &pair : h.second.split(';')) {
            const int eq = pair.indexOf('=');
            if (eq < 0)
                continue;
            if (pair.left(eq).trimmed() == wanted) {
                QByteArray value = pair.mid(eq + 1).trimmed();
                if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
                    value = value.mid(1, value.size() - 2);
                return QString::fromLatin1(value);
            }
        }
    }
    return QString();
}

bool HttpRequest::keepAlive() const
{
    const QByteArray connection = header("connection").toLower();
    const QList<QByteArray> tokens = connection.split(',');
    auto has = [&tokens](const char *token) {
        for (const QByteArray &t : tokens) {
            if (t.trimmed() == token)
                return true;
        }
        return false;
    };
    if (minorVersion == 0)
        return has("keep-alive");
    return !has("close");
}

bool HttpRequest::fromLoopback() const
{
    return peer.isLoopback();
}

QString HttpRequest::peerKey() const
{
    bool mapped = false;
    const quint32 v4 = peer.toIPv4Address(&mapped);
    return mapped ? QHostAddress(v4).toString() : peer.toString();
}

QString HttpRequest::baseUrl() const
{
    // Only plain host[:port] forms are echoed back into links; anything else
    // could smuggle markup or another scheme into a reply.
    static const QRegularExpression hostShape(QStringLiteral("^(\\[[0-9A-Fa-f:.]+\\]|[A-Za-z0-9.-]+)(:[0-9]{1,5})?$"));
    const QString host = QString::fromLatin1(header("host"));
    if (!host.isEmpty() && host.size() <= 255 && hostShape.match(host).hasMatch())
        return QStringLiteral("http://") + host;
    return localBase;
}
