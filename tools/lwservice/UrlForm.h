#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Decoded "a=1&b=2" pairs of a query string or url-encoded body. Empty
// pairs ("a=1&&b=2") are skipped; "+" is a space; malformed escapes stay
// as they are.
class UrlForm
{
public:
    static UrlForm parse(const QByteArray &encoded);

    QString value(const QString &name) const;
    bool contains(const QString &name) const;
    const QList<QPair<QString, QString>> &pairs() const { return m_pairs; }

private:
    QList<QPair<QString, QString>> m_pairs;
};
