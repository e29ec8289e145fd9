#pragma once

// Shared by the online tests: lwservice as a child process on 127.0.0.1
// with a free port, its fault injection, sign-in cookies fetched from it and
// written into a cookie store shaped like the web view's. Nothing here
// talks to any address but 127.0.0.1.

#include "common/LWServiceConfig.h"
#include "online/LWServiceProtocol.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrlQuery>

namespace LWOnlineTest {

const QString kDemoUser = QStringLiteral("demo");
const QString kDemoPassword = QStringLiteral("glowsmith-demo");
const QString kOtherDevice = QStringLiteral("FEDCBA9876543210FEDCBA9876543210");

class Service
{
public:
    ~Service() { stop(); }

    bool start()
    {
        if (!m_data.isValid())
            return false;
        m_process.setProgram(QStringLiteral(LWSERVICE_PATH));
        // The test pair, whose public half the editor is built with.
        m_process.setArguments({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--data"), m_data.path(),
                                QStringLiteral("--update-key"), QStringLiteral(LWSERVICE_UPDATE_KEY)});
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return false;
        QElapsedTimer clock;
        clock.start();
        while (!m_process.canReadLine() && clock.elapsed() < 20000)
            m_process.waitForReadyRead(200);
        const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
        const auto match = QRegularExpression(QStringLiteral("^listening on 127\\.0\\.0\\.1:(\\d+)$")).match(line);
        if (!match.hasMatch())
            return false;
        base = QStringLiteral("http://127.0.0.1:") + match.captured(1);
        for (const char *name : {"account", "sso", "publish", "materials", "update", "feedback", "analytics"})
            LWServiceConfig::setBaseUrl(QString::fromLatin1(name), base);
        return true;
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    // lwservice's config.json, read on every request.
    void writeConfig(const QJsonObject &config)
    {
        QSaveFile file(m_data.filePath(QStringLiteral("config.json")));
        file.open(QIODevice::WriteOnly);
        file.write(QJsonDocument(config).toJson());
        file.commit();
    }
    // Misbehaviours by path, as lwservice's config.json "faults" takes them.
    void setFaults(const QJsonObject &faults) { writeConfig(QJsonObject{{QStringLiteral("faults"), faults}}); }
    void clearFaults() { setFaults(QJsonObject()); }
    // The service's data folder: files/ under it is served at /files/.
    QString dataPath() const { return m_data.path(); }

    QString base;

private:
    QTemporaryDir m_data;
    QProcess m_process;
};

struct Reply
{
    int status = 0;
    QByteArray body;
    QList<QByteArray> setCookies;

    QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
    // The "name=value" of a Set-Cookie header.
    QByteArray cookieValue(const QByteArray &name) const
    {
        for (const QByteArray &line : setCookies) {
            if (line.startsWith(name + '='))
                return line.mid(name.size() + 1, line.indexOf(';') - name.size() - 1);
        }
        return QByteArray();
    }
};

// Plain requests to the service, outside the classes under test.
inline Reply send(const QString &method, const QString &url, const QByteArray &body = QByteArray(),
                  const QByteArray &type = QByteArray(), const QByteArray &cookie = QByteArray())
{
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    if (!type.isEmpty())
        request.setHeader(QNetworkRequest::ContentTypeHeader, type);
    if (!cookie.isEmpty())
        request.setRawHeader("Cookie", cookie);
    QNetworkReply *reply = method == QLatin1String("GET") ? manager.get(request) : manager.post(request, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(15000, &loop, &QEventLoop::quit);
    loop.exec();
    Reply result;
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.body = reply->readAll();
    for (const auto &header : reply->rawHeaderPairs()) {
        if (header.first.toLower() == "set-cookie")
            result.setCookies += header.second.split('\n');
    }
    delete reply;
    return result;
}

// Signs the demo account in as another device would; returns the publishing
// site's session cookie value.
inline QByteArray signInAsDevice(const Service &service, const QString &deviceId)
{
    using namespace LWServiceProtocol;
    const QString token = makeToken(QDateTime::currentMSecsSinceEpoch(), deviceId);
    QUrlQuery form;
    form.addQueryItem(QStringLiteral("username"), kDemoUser);
    form.addQueryItem(QStringLiteral("password"), maskText(kDemoPassword));
    form.addQueryItem(QStringLiteral("device_id"), deviceId);
    form.addQueryItem(QStringLiteral("device_platform"), QStringLiteral("Windows"));
    form.addQueryItem(QStringLiteral("type"), QStringLiteral("studio"));
    form.addQueryItem(QStringLiteral("token"), token);
    form.addQueryItem(QStringLiteral("random"), makeRandom(42));
    const Reply reply = send(QStringLiteral("POST"), service.base + QStringLiteral("/effect/api/user/login"),
                             form.toString(QUrl::FullyEncoded).toUtf8(), "application/x-www-form-urlencoded");
    return reply.cookieValue(kSessionCookie);
}

// The enterprise sign-on cookie of the demo account.
inline QByteArray ssoCookie(const Service &service)
{
    const QJsonObject body{{QStringLiteral("username"), kDemoUser}, {QStringLiteral("password"), kDemoPassword}};
    const Reply reply = send(QStringLiteral("POST"), service.base + QStringLiteral("/sso/api/login"),
                             QJsonDocument(body).toJson(), "application/json");
    return reply.cookieValue(LWServiceProtocol::kSsoCookie);
}

struct StoredCookie
{
    QString host;
    QString name;
    QByteArray value;
    qint64 expiresUtc = 0; // web engine time: microseconds since 1601
    bool secure = false;
};

// A cookie store with the table of the web engine shipped here, or with
// the older column names ("secure", "httponly") when oldColumns is set.
inline bool writeCookieStore(const QString &path, const QList<StoredCookie> &cookies, bool oldColumns = false)
{
    QFile::remove(path);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("testCookieWriter"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            const QString secure = oldColumns ? QStringLiteral("secure") : QStringLiteral("is_secure");
            const QString httpOnly = oldColumns ? QStringLiteral("httponly") : QStringLiteral("is_httponly");
            ok = query.exec(QStringLiteral("CREATE TABLE cookies(creation_utc INTEGER NOT NULL, host_key TEXT NOT NULL,"
                                           " name TEXT NOT NULL, value TEXT NOT NULL, path TEXT NOT NULL,"
                                           " expires_utc INTEGER NOT NULL, %1 INTEGER NOT NULL, %2 INTEGER NOT NULL,"
                                           " last_access_utc INTEGER NOT NULL, encrypted_value BLOB DEFAULT '')")
                                .arg(secure, httpOnly));
            for (const StoredCookie &c : cookies) {
                query.prepare(QStringLiteral("INSERT INTO cookies VALUES (1, ?, ?, ?, '/', ?, ?, 1, 1, '')"));
                query.addBindValue(c.host);
                query.addBindValue(c.name);
                query.addBindValue(QString::fromLatin1(c.value));
                query.addBindValue(c.expiresUtc);
                query.addBindValue(c.secure ? 1 : 0);
                ok = query.exec() && ok;
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("testCookieWriter"));
    return ok;
}

// A file the service takes for a zip package, of exactly size bytes.
inline bool writePackage(const QString &path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray bytes("PK\x03\x04", 4);
    bytes.append(QByteArray(int(size) - 4, 'z'));
    return file.write(bytes) == size;
}

template <typename Predicate>
bool waitUntil(Predicate done, int ms = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

} // namespace LWOnlineTest
