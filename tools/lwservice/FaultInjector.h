#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

class ServerConfig;

// Test aid: "faults" in config.json maps a path to a misbehaviour of its
// reply, so client code can be tried against a slow, failing or cut-off
// service without a second server.
struct Fault
{
    bool active = false;
    int delayMs = 0;
    int status = 0;           // replaces the status when non-zero
    bool replaceBody = false; // "body" given
    QByteArray body;
    QByteArray contentType;
    bool drop = false;        // close the connection without a reply
    qint64 truncateAt = -1;   // announce the full length, send this many bytes, close
    qint64 stallAfter = -1;   // send this many bytes, then nothing more
    bool corrupt = false;     // flip one byte in the middle of the body
};

class FaultInjector
{
public:
    explicit FaultInjector(const ServerConfig *config); // config not owned

    // The fault for a request to path, counting it against "count".
    Fault faultFor(const QString &path);

private:
    const ServerConfig *m_config; // not owned
    QHash<QString, QPair<QByteArray, int>> m_uses; // path -> (fault text, times applied)
};
