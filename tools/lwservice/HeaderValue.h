#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

// A header value of the form `token; name=value; name="quoted value"`.
// Parameter names compare without regard to case.
class HeaderValue
{
public:
    static HeaderValue parse(const QByteArray &value);

    QByteArray token() const { return m_token; }
    QByteArray parameter(const QByteArray &name) const;
    bool hasParameter(const QByteArray &name) const;

private:
    QByteArray m_token;
    QList<QPair<QByteArray, QByteArray>> m_parameters; // names lower-cased
};
