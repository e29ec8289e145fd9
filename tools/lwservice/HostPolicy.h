#pragma once

#include <QByteArray>
#include <QHostAddress>

class HttpRequest;

// Which addresses a request may name. The inspection pages, the sign-in
// code and the sign-ins answer by who is asking, so a page of another site
// must not reach them through a name that it points at this machine
// (DNS rebinding) or through the author's browser (a cross-site form).
class HostPolicy
{
public:
    HostPolicy() = default;
    HostPolicy(const QHostAddress &listenAddress, quint16 port);

    // Loopback names (127.0.0.1, localhost, [::1]) and the listen address,
    // or the address that took the connection when listening on all of
    // them; with the listen port.
    bool acceptsHost(const QByteArray &host, const QHostAddress &localAddress) const;
    // "http://" and an accepted host with the port spelled as a browser
    // spells it. "null" and other schemes are foreign.
    bool acceptsOrigin(const QByteArray &origin, const QHostAddress &localAddress) const;

    // 0 when the request may go on, else the HTTP status to refuse it with.
    int check(const HttpRequest &request, const QHostAddress &localAddress, QByteArray *message) const;

    static bool changesState(const QByteArray &method);

private:
    enum class Port { Required, MayBeOmitted };
    bool accepts(const QByteArray &authority, const QHostAddress &localAddress, Port port) const;
    bool acceptsAddress(const QHostAddress &address, const QHostAddress &localAddress) const;

    QHostAddress m_listen;
    quint16 m_port = 0;
};
