#include "HostPolicy.h"

#include "HttpRequest.h"

namespace {

bool isDigits(const QByteArray &text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// Splits "name[:port]" and "[v6][:port]". *port is -1 when none is given.
bool splitAuthority(const QByteArray &authority, QByteArray *name, int *port)
{
    QByteArray rest;
    if (authority.startsWith('[')) {
        const int close = authority.indexOf(']');
        if (close < 0)
            return false;
        *name = authority.left(close + 1);
        rest = authority.mid(close + 1);
    } else {
        const int colon = authority.indexOf(':');
        if (colon >= 0 && authority.indexOf(':', colon + 1) >= 0)
            return false; // a bare IPv6 address or a second port
        *name = colon < 0 ? authority : authority.left(colon);
        rest = colon < 0 ? QByteArray() : authority.mid(colon);
    }
    if (name->isEmpty())
        return false;
    if (rest.isEmpty()) {
        *port = -1;
        return true;
    }
    const QByteArray digits = rest.mid(1);
    if (!rest.startsWith(':') || !isDigits(digits) || digits.size() > 5)
        return false;
    *port = digits.toInt();
    return true;
}

// An IP literal in its usual spelling; names other than "localhost" are
// never resolved, so no DNS answer can make a name acceptable.
bool literalAddress(const QByteArray &name, QHostAddress *address)
{
    if (name.startsWith('[')) {
        if (!name.endsWith(']') || !address->setAddress(QString::fromLatin1(name.mid(1, name.size() - 2))))
            return false;
        return address->protocol() == QAbstractSocket::IPv6Protocol;
    }
    if (!address->setAddress(QString::fromLatin1(name)) || address->protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    return address->toString().toLatin1() == name; // no "127.1" or "0x7f.0.0.1"
}

} // namespace

HostPolicy::HostPolicy(const QHostAddress &listenAddress, quint16 port)
    : m_listen(listenAddress)
    , m_port(port)
{
}

bool HostPolicy::changesState(const QByteArray &method)
{
    return method != "GET" && method != "HEAD" && method != "OPTIONS";
}

bool HostPolicy::acceptsAddress(const QHostAddress &address, const QHostAddress &localAddress) const
{
    const auto same = [](const QHostAddress &a, const QHostAddress &b) {
        return a.isEqual(b, QHostAddress::ConvertV4MappedToIPv4);
    };
    if (same(address, QHostAddress(QHostAddress::LocalHost)) || same(address, QHostAddress(QHostAddress::LocalHostIPv6)))
        return true;
    const bool listensEverywhere = m_listen == QHostAddress(QHostAddress::Any) || m_listen == QHostAddress(QHostAddress::AnyIPv4)
        || m_listen == QHostAddress(QHostAddress::AnyIPv6);
    if (listensEverywhere)
        return same(address, localAddress);
    return same(address, m_listen);
}

bool HostPolicy::accepts(const QByteArray &authority, const QHostAddress &localAddress, Port portRule) const
{
    QByteArray name;
    int port = -1;
    if (!splitAuthority(authority, &name, &port))
        return false;
    // A browser always names a port other than 80, so a Host without one
    // comes from a client that reached this socket directly, never from a
    // page of another site. An Origin without one is a site on port 80.
    const int implied = portRule == Port::MayBeOmitted ? int(m_port) : 80;
    if ((port < 0 ? implied : port) != int(m_port))
        return false;
    if (name.toLower() == "localhost")
        return true;
    QHostAddress address;
    return literalAddress(name, &address) && acceptsAddress(address, localAddress);
}

bool HostPolicy::acceptsHost(const QByteArray &host, const QHostAddress &localAddress) const
{
    return accepts(host, localAddress, Port::MayBeOmitted);
}

bool HostPolicy::acceptsOrigin(const QByteArray &origin, const QHostAddress &localAddress) const
{
    static const QByteArray scheme = "http://";
    if (!origin.toLower().startsWith(scheme))
        return false;
    return accepts(origin.mid(scheme.size()), localAddress, Port::Required);
}

int HostPolicy::check(const HttpRequest &request, const QHostAddress &localAddress, QByteArray *message) const
{
    int hosts = 0;
    for (const auto &h : request.headers)
        hosts += h.first == "host" ? 1 : 0;
    if (hosts > 1) {
        *message = "more than one Host header";
        return 400;
    }
    // Without a Host the request names nothing; only a client that talks to
    // this socket by itself sends that.
    QByteArray authority = request.header("host");
    const QByteArray &target = request.target;
    const int scheme = target.indexOf("://");
    if (scheme > 0 && !target.startsWith('/')) {
        const int start = scheme + 3;
        const int slash = target.indexOf('/', start);
        authority = slash < 0 ? target.mid(start) : target.mid(start, slash - start);
    }
    if ((hosts > 0 || scheme > 0) && !acceptsHost(authority, localAddress)) {
        *message = "this service answers only to its own address, such as 127.0.0.1:" + QByteArray::number(m_port);
        return 421;
    }
    if (changesState(request.method) && request.hasHeader("origin")
        && !acceptsOrigin(request.header("origin"), localAddress)) {
        *message = "requests from pages of other sites are refused";
        return 403;
    }
    return 0;
}
