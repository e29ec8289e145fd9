#pragma once

#include <QJsonObject>
#include <QString>

// The service's own configuration, "<data>/config.json". It is read on
// every use so that an author (or a test) can change the offered update or
// the injected faults while the service runs.
class ServerConfig
{
public:
    explicit ServerConfig(const QString &dataDir);

    QJsonObject read() const; // an unreadable file reads as empty, logged
    QJsonObject section(const QString &name) const;

    // Writes the default file when there is none yet.
    bool seedDefaults() const;
    QString path() const { return m_path; }

private:
    QString m_path;
};
