#pragma once

#include "LWQTHttpBase.h"

#include <QJsonObject>
#include <QString>

// Sends one usage event per request to the analytics collector: a JSON
// report with the event, who sends it (device, signed in or not) and what
// sends it (application, system). Reports are fire-and-forget: no reply is
// read and a report that cannot be delivered is lost.
class LWBeaconBase : public QObject
{
    Q_OBJECT
public:
    // While the collector does not answer, reports beyond this many in
    // flight are dropped rather than piling up.
    static constexpr int kMaxInFlight = 64;

    explicit LWBeaconBase(QObject *parent = nullptr);

    // The report for one event: events[0] with the name, the parameter
    // object as JSON text and the time; user, header and verbose.
    QByteArray reportBody(const QString &event, const QJsonObject &params, qint64 time) const;
    int inFlight() const { return m_inFlight; }
    // Drops the reports still on their way.
    void cancelRunning() { m_http.cancelRunning(); }

protected:
    // Resets the parameter object, stamps the time, adds key and value and
    // sends the report.
    void sendEvent(const QString &event, const QString &key, const QString &value);

private:
    void refreshUser();
    void resetParams();

    int m_appId;
    QString m_appVersion;
    QString m_osName;
    QString m_osVersion;
    QString m_userUniqueId;
    bool m_userIsAuth = true;
    bool m_userIsLogin = false;
    int m_verbose = 0;
    int m_inFlight = 0;
    QJsonObject m_header;
    QJsonObject m_user;
    QJsonObject m_params;
    LWQTHttpBase m_http; // owned
};
