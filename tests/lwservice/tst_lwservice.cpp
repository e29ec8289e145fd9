// lwservice as a child process on 127.0.0.1: every service area through
// its happy path and its refusals, the HTTP layer against malformed and
// oversized requests, fault injection, and data that outlives a restart.
// All traffic goes to 127.0.0.1 only.
#include "LWTestMain.h"
#include "online/LWServiceProtocol.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QHttpMultiPart>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPasswordDigestor>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUuid>

#include <memory>
#include <vector>

#include <sodium.h>
#include <sys/stat.h>

using namespace LWServiceProtocol;

namespace {

const QString kDemoUser = QStringLiteral("demo");
const QString kDemoPassword = QStringLiteral("glowsmith-demo");
const QString kDemoPhone = QStringLiteral("10000000000");
const QString kDeviceA = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
const QString kDeviceB = QStringLiteral("FEDCBA9876543210FEDCBA9876543210");

// A running lwservice on a folder of its own.
class Service
{
public:
    ~Service() { stop(); }

    bool start(const QString &dataDir)
    {
        m_dataDir = dataDir;
        m_process.setProgram(QStringLiteral(LWSERVICE_PATH));
        m_process.setArguments({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--data"), dataDir});
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return false;
        QElapsedTimer clock;
        clock.start();
        while (!m_process.canReadLine() && clock.elapsed() < 20000)
            m_process.waitForReadyRead(200);
        m_firstLine = QString::fromUtf8(m_process.readLine()).trimmed();
        const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^listening on 127\\.0\\.0\\.1:(\\d+)$")).match(m_firstLine);
        if (!match.hasMatch())
            return false;
        port = match.captured(1).toUShort();
        base = QStringLiteral("http://127.0.0.1:%1").arg(port);
        return port != 0;
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

    bool running() const { return m_process.state() == QProcess::Running; }
    // "VmRSS" (resident now) or "VmHWM" (the peak so far) of the service, in KiB.
    qint64 memoryKiB(const char *field = "VmRSS") const
    {
        QFile status(QStringLiteral("/proc/%1/status").arg(m_process.processId()));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith(QByteArray(field) + ':'))
                return line.mid(int(qstrlen(field)) + 1).trimmed().split(' ').value(0).toLongLong();
        }
        return -1;
    }
    QString firstLine() const { return m_firstLine; }
    // Everything the service wrote so far, on both channels.
    QByteArray output()
    {
        m_output += m_process.readAllStandardOutput() + m_process.readAllStandardError();
        return m_firstLine.toUtf8() + '\n' + m_output;
    }
    QString dataDir() const { return m_dataDir; }

    quint16 port = 0;
    QString base;

private:
    QProcess m_process;
    QString m_dataDir;
    QString m_firstLine;
    QByteArray m_output;
};

struct Reply
{
    int status = 0;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    QByteArray body;
    QList<QNetworkReply::RawHeaderPair> headers;

    QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
    int code() const { return json().value(QStringLiteral("status_code")).toInt(-12345); }
    QString message() const { return json().value(QStringLiteral("message")).toString(); }
    QJsonObject data() const { return json().value(QStringLiteral("data")).toObject(); }
    QByteArray header(const QByteArray &name) const
    {
        for (const auto &h : headers) {
            if (h.first.toLower() == name.toLower())
                return h.second;
        }
        return QByteArray();
    }
    // "name=value" of a Set-Cookie header, ready for a Cookie header.
    QByteArray cookie(const QByteArray &name) const
    {
        for (const auto &h : headers) {
            if (h.first.toLower() != "set-cookie")
                continue;
            for (const QByteArray &line : h.second.split('\n')) {
                if (line.startsWith(name + '='))
                    return line.left(line.indexOf(';'));
            }
        }
        return QByteArray();
    }
};

struct FormPart
{
    QByteArray disposition;
    QByteArray body;
    QByteArray contentType;
};

} // namespace

Q_DECLARE_METATYPE(QList<FormPart>)

namespace {

// Cookies are passed by hand in these tests, so which session a request
// carries is always visible; this jar keeps nothing.
class NoCookieJar : public QNetworkCookieJar
{
public:
    bool setCookiesFromUrl(const QList<QNetworkCookie> &, const QUrl &) override { return false; }
};

class Client
{
public:
    Client()
    {
        // Never through a proxy: the only peer is the local service.
        m_manager.setProxy(QNetworkProxy::NoProxy);
        m_manager.setCookieJar(new NoCookieJar); // owned by the manager
    }

    Reply get(const QString &url, const QByteArray &cookie = QByteArray())
    {
        QNetworkRequest request{QUrl(url)};
        if (!cookie.isEmpty())
            request.setRawHeader("Cookie", cookie);
        return wait(m_manager.get(request));
    }

    Reply post(const QString &url, const QByteArray &body, const QByteArray &type, const QByteArray &cookie = QByteArray())
    {
        QNetworkRequest request{QUrl(url)};
        request.setHeader(QNetworkRequest::ContentTypeHeader, type);
        request.setRawHeader(kUserAgentHeader, kUserAgent);
        if (!cookie.isEmpty())
            request.setRawHeader("Cookie", cookie);
        return wait(m_manager.post(request, body));
    }

    Reply postJson(const QString &url, const QJsonObject &object, const QByteArray &cookie = QByteArray())
    {
        return post(url, QJsonDocument(object).toJson(), kJsonContentType, cookie);
    }

    // Parts are written the way the editor writes them, raw dispositions
    // included ("fileName", "mimeType").
    Reply postMultipart(const QString &url, const QList<FormPart> &parts, const QByteArray &cookie = QByteArray())
    {
        auto *multi = new QHttpMultiPart(QHttpMultiPart::FormDataType);
        for (const FormPart &p : parts) {
            QHttpPart part;
            part.setRawHeader("Content-Disposition", p.disposition);
            if (!p.contentType.isEmpty())
                part.setRawHeader("Content-Type", p.contentType);
            part.setRawHeader(kContentIdHeader, kContentIdValue);
            part.setBody(p.body);
            multi->append(part);
        }
        QNetworkRequest request{QUrl(url)};
        if (!cookie.isEmpty())
            request.setRawHeader("Cookie", cookie);
        QNetworkReply *reply = m_manager.post(request, multi);
        multi->setParent(reply);
        return wait(reply);
    }

private:
    Reply wait(QNetworkReply *reply)
    {
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        loop.exec();
        Reply r;
        if (!reply->isFinished()) {
            reply->abort();
            r.error = QNetworkReply::TimeoutError;
        } else {
            r.error = reply->error();
        }
        r.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        r.body = reply->readAll();
        r.headers = reply->rawHeaderPairs();
        reply->deleteLater();
        return r;
    }

    QNetworkAccessManager m_manager;
};

// Writes raw bytes on a fresh connection and collects everything until the
// service closes it or the time runs out.
QByteArray rawExchange(quint16 port, const QByteArray &request, int waitMs = 5000)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(5000))
        return QByteArray();
    socket.write(request);
    socket.flush();
    QByteArray received;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < waitMs) {
        if (socket.waitForReadyRead(100))
            received += socket.readAll();
        if (socket.state() != QAbstractSocket::ConnectedState) {
            received += socket.readAll();
            break;
        }
    }
    return received;
}

QByteArray fakeZip(int size)
{
    QByteArray bytes("PK\x03\x04", 4);
    bytes += QByteArray(qMax(0, size - 4), 'z');
    return bytes;
}

QByteArray fakePng(int size)
{
    QByteArray bytes("\x89PNG\r\n\x1a\n", 8);
    bytes += QByteArray(qMax(0, size - 8), '\0');
    return bytes;
}

QByteArray md5(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

// The editor's form body: pairs joined as they are, without encoding.
QByteArray rawForm(const QList<QPair<QString, QString>> &pairs)
{
    QStringList joined;
    for (const auto &p : pairs)
        joined << p.first + QLatin1Char('=') + p.second;
    return joined.join(QLatin1Char('&')).toUtf8();
}

QByteArray loginBody(const QString &user, const QString &password, const QString &device)
{
    return rawForm({{QStringLiteral("username"), user},
                    {QStringLiteral("password"), maskText(password)},
                    {QStringLiteral("device_id"), device},
                    {QStringLiteral("device_platform"), QLatin1String(kDevicePlatform)},
                    {QStringLiteral("type"), QLatin1String(kClientType)},
                    {QStringLiteral("token"), makeToken(QDateTime::currentMSecsSinceEpoch(), device)},
                    {QStringLiteral("random"), makeRandom(42)}});
}

QString infoQuery(const QString &device, const QString &token)
{
    return QString(QStringLiteral("device_id=") + device + QStringLiteral("&device_platform=Windows&type=studio&token=") + token
                   + QStringLiteral("&random=") + makeRandom(7));
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

FormPart field(const QString &name, const QByteArray &value)
{
    return {"form-data; name=\"" + name.toUtf8() + "\"", value, QByteArray()};
}

FormPart package(const QByteArray &bytes)
{
    return {"form-data; name=\"file\"; fileName=\"effectupload.zip\"; mimeType=\"zip\"", bytes, QByteArray()};
}

} // namespace

class TstLwService : public QObject
{
    Q_OBJECT

private:
    QString url(const QString &path) const { return m_service.base + path; }

    QByteArray signInCookie(const QString &device = kDeviceA)
    {
        const Reply r = m_client.post(url(QStringLiteral("/effect/api/user/login")), loginBody(kDemoUser, kDemoPassword, device),
                                      kFormContentType);
        return r.code() == kStatusOk ? r.cookie(kSessionCookie) : QByteArray();
    }

    // A second account, "other", put into the database; its single sign-on
    // cookie, which the publishing site takes too.
    QByteArray otherAccountCookie()
    {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            db.setDatabaseName(m_dataDir.filePath(QStringLiteral("lwservice.sqlite")));
            if (!db.open())
                return QByteArray();
            const QByteArray salt(16, 'o');
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral("INSERT OR IGNORE INTO accounts (name, display_name, salt, hash, iterations, created)"
                                          " VALUES ('other', 'Other', ?, ?, 1000, 0)"));
            insert.addBindValue(salt);
            insert.addBindValue(QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, "other-password", salt, 1000, 32));
            insert.exec();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        return m_client.postJson(url(QStringLiteral("/sso/api/login")), {{"username", "other"}, {"password", "other-password"}})
            .cookie(kSsoCookie);
    }

    Reply accountInfo(const QString &device, const QByteArray &cookie = QByteArray())
    {
        m_lastToken = makeToken(QDateTime::currentMSecsSinceEpoch(), device);
        return m_client.get(url(QStringLiteral("/effect/api/user/info?") + infoQuery(device, m_lastToken)), cookie);
    }

    QString feedbackQuery(const QString &device, const QString &appKey = QLatin1String(kFeedbackAppKey)) const
    {
        return QString(QStringLiteral("app_name=lumeworks&channel=update&device_id=") + device + QStringLiteral("&aid=")
                       + QString::number(kAnalyticsAppId) + QStringLiteral("&appkey=") + appKey + QStringLiteral("&ac=wifi&"));
    }

    void setConfig(const QJsonObject &root)
    {
        QVERIFY(writeFile(m_dataDir.filePath(QStringLiteral("config.json")), QJsonDocument(root).toJson()));
    }

    QTemporaryDir m_dataDir;
    Service m_service;
    Client m_client;
    QString m_lastToken;
    QJsonObject m_defaultConfig;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dataDir.isValid());
        QVERIFY2(m_service.start(m_dataDir.path()), qPrintable(m_service.firstLine()));
        m_defaultConfig = QJsonDocument::fromJson([this] {
                              QFile f(m_dataDir.filePath(QStringLiteral("config.json")));
                              return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
                          }()).object();
        QVERIFY(m_defaultConfig.contains(QStringLiteral("update")));
    }

    void init()
    {
        // Each test starts from the configuration the service wrote itself.
        setConfig(m_defaultConfig);
    }

    // ---- start-up ---------------------------------------------------------

    void startsOnLoopbackAndServesIndex()
    {
        QVERIFY(m_service.port != 0);
        const Reply r = m_client.get(url(QStringLiteral("/")));
        QCOMPARE(r.status, 200);
        QVERIFY(r.header("Content-Type").startsWith("text/html"));
        QVERIFY(QFileInfo(m_dataDir.filePath(QStringLiteral("lwservice.sqlite"))).isFile());
    }

    void dataFolderIsTheOwnersOnly()
    {
        // A folder made world-readable before, then used: everything in it
        // ends up the owner's alone.
        QTemporaryDir dir;
        const QString data = dir.filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(data + QStringLiteral("/files/update")));
        QVERIFY(writeFile(data + QStringLiteral("/files/update/GlowsmithSetup"), "old installer"));
        const QFileDevice::Permissions open = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
            | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
        QVERIFY(QFile::setPermissions(data, open));
        QVERIFY(QFile::setPermissions(data + QStringLiteral("/files/update/GlowsmithSetup"), open));
        Service service;
        QVERIFY(service.start(data));
        const QByteArray cookie = m_client.post(service.base + QStringLiteral("/effect/api/user/login"),
                                                loginBody(kDemoUser, kDemoPassword, kDeviceA), kFormContentType)
                                      .cookie(kSessionCookie);
        QVERIFY(!cookie.isEmpty());
        QCOMPARE(m_client.postMultipart(service.base + QLatin1String(kPathPhoneUpload),
                                        {{"form-data; name=\"files[]\"; filename=\"a.zip\"", fakeZip(100), QByteArray()}})
                     .code(),
                 kStatusOk);
        QCOMPARE(m_client.postMultipart(service.base + QLatin1String(kPathSubmit), {package(fakeZip(100)), field("name", "Mine")}, cookie)
                     .code(),
                 kStatusOk);
        const auto mode = [](const QString &path) {
            struct stat st;
            return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
        };
        QCOMPARE(mode(data), 0700);
        int files = 0;
        QDirIterator it(data, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const bool folder = it.fileInfo().isDir();
            files += folder ? 0 : 1;
            QVERIFY2(mode(path) == (folder ? 0700 : 0600), qPrintable(path + QStringLiteral(" %1").arg(mode(path), 0, 8)));
        }
        QVERIFY(files >= 5); // database, configuration, installer, package, effect
    }

    void refusesBadCommandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("complaint");
        const QString data = QDir::tempPath() + QStringLiteral("/lwservice-refused");
        QTest::newRow("any IPv4") << QStringList{"--port", "0", "--data", data, "--listen", "0.0.0.0"} << "not a loopback address";
        QTest::newRow("any IPv6") << QStringList{"--port", "0", "--data", data, "--listen", "::"} << "not a loopback address";
        QTest::newRow("network address") << QStringList{"--port", "0", "--data", data, "--listen", "192.0.2.10"}
                                         << "not a loopback address";
        QTest::newRow("not an address") << QStringList{"--port", "0", "--data", data, "--listen", "nonsense"} << "needs an IP address";
        QTest::newRow("port too big") << QStringList{"--port", "70000", "--data", data} << "--port";
        QTest::newRow("port not a number") << QStringList{"--port", "abc", "--data", data} << "--port";
        QTest::newRow("no data folder") << QStringList{"--port", "0"} << "--data";
    }
    void refusesBadCommandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, complaint);
        QProcess process;
        process.start(QStringLiteral(LWSERVICE_PATH), arguments);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 2);
        QVERIFY(!process.readAllStandardOutput().contains("listening"));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.contains(complaint), qPrintable(err));
    }

    // ---- accounts ---------------------------------------------------------

    void signIn_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("maskedPassword");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("random");
        QTest::addColumn<int>("httpStatus");
        QTest::addColumn<int>("code");
        const QString good = maskText(kDemoPassword);
        const QString token = makeToken(1700000000000, kDeviceA);
        const QString random = makeRandom(55);
        QTest::newRow("right") << kDemoUser << good << kDeviceA << token << random << 200 << kStatusOk;
        QTest::newRow("lower-case device id") << kDemoUser << good << kDeviceA.toLower() << token << random << 200 << kStatusOk;
        QTest::newRow("wrong password") << kDemoUser << maskText(QStringLiteral("nope")) << kDeviceA << token << random << 200
                                        << kStatusBadCredentials;
        QTest::newRow("unknown account") << QStringLiteral("nobody") << good << kDeviceA << token << random << 200
                                         << kStatusBadCredentials;
        QTest::newRow("clear-text password") << kDemoUser << kDemoPassword << kDeviceA << token << random << 400 << kStatusBadRequest;
        QTest::newRow("no account name") << QString() << good << kDeviceA << token << random << 400 << kStatusBadRequest;
        QTest::newRow("token of another device") << kDemoUser << good << kDeviceA << makeToken(1700000000000, kDeviceB) << random
                                                 << 400 << kStatusBadRequest;
        QTest::newRow("forged token") << kDemoUser << good << kDeviceA << QStringLiteral("1700000000000.abc") << random << 400
                                      << kStatusBadRequest;
        QTest::newRow("random out of range") << kDemoUser << good << kDeviceA << token << makeRandom(101) << 400 << kStatusBadRequest;
        QTest::newRow("malformed device id") << kDemoUser << good << QStringLiteral("not-hex!") << token << random << 400
                                             << kStatusBadRequest;
    }
    void signIn()
    {
        QFETCH(QString, user);
        QFETCH(QString, maskedPassword);
        QFETCH(QString, device);
        QFETCH(QString, token);
        QFETCH(QString, random);
        QFETCH(int, httpStatus);
        QFETCH(int, code);
        const QByteArray body = rawForm({{"username", user}, {"password", maskedPassword}, {"device_id", device},
                                         {"device_platform", "Windows"}, {"type", "studio"}, {"token", token}, {"random", random}});
        const Reply r = m_client.post(url(QStringLiteral("/effect/api/user/login")), body, kFormContentType);
        QCOMPARE(r.status, httpStatus);
        QCOMPARE(r.code(), code);
        if (code == kStatusOk) {
            QVERIFY(accessTokenMatches(r.data().value(QStringLiteral("access_token")).toString(), token, device));
            QVERIFY(!r.cookie(kSessionCookie).isEmpty());
        } else {
            QVERIFY(r.cookie(kSessionCookie).isEmpty());
        }
    }

    void accountCheckReportsTakeover()
    {
        QVERIFY(!signInCookie(kDeviceA).isEmpty());
        Reply r = accountInfo(kDeviceA);
        QCOMPARE(r.code(), kStatusOk);
        QVERIFY(accessTokenMatches(r.data().value(QStringLiteral("access_token")).toString(), m_lastToken, kDeviceA));
        QCOMPARE(r.data().value(QStringLiteral("user")).toObject().value(QStringLiteral("name")).toString(), kDemoUser);

        QCOMPARE(accountInfo(QStringLiteral("00000000000000000000000000000000")).code(), kStatusNotSignedIn);

        // The same account on another device takes over the first one.
        QVERIFY(!signInCookie(kDeviceB).isEmpty());
        r = accountInfo(kDeviceA);
        QCOMPARE(r.code(), kStatusTakenOver);
        QCOMPARE(r.message(), QString::fromUtf8("账号在其他客户端登陆"));
        QVERIFY(!r.data().contains(QStringLiteral("access_token")));
        QCOMPARE(accountInfo(kDeviceB).code(), kStatusOk);

        // The check itself is refused when its parameters are not the protocol's.
        r = m_client.get(url(QStringLiteral("/effect/api/user/info?") + infoQuery(kDeviceB, QStringLiteral("1.bad"))));
        QCOMPARE(r.status, 400);
        QCOMPARE(r.code(), kStatusBadRequest);
    }

    void repeatedFailuresLockTheAccount()
    {
        // A service of its own: the lock would disturb the other tests.
        QTemporaryDir dir;
        Service service;
        QVERIFY(service.start(dir.path()));
        const QString login = service.base + QStringLiteral("/effect/api/user/login");
        for (int i = 1; i < 10; ++i)
            QCOMPARE(m_client.post(login, loginBody(kDemoUser, QStringLiteral("wrong"), kDeviceA), kFormContentType).code(),
                     kStatusBadCredentials);
        QCOMPARE(m_client.post(login, loginBody(kDemoUser, QStringLiteral("wrong"), kDeviceA), kFormContentType).code(),
                 kStatusLocked);
        QCOMPARE(m_client.post(login, loginBody(kDemoUser, kDemoPassword, kDeviceA), kFormContentType).code(), kStatusLocked);
    }

    void secretsAreStoredHashed()
    {
        const QByteArray cookie = signInCookie();
        QVERIFY(!cookie.isEmpty());
        const QByteArray cookieValue = cookie.mid(cookie.indexOf('=') + 1);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
            db.setDatabaseName(m_dataDir.filePath(QStringLiteral("lwservice.sqlite")));
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            QVERIFY(db.open());
            for (const QString &table : {QStringLiteral("accounts"), QStringLiteral("sessions")}) {
                QSqlQuery query(QStringLiteral("SELECT * FROM ") + table, db);
                int rows = 0;
                while (query.next()) {
                    ++rows;
                    for (int i = 0; i < query.record().count(); ++i) {
                        const QByteArray value = query.value(i).toByteArray();
                        QVERIFY2(!value.contains(kDemoPassword.toUtf8()), qPrintable(table));
                        QVERIFY2(!value.contains(cookieValue), qPrintable(table));
                    }
                }
                QVERIFY(rows > 0);
            }
            QSqlQuery account(QStringLiteral("SELECT salt, hash FROM accounts WHERE name = 'demo'"), db);
            QVERIFY(account.next());
            QCOMPARE(account.value(0).toByteArray().size(), 16);
            QCOMPARE(account.value(1).toByteArray().size(), 32);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("peek"));
    }

    void signInDoesNotHoldUpOthers()
    {
        // An account whose key derivation takes about two seconds: the
        // iteration count is stored with each hash.
        QElapsedTimer clock;
        clock.start();
        QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, "x", "salt", 50000, 32);
        const qint64 iterations = 50000 * 2000 / qMax<qint64>(1, clock.elapsed());
        QTemporaryDir dir;
        Service service;
        QVERIFY(service.start(dir.path()));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("slow"));
            db.setDatabaseName(dir.filePath(QStringLiteral("lwservice.sqlite")));
            QVERIFY(db.open());
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral("INSERT INTO accounts (name, display_name, salt, hash, iterations, created)"
                                          " VALUES ('slow', 'Slow', ?, ?, ?, 0)"));
            insert.addBindValue(QByteArray(16, 's'));
            insert.addBindValue(QByteArray(32, 'h'));
            insert.addBindValue(iterations);
            QVERIFY(insert.exec());
        }
        QSqlDatabase::removeDatabase(QStringLiteral("slow"));

        QNetworkAccessManager manager;
        manager.setProxy(QNetworkProxy::NoProxy);
        QNetworkRequest signIn{QUrl(service.base + QStringLiteral("/sso/api/login"))};
        signIn.setHeader(QNetworkRequest::ContentTypeHeader, kJsonContentType);
        clock.restart();
        QNetworkReply *slow = manager.post(signIn, QJsonDocument(QJsonObject{{"username", "slow"}, {"password", "x"}}).toJson());
        QTest::qWait(300); // the derivation is under way
        QElapsedTimer other;
        other.start();
        QNetworkReply *quick = manager.get(QNetworkRequest(QUrl(service.base + QStringLiteral("/api/material/preview?count=1"))));
        QTRY_VERIFY_WITH_TIMEOUT(quick->isFinished(), 10000);
        const qint64 quickMs = other.elapsed();
        QVERIFY(!slow->isFinished());
        QTRY_VERIFY_WITH_TIMEOUT(slow->isFinished(), 20000);
        const qint64 slowMs = clock.elapsed();
        qInfo("a sign-in taking %lld ms; a request sent meanwhile was answered in %lld ms", static_cast<long long>(slowMs),
              static_cast<long long>(quickMs));
        QCOMPARE(QJsonDocument::fromJson(quick->readAll()).object().value(QStringLiteral("status_code")).toInt(), kStatusOk);
        QCOMPARE(QJsonDocument::fromJson(slow->readAll()).object().value(QStringLiteral("status_code")).toInt(), kStatusBadCredentials);
        QVERIFY2(quickMs < 500, qPrintable(QString::number(quickMs)));
        delete quick;
        delete slow;
    }

    void simultaneousFailuresStillLock()
    {
        // Eight wrong passwords at once, each counted: two more lock.
        QTemporaryDir dir;
        Service service;
        QVERIFY(service.start(dir.path()));
        const QByteArray body = QJsonDocument(QJsonObject{{"username", kDemoUser}, {"password", "wrong"}}).toJson(QJsonDocument::Compact);
        const QByteArray request = "POST /sso/api/login HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\nContent-Type: "
                                   "application/json\r\nContent-Length: "
            + QByteArray::number(body.size()) + "\r\n\r\n" + body;
        std::vector<std::unique_ptr<QTcpSocket>> attempts;
        for (int i = 0; i < 8; ++i) {
            attempts.push_back(std::make_unique<QTcpSocket>());
            attempts.back()->connectToHost(QStringLiteral("127.0.0.1"), service.port);
            QVERIFY(attempts.back()->waitForConnected(5000));
        }
        for (const auto &socket : attempts) {
            socket->write(request);
            socket->flush();
        }
        for (const auto &socket : attempts) {
            QByteArray reply;
            while (socket->state() == QAbstractSocket::ConnectedState && socket->waitForReadyRead(10000))
                reply += socket->readAll();
            reply += socket->readAll();
            QVERIFY2(reply.contains("\"status_code\":1001"), reply.constData());
        }
        const QString ssoLogin = service.base + QStringLiteral("/sso/api/login");
        QCOMPARE(m_client.postJson(ssoLogin, {{"username", kDemoUser}, {"password", "wrong"}}).code(), kStatusBadCredentials);
        QCOMPARE(m_client.postJson(ssoLogin, {{"username", kDemoUser}, {"password", "wrong"}}).code(), kStatusLocked);
        QCOMPARE(m_client.postJson(ssoLogin, {{"username", kDemoUser}, {"password", kDemoPassword}}).code(), kStatusLocked);
    }

    void phoneSignInOnThePublishingSite()
    {
        const QString sendCode = url(QStringLiteral("/api/user/sendCode"));
        const QString login = url(QStringLiteral("/api/user/phoneLogin"));
        QCOMPARE(m_client.postJson(sendCode, {}).status, 400);

        Reply r = m_client.postJson(sendCode, {{"phone", kDemoPhone}});
        QCOMPARE(r.code(), kStatusOk);
        const QString code = r.data().value(QStringLiteral("code")).toString();
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{6}$")).match(code).hasMatch());

        const QString wrong = code == QLatin1String("000000") ? QStringLiteral("111111") : QStringLiteral("000000");
        QCOMPARE(m_client.postJson(login, {{"phone", kDemoPhone}, {"code", wrong}}).code(), kStatusBadCredentials);
        r = m_client.postJson(login, {{"phone", kDemoPhone}, {"code", code}});
        QCOMPARE(r.code(), kStatusOk);
        const QByteArray cookie = r.cookie(kSessionCookie);
        QVERIFY(!cookie.isEmpty());
        QCOMPARE(m_client.postJson(login, {{"phone", kDemoPhone}, {"code", code}}).code(), kStatusBadCredentials); // used up

        r = m_client.get(url(QLatin1String(kPathPublicUserInfo)), cookie);
        QCOMPARE(r.code(), kStatusOk);
        QCOMPARE(r.data().value(QStringLiteral("name")).toString(), kDemoUser);
        r = m_client.get(url(QLatin1String(kPathPublicUserInfo)));
        QCOMPARE(r.code(), kStatusNotSignedIn);
        QCOMPARE(r.message(), notSignedInMessage());

        QCOMPARE(m_client.post(url(QStringLiteral("/api/user/logout")), QByteArray(), kFormContentType, cookie).code(), kStatusOk);
        QCOMPARE(m_client.get(url(QLatin1String(kPathPublicUserInfo)), cookie).code(), kStatusNotSignedIn);
    }

    void signInCodesTellNoAccountsApart()
    {
        // The same reply, field for field, for a number with an account and
        // one without; a code for the latter signs nobody in.
        const QString sendCode = url(QStringLiteral("/api/user/sendCode"));
        const auto shape = [](QJsonObject reply) {
            QJsonObject data = reply.value(QStringLiteral("data")).toObject();
            data.remove(QStringLiteral("code"));
            reply.insert(QStringLiteral("data"), data);
            return reply;
        };
        const Reply known = m_client.postJson(sendCode, {{"phone", kDemoPhone}});
        const Reply unknown = m_client.postJson(sendCode, {{"phone", "19999999999"}});
        QCOMPARE(known.status, unknown.status);
        QCOMPARE(shape(unknown.json()), shape(known.json()));
        QCOMPARE(unknown.data().keys(), known.data().keys());
        const Reply r = m_client.postJson(url(QStringLiteral("/api/user/phoneLogin")),
                                          {{"phone", "19999999999"}, {"code", unknown.data().value(QStringLiteral("code")).toString()}});
        QCOMPARE(r.code(), kStatusBadCredentials);
        QVERIFY(r.cookie(kSessionCookie).isEmpty());
        QCOMPARE(m_client.postJson(sendCode, {{"phone", "not a number"}}).status, 400);
    }

    void signInsAndCodesAreRateLimited()
    {
        QTemporaryDir dir;
        Service service; // of its own: the limits would hold up the other tests
        QVERIFY(service.start(dir.path()));
        const QString sendCode = service.base + QStringLiteral("/api/user/sendCode");
        const QString phoneLogin = service.base + QStringLiteral("/api/user/phoneLogin");
        // Five codes an hour for one number, then twenty for one peer.
        for (int i = 0; i < 5; ++i)
            QCOMPARE(m_client.postJson(sendCode, {{"phone", kDemoPhone}}).code(), kStatusOk);
        QCOMPARE(m_client.postJson(sendCode, {{"phone", kDemoPhone}}).code(), kStatusLocked);
        for (int i = 0; i < 15; ++i)
            QCOMPARE(m_client.postJson(sendCode, {{"phone", QStringLiteral("1380000%1").arg(i, 4, 10, QLatin1Char('0'))}}).code(), kStatusOk);
        QCOMPARE(m_client.postJson(sendCode, {{"phone", "13900000000"}}).code(), kStatusLocked);

        // Ten wrong codes for one number stop its sign-ins, right code or not.
        for (int i = 0; i < 10; ++i)
            QCOMPARE(m_client.postJson(phoneLogin, {{"phone", kDemoPhone}, {"code", "000000"}}).code(), kStatusBadCredentials);
        QCOMPARE(m_client.postJson(phoneLogin, {{"phone", kDemoPhone}, {"code", "000000"}}).code(), kStatusLocked);

        // Twenty failures from one peer, over any accounts, stop its sign-ins.
        const QString ssoLogin = service.base + QStringLiteral("/sso/api/login");
        for (int i = 0; i < 10; ++i)
            QCOMPARE(m_client.postJson(ssoLogin, {{"username", QStringLiteral("guess%1").arg(i)}, {"password", "x"}}).code(),
                     kStatusBadCredentials);
        QCOMPARE(m_client.postJson(ssoLogin, {{"username", kDemoUser}, {"password", kDemoPassword}}).code(), kStatusLocked);
        QCOMPARE(m_client.post(service.base + QStringLiteral("/effect/api/user/login"), loginBody(kDemoUser, kDemoPassword, kDeviceA),
                               kFormContentType)
                     .code(),
                 kStatusLocked);
    }

    void enterpriseSingleSignOn()
    {
        Reply r = m_client.get(url(QLatin1String(kPathSsoSite)));
        QCOMPARE(r.status, 302);
        QCOMPARE(r.header("Location"), QByteArray("/sso/login"));

        const QString ssoLogin = url(QStringLiteral("/sso/api/login"));
        QCOMPARE(m_client.postJson(ssoLogin, {{"username", kDemoUser}, {"password", "wrong"}}).code(), kStatusBadCredentials);
        r = m_client.postJson(ssoLogin, {{"username", kDemoUser}, {"password", kDemoPassword}});
        QCOMPARE(r.code(), kStatusOk);
        const QByteArray first = r.cookie(kSsoCookie);
        QVERIFY(!first.isEmpty());

        r = m_client.get(url(QLatin1String(kPathSsoSite)), first);
        QCOMPARE(r.status, 200);
        QVERIFY(r.header("Content-Type").startsWith("text/html"));
        r = accountInfo(kDeviceA, first);
        QCOMPARE(r.code(), kStatusOk);
        QVERIFY(accessTokenMatches(r.data().value(QStringLiteral("access_token")).toString(), m_lastToken, kDeviceA));

        // A second single sign-on of the account takes over the first.
        const QByteArray second = m_client.postJson(ssoLogin, {{"username", kDemoUser}, {"password", kDemoPassword}}).cookie(kSsoCookie);
        QCOMPARE(accountInfo(kDeviceA, first).code(), kStatusTakenOver);
        QCOMPARE(accountInfo(kDeviceA, second).code(), kStatusOk);

        const QString logout = url(QStringLiteral("/effect/api/user/logout"));
        QCOMPARE(m_client.post(logout, QByteArray(), kFormContentType, second).code(), kStatusOk);
        QCOMPARE(accountInfo(kDeviceA, second).code(), kStatusNotSignedIn);
        QCOMPARE(m_client.post(logout, QByteArray(), kFormContentType).code(), kStatusNotSignedIn);
    }

    // ---- publishing -------------------------------------------------------

    void iconUpload_data()
    {
        QTest::addColumn<QByteArray>("disposition");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("httpStatus");
        QTest::addColumn<int>("code");
        const QByteArray icon = "form-data; name=\"file\"; fileName=\"effectIcon.png\"";
        QTest::newRow("exactly 40960 bytes") << icon << fakePng(40960) << 200 << kStatusOk;
        QTest::newRow("one byte more") << icon << fakePng(40961) << 413 << kStatusTooLarge;
        QTest::newRow("not a PNG") << icon << QByteArray("GIF89a....") << 400 << kStatusBadRequest;
        QTest::newRow("wrong part") << QByteArray("form-data; name=\"image\"; fileName=\"x.png\"") << fakePng(100) << 400
                                    << kStatusBadRequest;
    }
    void iconUpload()
    {
        QFETCH(QByteArray, disposition);
        QFETCH(QByteArray, bytes);
        QFETCH(int, httpStatus);
        QFETCH(int, code);
        const Reply r = m_client.postMultipart(url(QLatin1String(kPathIconUpload)), {{disposition, bytes, "image/png"}});
        QCOMPARE(r.status, httpStatus);
        QCOMPARE(r.code(), code);
        if (code == kStatusOk) {
            const QString uri = r.data().value(QStringLiteral("uri")).toString();
            QVERIFY(uri.startsWith(QLatin1String("/files/icons/")));
            QCOMPARE(m_client.get(url(uri)).body, bytes);
        }
    }

    void submitAndListEarlierEffects()
    {
        const QString submit = url(QLatin1String(kPathSubmit));
        Reply r = m_client.postMultipart(submit, {package(fakeZip(2000)), field("name", "Cat")});
        QCOMPARE(r.status, 200);
        QCOMPARE(r.code(), kStatusNotSignedIn);
        QVERIFY(r.message().contains(QString::fromUtf8("未登录")));

        const QByteArray cookie = signInCookie();
        const QByteArray iconBytes = fakePng(512);
        const QString icon = m_client.postMultipart(url(QLatin1String(kPathIconUpload)),
                                                    {{"form-data; name=\"file\"; fileName=\"effectIcon.png\"", iconBytes, "image/png"}})
                                 .data().value(QStringLiteral("uri")).toString();
        r = m_client.postMultipart(submit,
                                   {package(fakeZip(3000)), field("name", "Cat ears"), field("instructions", "Open your mouth"),
                                    field("subType", "2"), field("icon", icon.toUtf8()), field("description", "Two ears"),
                                    field("type", "1"), field("review", "1")},
                                   cookie);
        QCOMPARE(r.code(), kStatusOk);
        const QString id = r.data().value(QStringLiteral("id")).toString();
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(id).hasMatch());

        r = m_client.get(url(QLatin1String(kPathPreviousEffects)), cookie);
        QCOMPARE(r.code(), kStatusOk);
        QJsonArray effects = r.data().value(QStringLiteral("effects")).toArray();
        QCOMPARE(effects.size(), 1);
        QJsonObject effect = effects.at(0).toObject();
        QCOMPARE(effect.value(QStringLiteral("uuid")).toString(), id);
        QCOMPARE(effect.value(QStringLiteral("name")).toString(), QStringLiteral("Cat ears"));
        QCOMPARE(effect.value(QStringLiteral("stateCode")).toInt(), 1);
        QVERIFY(!effect.value(QStringLiteral("time")).toString().isEmpty());
        const QString iconUrl = effect.value(QStringLiteral("iconUrl")).toObject().value(QStringLiteral("urlList")).toArray().at(0).toString();
        QCOMPARE(m_client.get(iconUrl).body, iconBytes);

        // Replacing keeps the identifier and changes the effect.
        r = m_client.postMultipart(submit, {package(fakeZip(kPackageLimit)), field("name", "Cat ears 2"), field("id", id.toUtf8())},
                                   cookie);
        QCOMPARE(r.code(), kStatusOk);
        QCOMPARE(r.data().value(QStringLiteral("id")).toString(), id);
        effects = m_client.get(url(QLatin1String(kPathPreviousEffects)), cookie).data().value(QStringLiteral("effects")).toArray();
        QCOMPARE(effects.size(), 1);
        QCOMPARE(effects.at(0).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("Cat ears 2"));
        QCOMPARE(effects.at(0).toObject().value(QStringLiteral("stateCode")).toInt(), 0);
        QCOMPARE(m_client.get(url(QLatin1String(kPathPreviousEffects))).code(), kStatusNotSignedIn);
    }

    void submitRefusals_data()
    {
        QTest::addColumn<QList<FormPart>>("parts");
        QTest::addColumn<int>("httpStatus");
        QTest::addColumn<int>("code");
        QTest::newRow("no package") << QList<FormPart>{field("name", "x")} << 400 << kStatusBadRequest;
        QTest::newRow("no name") << QList<FormPart>{package(fakeZip(100))} << 400 << kStatusBadRequest;
        QTest::newRow("not a zip") << QList<FormPart>{package("plain text"), field("name", "x")} << 400 << kStatusBadRequest;
        QTest::newRow("one byte over 5 MB") << QList<FormPart>{package(fakeZip(kPackageLimit + 1)), field("name", "x")} << 413
                                            << kStatusTooLarge;
        QTest::newRow("icon never uploaded") << QList<FormPart>{package(fakeZip(100)), field("name", "x"), field("icon", "/files/icons/x.png")}
                                             << 400 << kStatusBadRequest;
        QTest::newRow("type not a number") << QList<FormPart>{package(fakeZip(100)), field("name", "x"), field("type", "two")} << 400
                                           << kStatusBadRequest;
        QTest::newRow("unknown effect to replace") << QList<FormPart>{package(fakeZip(100)), field("name", "x"), field("id", "ffff")}
                                                   << 404 << kStatusNotFound;
    }
    void submitRefusals()
    {
        QFETCH(QList<FormPart>, parts);
        QFETCH(int, httpStatus);
        QFETCH(int, code);
        const Reply r = m_client.postMultipart(url(QLatin1String(kPathSubmit)), parts, signInCookie());
        QCOMPARE(r.status, httpStatus);
        QCOMPARE(r.code(), code);
    }

    void draftPreviewForThePhone()
    {
        const QString preview = url(QLatin1String(kPathPreview));
        const QByteArray first = fakeZip(1000);
        Reply r = m_client.postMultipart(preview, {package(first), field("name", "Lumeworks"), field("deviceId", kDeviceA.toUtf8())});
        QCOMPARE(r.code(), kStatusOk);
        const QString id = r.data().value(QStringLiteral("id")).toString();
        QVERIFY(!id.isEmpty());

        const QByteArray second = fakeZip(1200);
        r = m_client.postMultipart(preview, {package(second), field("name", "Lumeworks"), field("deviceId", kDeviceA.toUtf8()),
                                             field("id", id.toUtf8())});
        QCOMPARE(r.data().value(QStringLiteral("id")).toString(), id);

        // Another device naming that draft gets a draft of its own.
        r = m_client.postMultipart(preview, {package(fakeZip(900)), field("name", "Lumeworks"), field("deviceId", kDeviceB.toUtf8()),
                                             field("id", id.toUtf8())});
        QVERIFY(r.data().value(QStringLiteral("id")).toString() != id);

        r = m_client.get(url(QStringLiteral("/api/effect/draft?device_id=") + kDeviceA));
        QCOMPARE(r.data().value(QStringLiteral("id")).toString(), id);
        QCOMPARE(r.data().value(QStringLiteral("md5")).toString().toLatin1(), md5(second));
        QCOMPARE(m_client.get(r.data().value(QStringLiteral("url")).toString()).body, second);

        QCOMPARE(m_client.postMultipart(preview, {package(first), field("deviceId", "zz!")}).status, 400);
        QCOMPARE(m_client.get(url(QStringLiteral("/api/effect/draft?device_id=ABCDEF"))).status, 404);
    }

    void pageUploadThenPublish()
    {
        const QString upload = url(QLatin1String(kPathPageUpload));
        const QString publish = url(QStringLiteral("/api/effect/publish"));
        const QByteArray bytes = fakeZip(4096);
        // Not signed in: nothing is kept for anyone to publish.
        QCOMPARE(m_client.postMultipart(upload, {package(bytes)}).code(), kStatusNotSignedIn);

        const QByteArray cookie = signInCookie();
        Reply r = m_client.postMultipart(upload, {package(bytes)}, cookie);
        QCOMPARE(r.code(), kStatusOk);
        const QString id = r.data().value(QStringLiteral("id")).toString();
        QCOMPARE(r.data().value(QStringLiteral("size")).toInt(), bytes.size());

        QCOMPARE(m_client.postJson(publish, {{"id", id}, {"name", "From page"}}).code(), kStatusNotSignedIn);
        // Another account that learnt the id cannot publish it.
        const QByteArray other = otherAccountCookie();
        QVERIFY(!other.isEmpty());
        QCOMPARE(m_client.postJson(publish, {{"id", id}, {"name", "Taken"}}, other).code(), kStatusNotFound);
        QCOMPARE(m_client.postJson(publish, {{"id", id}}, cookie).status, 400);
        r = m_client.postJson(publish, {{"id", id}, {"name", "From page"}, {"description", "via the bridge"}}, cookie);
        QCOMPARE(r.code(), kStatusOk);
        QCOMPARE(m_client.postJson(publish, {{"id", id}, {"name", "Again"}}, cookie).code(), kStatusNotFound);

        const QJsonArray effects = m_client.get(url(QLatin1String(kPathPreviousEffects)), cookie).data().value(QStringLiteral("effects")).toArray();
        bool found = false;
        for (const QJsonValue &e : effects)
            found = found || e.toObject().value(QStringLiteral("name")).toString() == QLatin1String("From page");
        QVERIFY(found);
        const QJsonArray theirs = m_client.get(url(QLatin1String(kPathPreviousEffects)), other).data().value(QStringLiteral("effects")).toArray();
        QVERIFY(theirs.isEmpty());
    }

    // ---- pages ------------------------------------------------------------

    void pagesAreServed_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("mark");
        QTest::newRow("index") << "/" << QByteArray("text/html") << QByteArray("/upload");
        QTest::newRow("site sign-in") << "/site/studio/login" << QByteArray("text/html") << QByteArray("activity=login");
        QTest::newRow("site upload") << "/site/studio/upload" << QByteArray("text/html") << QByteArray("bridge.uploadEffect");
        QTest::newRow("my effects") << "/site/effects" << QByteArray("text/html") << QByteArray("previousEffects");
        QTest::newRow("tutorial") << "/site/tutorial" << QByteArray("text/html") << QByteArray("<ol");
        QTest::newRow("sso sign-in") << "/sso/login" << QByteArray("text/html") << QByteArray("/sso/api/login");
        QTest::newRow("phone packages") << "/upload" << QByteArray("text/html") << QByteArray("/api/phone/packages");
        QTest::newRow("events") << "/site/analytics" << QByteArray("text/html") << QByteArray("/api/analytics/events");
        QTest::newRow("feedback") << "/site/feedback" << QByteArray("text/html") << QByteArray("/api/feedback/reply");
        QTest::newRow("crashes") << "/site/crashes" << QByteArray("text/html") << QByteArray("/api/crash/reports");
        QTest::newRow("style") << "/static/style.css" << QByteArray("text/css") << QByteArray("#1e1f24");
        QTest::newRow("bridge script") << "/static/common.js" << QByteArray("application/javascript") << QByteArray("gsBridge");
    }
    void pagesAreServed()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, mark);
        const Reply r = m_client.get(url(path));
        QCOMPARE(r.status, 200);
        QVERIFY2(r.header("Content-Type").startsWith(type), r.header("Content-Type").constData());
        QVERIFY(r.body.contains(mark));
    }

    // ---- phone receiver and crash reports ---------------------------------

    void phoneReceiverKeepsPackages()
    {
        const QByteArray bytes = fakeZip(7777);
        Reply r = m_client.postMultipart(url(QLatin1String(kPathPhoneUpload)),
                                         {{"form-data; name=\"files[]\"; fileName=\"upload.zip\"; mimeType=\"zip\"", bytes, QByteArray()}});
        QCOMPARE(r.code(), kStatusOk);
        QCOMPARE(r.data().value(QStringLiteral("md5")).toString().toLatin1(), md5(bytes));

        r = m_client.get(url(QStringLiteral("/api/phone/packages")));
        const QJsonObject latest = r.data().value(QStringLiteral("packages")).toArray().at(0).toObject();
        QCOMPARE(latest.value(QStringLiteral("name")).toString(), QStringLiteral("upload.zip"));
        QCOMPARE(latest.value(QStringLiteral("size")).toInt(), bytes.size());
        QCOMPARE(m_client.get(latest.value(QStringLiteral("url")).toString()).body, bytes);

        QCOMPARE(m_client.postMultipart(url(QLatin1String(kPathPhoneUpload)), {field("other", "x")}).status, 400);
        QCOMPARE(m_client.postMultipart(url(QLatin1String(kPathPhoneUpload)),
                                        {{"form-data; name=\"files[]\"; fileName=\"upload.zip\"", "not a zip", QByteArray()}})
                     .status,
                 400);
        QCOMPARE(m_client.post(url(QLatin1String(kPathPhoneUpload)), "x=1", kFormContentType).status, 400);
    }

    void phoneReceiverLimit_data()
    {
        QTest::addColumn<int>("packageSize");
        QTest::addColumn<int>("httpStatus");
        QTest::newRow("the package limit") << int(kPackageLimit) << 200;
        QTest::newRow("one byte more") << int(kPackageLimit) + 1 << 413;
        QTest::newRow("far over the request limit") << 12 * 1024 * 1024 << 413;
    }
    void phoneReceiverLimit()
    {
        QFETCH(int, packageSize);
        QFETCH(int, httpStatus);
        const Reply r = m_client.postMultipart(url(QLatin1String(kPathPhoneUpload)),
                                               {{"form-data; name=\"files[]\"; fileName=\"upload.zip\"", fakeZip(packageSize), QByteArray()}});
        QCOMPARE(r.status, httpStatus);
        QCOMPARE(r.code(), httpStatus == 200 ? kStatusOk : kStatusTooLarge);
    }

    void unfinishedBodiesWaitOnDisk()
    {
        // Eight uploads stop short of their end. What they sent so far must
        // not sit in the service's memory.
        const qint64 before = m_service.memoryKiB();
        QVERIFY(before > 0);
        const QByteArray head = "POST " + QByteArray(kPathSubmit) + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(m_service.port)
            + "\r\nContent-Type: multipart/form-data; boundary=x\r\nContent-Length: " + QByteArray::number(5 << 20) + "\r\n\r\n";
        const QByteArray sent(4 << 20, 'u');
        std::vector<std::unique_ptr<QTcpSocket>> uploads;
        for (int i = 0; i < 8; ++i) {
            uploads.push_back(std::make_unique<QTcpSocket>());
            QTcpSocket &socket = *uploads.back();
            socket.connectToHost(QStringLiteral("127.0.0.1"), m_service.port);
            QVERIFY(socket.waitForConnected(5000));
            socket.write(head + sent);
            while (socket.bytesToWrite() > 0)
                QVERIFY(socket.waitForBytesWritten(5000));
        }
        QTest::qWait(500);
        const qint64 held = m_service.memoryKiB() - before;
        qInfo("8 unfinished uploads of 4 MiB each: the service's resident memory grew by %lld KiB", static_cast<long long>(held));
        QVERIFY2(held < 12 * 1024, qPrintable(QString::number(held)));
        uploads.clear();
        QCOMPARE(m_client.get(url(QStringLiteral("/"))).status, 200);
    }

    void storesKeepToTheirQuota_data()
    {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QList<FormPart>>("parts");
        QTest::addColumn<bool>("byBytes"); // else by number of files
        const QList<FormPart> crash{field("version", "1.0.0"), {"form-data; name=\"file\"; filename=\"c.dmp\"", QByteArray(1000, 'c'), QByteArray()}};
        QTest::newRow("crash reports") << "crash" << "store/crash" << QString(kPathCrashUpload) << crash << false;
        QTest::newRow("crash reports by size") << "crash" << "store/crash" << QString(kPathCrashUpload) << crash << true;
        QTest::newRow("phone packages") << "phone" << "store/phone" << QString(kPathPhoneUpload)
                                        << QList<FormPart>{{"form-data; name=\"files[]\"; filename=\"a.zip\"", fakeZip(1000), QByteArray()}}
                                        << false;
        QTest::newRow("screenshots") << "images" << "files/images" << QString(kPathImageUpload)
                                     << QList<FormPart>{{"form-data; name=\"image\"; filename=\"a.png\"", fakePng(1000), QByteArray()}}
                                     << false;
        QTest::newRow("drafts") << "drafts" << "files/drafts" << QString(kPathPreview)
                                << QList<FormPart>{package(fakeZip(1000)), field("deviceId", kDeviceA.toUtf8())} << false;
        QTest::newRow("page uploads") << "uploads" << "store/uploads" << QString(kPathPageUpload)
                                      << QList<FormPart>{package(fakeZip(1000))} << false;
        QTest::newRow("icons") << "icons" << "files/icons" << QString(kPathIconUpload)
                               << QList<FormPart>{{"form-data; name=\"file\"; fileName=\"i.png\"", fakePng(1000), "image/png"}}
                               << false;
        QTest::newRow("effects") << "effects" << "store/effects" << QString(kPathSubmit)
                                 << QList<FormPart>{package(fakeZip(1000)), field("name", "Quota")} << false;
    }
    void storesKeepToTheirQuota()
    {
        QFETCH(QString, area);
        QFETCH(QString, folder);
        QFETCH(QString, path);
        QFETCH(QList<FormPart>, parts);
        QFETCH(bool, byBytes);
        const auto stored = [&] { return QDir(m_dataDir.filePath(folder)).entryInfoList(QDir::Files); };
        qint64 bytes = 0;
        for (const QFileInfo &info : stored())
            bytes += info.size();
        const int files = stored().size();
        // Room for two more, by count or by size.
        const QJsonObject quota = byBytes ? QJsonObject{{"bytes", double(bytes + 2500)}} : QJsonObject{{"files", files + 2}};
        QJsonObject config = m_defaultConfig;
        config.insert(QStringLiteral("quotas"), QJsonObject{{area, quota}});
        setConfig(config);
        const QByteArray cookie = signInCookie();
        for (int i = 0; i < 2; ++i)
            QCOMPARE(m_client.postMultipart(url(path), parts, cookie).code(), kStatusOk);
        const Reply refused = m_client.postMultipart(url(path), parts, cookie);
        QCOMPARE(refused.status, 507);
        QCOMPARE(refused.code(), kStatusServerError);
        QCOMPARE(stored().size(), files + 2);
    }

    void feedbackKeepsTheMessageWhenPackagesAreFull()
    {
        QJsonObject config = m_defaultConfig;
        config.insert(QStringLiteral("quotas"), QJsonObject{{"feedback", QJsonObject{{"bytes", 0}}}});
        setConfig(config);
        const Reply r = m_client.postMultipart(url(QLatin1String(kPathFeedbackPost) + QLatin1Char('?') + feedbackQuery(kDeviceB)),
                                               {{"form-data; name=\"file\"; fileName=\"effectPack.zip\"", fakeZip(300), QByteArray()},
                                                field("content", "Kept without its package")});
        QCOMPARE(r.code(), kStatusOk);
        QVERIFY(!r.data().value(QStringLiteral("warnings")).toArray().isEmpty());
    }

    void crashHelperDeliversReports()
    {
        // The real helper, pointed at this service through its services.json.
        QTemporaryDir home;
        QVERIFY(QDir().mkpath(home.filePath(QStringLiteral("Lumeworks"))));
        QVERIFY(writeFile(home.filePath(QStringLiteral("Lumeworks/services.json")),
                          QJsonDocument(QJsonObject{{"crash", m_service.base}}).toJson()));
        const QString dump = home.filePath(QStringLiteral("report.dmp"));
        QVERIFY(writeFile(dump, "signal 11\nbacktrace...\n"));
        QProcess helper;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        helper.setProcessEnvironment(env);
        helper.start(QStringLiteral(LWHELPER_PATH), {QStringLiteral("-updmp"), dump, QStringLiteral("1.0.0")});
        QVERIFY(helper.waitForFinished(30000));
        QCOMPARE(helper.exitCode(), 0);
        QVERIFY(!QFile::exists(dump)); // delivered, so removed

        const Reply r = m_client.get(url(QStringLiteral("/api/crash/reports")));
        const QJsonObject latest = r.data().value(QStringLiteral("reports")).toArray().at(0).toObject();
        QCOMPARE(latest.value(QStringLiteral("version")).toString(), QStringLiteral("1.0.0"));
        QCOMPARE(latest.value(QStringLiteral("name")).toString(), QStringLiteral("report.dmp"));

        QCOMPARE(m_client.postMultipart(url(QLatin1String(kPathCrashUpload)), {field("version", "1.0.0")}).status, 400);
    }

    // ---- materials and update ---------------------------------------------

    void materialCatalogue()
    {
        Reply r = m_client.get(url(QStringLiteral("/api/material/preview?cursor=0&count=50")));
        QCOMPARE(r.code(), kStatusOk);
        const QJsonArray materials = r.data().value(QStringLiteral("materials")).toArray();
        QVERIFY(materials.size() >= 4);
        int sequences = 0;
        for (const QJsonValue &value : materials) {
            const QJsonObject m = value.toObject();
            const QString name = m.value(QStringLiteral("name")).toString();
            QVERIFY(!name.isEmpty());
            QVERIFY(m.value(QStringLiteral("id")).isDouble());
            const QByteArray file = m_client.get(url(m.value(QStringLiteral("fileUrl")).toObject().value(QStringLiteral("uri")).toString())).body;
            const QByteArray icon = m_client.get(url(m.value(QStringLiteral("iconUrl")).toObject().value(QStringLiteral("uri")).toString())).body;
            QCOMPARE(qint64(file.size()), qint64(m.value(QStringLiteral("size")).toDouble()));
            QBuffer iconBuffer;
            iconBuffer.setData(icon);
            QImageReader reader(&iconBuffer);
            QVERIFY2(!QImage::fromData(icon).isNull(), qPrintable(name));
            if (m.value(QStringLiteral("type")).toInt() == 1) {
                ++sequences;
                QVERIFY(file.startsWith("PK\x03\x04"));
                QVERIFY(file.contains(QString(name + QLatin1Char('/') + name + QStringLiteral("_000.png")).toUtf8()));
                QVERIFY(icon.startsWith("GIF89a"));
                QCOMPARE(reader.format(), QByteArray("gif"));
                QVERIFY2(reader.imageCount() > 1, qPrintable(name));
            } else {
                QVERIFY(!QImage::fromData(file, "PNG").isNull());
                QCOMPARE(reader.format(), QByteArray("png"));
            }
        }
        QVERIFY(sequences >= 2);

        r = m_client.get(url(QStringLiteral("/api/material/preview?cursor=0&count=2")));
        QCOMPARE(r.data().value(QStringLiteral("materials")).toArray().size(), 2);
        QVERIFY(r.data().value(QStringLiteral("has_more")).toBool());
        QCOMPARE(r.data().value(QStringLiteral("cursor")).toInt(), 2);
        r = m_client.get(url(QStringLiteral("/api/material/preview?cursor=%1&count=50").arg(materials.size() - 1)));
        QCOMPARE(r.data().value(QStringLiteral("materials")).toArray().size(), 1);
        QVERIFY(!r.data().value(QStringLiteral("has_more")).toBool());
        QCOMPARE(m_client.get(url(QStringLiteral("/api/material/preview?cursor=0&count=-3"))).status, 400);
    }

    void updateOfferFollowsConfiguration()
    {
        const QString check = url(QStringLiteral("/api/studio/downloadNew?platform=1&type=0&source=0"));
        Reply r = m_client.get(check);
        QCOMPARE(r.code(), kStatusOk);
        QJsonObject data = r.data();
        QCOMPARE(data.value(QStringLiteral("version")).toString(), QStringLiteral("1.0.0"));
        const QString download = data.value(QStringLiteral("download_url")).toObject().value(QStringLiteral("url_list")).toArray().at(0).toString();
        QVERIFY(download.startsWith(m_service.base));
        const QByteArray installer = m_client.get(download).body;
        QVERIFY(!installer.isEmpty());
        QCOMPARE(data.value(QStringLiteral("md5")).toString().toLatin1(), md5(installer));

        // A changed configuration is answered at once, without a restart.
        QJsonObject config = m_defaultConfig;
        QJsonObject update = config.value(QStringLiteral("update")).toObject();
        update.insert(QStringLiteral("version"), QStringLiteral("1.2.1"));
        update.insert(QStringLiteral("features"), QStringLiteral("Faster export"));
        update.insert(QStringLiteral("md5"), QStringLiteral("00ff00ff00ff00ff00ff00ff00ff00ff"));
        config.insert(QStringLiteral("update"), update);
        setConfig(config);
        data = m_client.get(check).data();
        QCOMPARE(data.value(QStringLiteral("version")).toString(), QStringLiteral("1.2.1"));
        QCOMPARE(data.value(QStringLiteral("features")).toString(), QStringLiteral("Faster export"));
        QCOMPARE(data.value(QStringLiteral("md5")).toString(), QStringLiteral("00ff00ff00ff00ff00ff00ff00ff00ff"));

        update.insert(QStringLiteral("file"), QStringLiteral("../lwservice.sqlite"));
        config.insert(QStringLiteral("update"), update);
        setConfig(config);
        QCOMPARE(m_client.get(check).code(), kStatusNotFound);
    }

    void updateOfferIsSigned()
    {
        QFile publicFile(m_dataDir.filePath(QStringLiteral("update-public.key")));
        QVERIFY(publicFile.open(QIODevice::ReadOnly));
        const QByteArray publicKey = QByteArray::fromBase64(publicFile.readAll().trimmed());
        QCOMPARE(publicKey.size(), int(crypto_sign_PUBLICKEYBYTES));
        const auto verifies = [&publicKey](const QString &signature, const QByteArray &file) {
            const QByteArray raw = QByteArray::fromBase64(signature.toLatin1());
            const QByteArray digest = QCryptographicHash::hash(file, QCryptographicHash::Sha256);
            return raw.size() == int(crypto_sign_BYTES)
                && crypto_sign_verify_detached(reinterpret_cast<const unsigned char *>(raw.constData()),
                                               reinterpret_cast<const unsigned char *>(digest.constData()), 32,
                                               reinterpret_cast<const unsigned char *>(publicKey.constData()))
                == 0;
        };
        const QString check = url(QStringLiteral("/api/studio/downloadNew?platform=1&type=0&source=0"));
        QJsonObject data = m_client.get(check).data();
        for (const char *kept : {"version", "md5", "features", "bugFix", "download_url"})
            QVERIFY2(data.contains(QLatin1String(kept)), kept);
        const QString download = data.value(QStringLiteral("download_url")).toObject().value(QStringLiteral("url_list")).toArray().at(0).toString();
        const QByteArray installer = m_client.get(download).body;
        const QString signature = data.value(QStringLiteral("signature")).toString();
        QVERIFY(verifies(signature, installer));

        // A new installer is signed as it is, not as the old one was.
        const QByteArray next = "installer 1.2.1\n" + QByteArray(100000, 'i');
        QVERIFY(writeFile(m_dataDir.filePath(QStringLiteral("files/update/GlowsmithSetup")), next));
        data = m_client.get(check).data();
        QVERIFY(verifies(data.value(QStringLiteral("signature")).toString(), next));
        QVERIFY(!verifies(data.value(QStringLiteral("signature")).toString(), installer));
        QVERIFY(writeFile(m_dataDir.filePath(QStringLiteral("files/update/GlowsmithSetup")), installer));

        // A configured signature is offered as it is, to try a client.
        QJsonObject config = m_defaultConfig;
        QJsonObject update = config.value(QStringLiteral("update")).toObject();
        update.insert(QStringLiteral("signature"), QStringLiteral("AAAA"));
        config.insert(QStringLiteral("update"), update);
        setConfig(config);
        QCOMPARE(m_client.get(check).data().value(QStringLiteral("signature")).toString(), QStringLiteral("AAAA"));
    }

    void updateKeysAreKeptAndNeverShown()
    {
        QTemporaryDir dir;
        QByteArray publicKey;
        QByteArray secretText;
        {
            Service service;
            QVERIFY(service.start(dir.path()));
            QVERIFY(m_client.get(service.base + QStringLiteral("/api/studio/downloadNew?platform=1&type=0&source=0")).code() == kStatusOk);
            QFile secret(dir.filePath(QStringLiteral("update-secret.key")));
            QVERIFY(secret.open(QIODevice::ReadOnly));
            secretText = secret.readAll().trimmed();
            const QByteArray raw = QByteArray::fromBase64(secretText);
            QCOMPARE(raw.size(), int(crypto_sign_SECRETKEYBYTES));
            QCOMPARE(secret.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());
            QFile pub(dir.filePath(QStringLiteral("update-public.key")));
            QVERIFY(pub.open(QIODevice::ReadOnly));
            publicKey = QByteArray::fromBase64(pub.readAll().trimmed());
            QCOMPARE(publicKey, raw.right(32)); // the public half of that secret
            QTest::qWait(200);
            const QByteArray output = service.output();
            QVERIFY(output.contains("update-public.key"));
            QVERIFY(!output.contains(secretText));
            QVERIFY(!output.contains(raw.left(32).toBase64().left(20)));
            QVERIFY(!output.contains(raw.left(32).toHex().left(20)));
        }
        {
            // A restart signs with the same pair.
            Service service;
            QVERIFY(service.start(dir.path()));
            QFile pub(dir.filePath(QStringLiteral("update-public.key")));
            QVERIFY(pub.open(QIODevice::ReadOnly));
            QCOMPARE(QByteArray::fromBase64(pub.readAll().trimmed()), publicKey);
        }
        // A damaged secret stops the start and stays as it is.
        QVERIFY(writeFile(dir.filePath(QStringLiteral("update-secret.key")), "not a key\n"));
        QProcess process;
        process.start(QStringLiteral(LWSERVICE_PATH), {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--data"), dir.path()});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(process.readAllStandardError().contains("update-secret.key"));
        QFile secret(dir.filePath(QStringLiteral("update-secret.key")));
        QVERIFY(secret.open(QIODevice::ReadOnly));
        QCOMPARE(secret.readAll(), QByteArray("not a key\n"));
    }

    // ---- feedback and events ----------------------------------------------

    void feedbackRoundTrip()
    {
        const QString device = QStringLiteral("AAAABBBBCCCCDDDDAAAABBBBCCCCDDDD");
        const QString post = url(QLatin1String(kPathFeedbackPost) + QLatin1Char('?') + feedbackQuery(device));
        const QString list = url(QLatin1String(kPathFeedbackList) + QLatin1Char('?') + feedbackQuery(device)
                                 + QStringLiteral("&min_id=100&count=50"));

        const QByteArray shot = fakePng(2048);
        Reply r = m_client.postMultipart(url(QLatin1String(kPathImageUpload)),
                                         {{"form-data; name=\"image\"; fileName=\"upload.data\"", shot, QByteArray()}});
        QCOMPARE(r.code(), kStatusOk);
        const QString webUri = r.data().value(QStringLiteral("web_uri")).toString();
        QVERIFY(!webUri.isEmpty());
        QCOMPARE(m_client.postMultipart(url(QLatin1String(kPathImageUpload)),
                                        {{"form-data; name=\"image\"; fileName=\"upload.data\"", "text", QByteArray()}})
                     .status,
                 400);

        QCOMPARE(m_client.postMultipart(post, {{"form-data; name=\"file\"; fileName=\"effectPack.zip\"; mimeType=\"zip\"", fakeZip(300), QByteArray()},
                                               field("image_uri", webUri.toUtf8()), field("content", "Export hangs"),
                                               field("contact", "me@example.org")})
                     .code(),
                 kStatusOk);
        QCOMPARE(m_client.postMultipart(post, {field("content", "No screenshot this time"), field("contact", "")}).code(), kStatusOk);
        QCOMPARE(m_client.postMultipart(post, {field("content", "  "), field("contact", "")}).status, 400);

        r = m_client.postJson(url(QStringLiteral("/api/feedback/reply")), {{"device_id", device}, {"content", "Fixed in 1.2"}});
        QCOMPARE(r.code(), kStatusOk);
        QCOMPARE(m_client.post(url(QStringLiteral("/api/feedback/reply")), "device_id=" + device.toUtf8() + "&content=x",
                               kFormContentType)
                     .status,
                 400);

        r = m_client.get(list);
        QCOMPARE(r.code(), kStatusOk);
        const QJsonArray records = r.json().value(QStringLiteral("data")).toArray();
        QCOMPARE(records.size(), 3);
        const QJsonObject withImage = records.at(0).toObject();
        QCOMPARE(withImage.value(QStringLiteral("content")).toString(), QStringLiteral("Export hangs"));
        QCOMPARE(withImage.value(QStringLiteral("type")).toInt(), 0);
        QVERIFY(withImage.value(QStringLiteral("pub_date")).toDouble() > 1.6e9);
        QCOMPARE(m_client.get(withImage.value(QStringLiteral("image_url")).toString()).body, shot);
        QVERIFY(!records.at(1).toObject().contains(QStringLiteral("image_url")));
        QCOMPARE(records.at(2).toObject().value(QStringLiteral("type")).toInt(), 1);

        QCOMPARE(m_client.get(url(QLatin1String(kPathFeedbackList) + QLatin1Char('?') + feedbackQuery(device, QStringLiteral("wrong")))).status,
                 403);
        QCOMPARE(m_client.get(url(QLatin1String(kPathFeedbackList) + QStringLiteral("?appkey=") + QLatin1String(kFeedbackAppKey))).status,
                 400);
    }

    void analyticsCollector()
    {
        const QJsonObject params{{"_staging_flag", 0}, {"os_name", "debian"}, {"lw_entry_type", "gsTemplateWhiteCat"}};
        const QJsonObject body{
            {"events", QJsonArray{QJsonObject{{"event", "event_entry_project"},
                                              {"params", QString::fromUtf8(QJsonDocument(params).toJson())},
                                              {"time", 1700000000}}}},
            {"user", QJsonObject{{"user_unique_id", kDeviceA}, {"user_is_auth", true}, {"user_is_login", true}}},
            {"header", QJsonObject{{"app_id", kAnalyticsAppId}, {"app_version", "1.0.0"}, {"os_name", "debian"}, {"os_version", "12"}}},
            {"verbose", 0}};
        Reply r = m_client.post(url(QLatin1String(kPathAnalytics)), QJsonDocument(body).toJson(QJsonDocument::Indented), kJsonContentType);
        QCOMPARE(r.code(), kStatusOk);

        r = m_client.get(url(QStringLiteral("/api/analytics/events?event=event_entry_project&limit=1")));
        const QJsonObject stored = r.data().value(QStringLiteral("events")).toArray().at(0).toObject();
        QCOMPARE(stored.value(QStringLiteral("time")).toInt(), 1700000000);
        QCOMPARE(stored.value(QStringLiteral("user_unique_id")).toString(), kDeviceA);
        QVERIFY(stored.value(QStringLiteral("user_is_login")).toBool());
        QCOMPARE(stored.value(QStringLiteral("app_version")).toString(), QStringLiteral("1.0.0"));
        QCOMPARE(QJsonDocument::fromJson(stored.value(QStringLiteral("params")).toString().toUtf8()).object(), params);
        QCOMPARE(QJsonDocument::fromJson(stored.value(QStringLiteral("body")).toString().toUtf8()).object(), body);
    }

    void analyticsRefusals_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("not JSON") << QByteArray("events=1");
        QTest::newRow("array") << QByteArray("[]");
        QTest::newRow("no events") << QByteArray("{\"user\": {}}");
        QTest::newRow("events not an array") << QByteArray("{\"events\": {\"event\": \"x\"}}");
        QTest::newRow("event without name") << QByteArray("{\"events\": [{\"params\": \"{}\"}]}");
    }
    void analyticsRefusals()
    {
        QFETCH(QByteArray, body);
        const Reply r = m_client.post(url(QLatin1String(kPathAnalytics)), body, kJsonContentType);
        QCOMPARE(r.status, 400);
        QCOMPARE(r.code(), kStatusBadRequest);
    }

    // ---- HTTP layer -------------------------------------------------------

    void malformedRequests_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("statusLine");
        QTest::newRow("garbage") << QByteArray("\x01\x02\x03 hello\r\n\r\n") << QByteArray("HTTP/1.1 400");
        QTest::newRow("no version") << QByteArray("GET /\r\n\r\n") << QByteArray("HTTP/1.1 400");
        QTest::newRow("HTTP/2.0") << QByteArray("GET / HTTP/2.0\r\n\r\n") << QByteArray("HTTP/1.1 505");
        QTest::newRow("target without slash") << QByteArray("GET index HTTP/1.1\r\n\r\n") << QByteArray("HTTP/1.1 400");
        QTest::newRow("NUL in path") << QByteArray("GET /a%00b HTTP/1.1\r\n\r\n") << QByteArray("HTTP/1.1 400");
        QTest::newRow("header without colon") << QByteArray("GET / HTTP/1.1\r\nHost\r\n\r\n") << QByteArray("HTTP/1.1 400");
        QTest::newRow("folded header") << QByteArray("GET / HTTP/1.1\r\nX-A: 1\r\n  2\r\n\r\n") << QByteArray("HTTP/1.1 400");
        QTest::newRow("length not a number") << QByteArray("POST /v1/json HTTP/1.1\r\nContent-Length: 1x\r\n\r\n")
                                             << QByteArray("HTTP/1.1 400");
        QTest::newRow("negative length") << QByteArray("POST /v1/json HTTP/1.1\r\nContent-Length: -5\r\n\r\n")
                                         << QByteArray("HTTP/1.1 400");
        QTest::newRow("two different lengths") << QByteArray("POST /v1/json HTTP/1.1\r\nContent-Length: 2\r\nContent-Length: 3\r\n\r\nab")
                                               << QByteArray("HTTP/1.1 400");
        QTest::newRow("length and chunked") << QByteArray("POST /v1/json HTTP/1.1\r\nContent-Length: 2\r\nTransfer-Encoding: chunked\r\n\r\nab")
                                            << QByteArray("HTTP/1.1 400");
        QTest::newRow("unknown coding") << QByteArray("POST /v1/json HTTP/1.1\r\nTransfer-Encoding: gzip\r\n\r\n") << QByteArray("HTTP/1.1 501");
        QTest::newRow("bad chunk size") << QByteArray("POST /v1/json HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n")
                                        << QByteArray("HTTP/1.1 400");
        QTest::newRow("chunk without CRLF") << QByteArray("POST /v1/json HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nabXY")
                                            << QByteArray("HTTP/1.1 400");
        QTest::newRow("body over the limit") << QByteArray("POST /v1/json HTTP/1.1\r\nContent-Length: 99999999\r\n\r\n")
                                             << QByteArray("HTTP/1.1 413");
        QTest::newRow("chunk over the limit") << QByteArray("POST /v1/json HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n200000\r\n")
                                              << QByteArray("HTTP/1.1 413");
        QTest::newRow("huge header") << QByteArray("GET / HTTP/1.1\r\nX-Big: " + QByteArray(40000, 'a') + "\r\n\r\n")
                                     << QByteArray("HTTP/1.1 431");
        QByteArray many("GET / HTTP/1.1\r\n");
        for (int i = 0; i < 150; ++i)
            many += "X-H" + QByteArray::number(i) + ": v\r\n";
        QTest::newRow("too many headers") << QByteArray(many + "\r\n") << QByteArray("HTTP/1.1 431");
        QTest::newRow("request line too long") << QByteArray("GET /" + QByteArray(10000, 'a') + " HTTP/1.1\r\n\r\n")
                                               << QByteArray("HTTP/1.1 414");
        QTest::newRow("unknown path") << QByteArray("GET /nowhere HTTP/1.1\r\nConnection: close\r\n\r\n") << QByteArray("HTTP/1.1 404");
        QTest::newRow("wrong method") << QByteArray("DELETE /v1/json HTTP/1.1\r\nConnection: close\r\n\r\n")
                                      << QByteArray("HTTP/1.1 405");
    }
    void malformedRequests()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, statusLine);
        const QByteArray reply = rawExchange(m_service.port, request);
        QVERIFY2(reply.startsWith(statusLine), reply.left(80).constData());
        QVERIFY(reply.contains("\"status_code\""));
        QVERIFY(m_service.running());
        QCOMPARE(m_client.get(url(QStringLiteral("/"))).status, 200);
    }

    void oversizedBodiesFromAClient()
    {
        // The service answers before the body is in; the client must still
        // see the answer rather than a reset connection.
        Reply r = m_client.post(url(QLatin1String(kPathAnalytics)), QByteArray(3 * 1024 * 1024, ' '), kJsonContentType);
        QCOMPARE(r.status, 413);
        QCOMPARE(r.code(), kStatusTooLarge);
        r = m_client.postMultipart(url(QLatin1String(kPathIconUpload)),
                                   {{"form-data; name=\"file\"; fileName=\"effectIcon.png\"", fakePng(2 * 1024 * 1024), "image/png"}});
        QCOMPARE(r.status, 413);
    }

    void connectionHandling()
    {
        // Two pipelined requests on one connection are answered in order.
        QByteArray reply = rawExchange(m_service.port,
                                       "GET /api/user/info HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n"
                                       "GET /nowhere HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
        QVERIFY2(reply.startsWith("HTTP/1.1 200"), reply.left(60).constData());
        const int second = reply.indexOf("HTTP/1.1 404");
        QVERIFY(second > 0);
        QVERIFY(reply.left(second).contains("Connection: keep-alive"));

        // HTTP/1.0 closes unless asked otherwise (rawExchange returns early).
        QElapsedTimer clock;
        clock.start();
        reply = rawExchange(m_service.port, "GET / HTTP/1.0\r\n\r\n");
        QVERIFY(reply.startsWith("HTTP/1.1 200"));
        QVERIFY(clock.elapsed() < 4000);

        // Chunked body, "100 Continue", HEAD without a body.
        const QByteArray event = "{\"events\":[{\"event\":\"event_preview\",\"params\":\"{}\",\"time\":1}]}";
        const QByteArray size = QByteArray::number(event.size(), 16);
        reply = rawExchange(m_service.port, "POST /v1/json HTTP/1.1\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n" + size
                                                + "\r\n" + event + "\r\n0\r\n\r\n");
        QVERIFY2(reply.startsWith("HTTP/1.1 200"), reply.left(200).constData());
        reply = rawExchange(m_service.port, "POST /v1/json HTTP/1.1\r\nExpect: 100-continue\r\nConnection: close\r\nContent-Length: "
                                                + QByteArray::number(event.size()) + "\r\n\r\n" + event);
        QVERIFY2(reply.startsWith("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200"), reply.left(200).constData());
        reply = rawExchange(m_service.port, "HEAD / HTTP/1.1\r\nConnection: close\r\n\r\n");
        QVERIFY(reply.startsWith("HTTP/1.1 200"));
        QVERIFY(reply.endsWith("\r\n\r\n"));
        QVERIFY(!reply.contains("<html"));

        // A client that gives up halfway leaves the service unharmed.
        rawExchange(m_service.port, "POST /v1/json HTTP/1.1\r\nContent-Length: 100\r\n\r\n{\"ev", 200);
        QCOMPARE(m_client.get(url(QStringLiteral("/"))).status, 200);
    }

    void otherNamesAreMisdirected_data()
    {
        // What a page of another site reaches once its name points here.
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("feedback") << QByteArray("GET") << QByteArray("/api/feedback/messages") << QByteArray();
        QTest::newRow("crash reports") << QByteArray("GET") << QByteArray("/api/crash/reports") << QByteArray();
        QTest::newRow("events") << QByteArray("GET") << QByteArray("/api/analytics/events") << QByteArray();
        QTest::newRow("phone packages") << QByteArray("GET") << QByteArray("/api/phone/packages") << QByteArray();
        QTest::newRow("feedback page") << QByteArray("GET") << QByteArray("/site/feedback") << QByteArray();
        QTest::newRow("sign-in code") << QByteArray("POST") << QByteArray("/api/user/sendCode")
                                      << QByteArray("{\"phone\":\"10000000000\"}");
        QTest::newRow("sign-in") << QByteArray("POST") << QByteArray("/sso/api/login")
                                 << QByteArray("{\"username\":\"demo\",\"password\":\"glowsmith-demo\"}");
    }
    void otherNamesAreMisdirected()
    {
        QFETCH(QByteArray, method);
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, body);
        const QByteArray port = QByteArray::number(m_service.port);
        const QByteArray request = method + " " + path + " HTTP/1.1\r\nHost: rebound.example:" + port
            + "\r\nConnection: close\r\nContent-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size())
            + "\r\n\r\n" + body;
        QByteArray reply = rawExchange(m_service.port, request);
        QVERIFY2(reply.startsWith("HTTP/1.1 421 Misdirected Request"), reply.left(80).constData());
        const QByteArray json = reply.mid(reply.indexOf("\r\n\r\n") + 4);
        QCOMPARE(QJsonDocument::fromJson(json).object().value(QStringLiteral("status_code")).toInt(), kStatusForbidden);
        QVERIFY(!reply.contains("\"code\"") && !reply.contains("Set-Cookie"));

        // The same request naming the service's own address goes through.
        reply = rawExchange(m_service.port, QByteArray(request).replace("rebound.example", "127.0.0.1"));
        QVERIFY2(reply.startsWith("HTTP/1.1 200"), reply.left(80).constData());
    }

    void foreignOriginsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("path");
        for (const char *path : {"/upload", "/api/effect/upload", "/api/effect/preview", "/api/effect/uploadEffect",
                                 "/api/effect/submit", "/api/effect/publish", "/2/data/upload_image/", "/api/crash/upload",
                                 "/feedback/1/post_message/", "/v1/json", "/api/feedback/reply", "/api/user/sendCode",
                                 "/api/user/phoneLogin", "/api/user/logout", "/sso/api/login", "/effect/api/user/login",
                                 "/effect/api/user/logout"})
            QTest::newRow(path) << QByteArray(path);
    }
    void foreignOriginsAreRefused()
    {
        // A cross-site form post: a type the browser sends without asking.
        QFETCH(QByteArray, path);
        const QByteArray port = QByteArray::number(m_service.port);
        const QByteArray body = "--b\r\nContent-Disposition: form-data; name=\"files[]\"; filename=\"a.zip\"\r\n\r\nPK\x03\x04zz\r\n--b--\r\n";
        const QByteArray head = "POST " + path + "?" + feedbackQuery(kDeviceA).toUtf8() + " HTTP/1.1\r\nHost: 127.0.0.1:" + port
            + "\r\nContent-Type: multipart/form-data; boundary=b\r\nContent-Length: " + QByteArray::number(body.size())
            + "\r\nConnection: close\r\n";
        QByteArray reply = rawExchange(m_service.port, head + "Origin: http://attacker.example\r\n\r\n" + body);
        QVERIFY2(reply.startsWith("HTTP/1.1 403"), reply.left(80).constData());
        QVERIFY(reply.contains("\"status_code\":1007"));
        reply = rawExchange(m_service.port, head + "Origin: http://127.0.0.1:" + port + "\r\n\r\n" + body);
        QVERIFY2(!reply.startsWith("HTTP/1.1 403") && reply.startsWith("HTTP/1.1 "), reply.left(80).constData());
    }

    void floodsDoNotGrowTheService_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("piece");
        QTest::addColumn<int>("pieces"); // of 1 MiB each
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("300 MiB of empty lines") << QByteArray() << QByteArray("\r\n") << 300 << QByteArray();
        // 30 MiB on the wire for a 5 MiB body: chunk lines cost more than data.
        QTest::newRow("one-byte chunks") << QByteArray("POST /upload HTTP/1.1\r\nTransfer-Encoding: chunked\r\nContent-Type: "
                                                       "multipart/form-data; boundary=b\r\n\r\n")
                                         << QByteArray("1\r\nx\r\n") << 30 << QByteArray("0\r\n\r\n");
    }
    void floodsDoNotGrowTheService()
    {
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, piece);
        QFETCH(int, pieces);
        QFETCH(QByteArray, tail);
        QTemporaryDir dir;
        Service service; // of its own, so that its peak is this flood's
        QVERIFY(service.start(dir.path()));
        QTest::qWait(200);
        const qint64 before = service.memoryKiB("VmHWM");
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), service.port);
        QVERIFY(socket.waitForConnected(5000));
        socket.write(head);
        const QByteArray mebibyte = piece.repeated((1 << 20) / piece.size());
        qint64 sent = 0;
        for (int i = 0; i < pieces && socket.state() == QAbstractSocket::ConnectedState; ++i) {
            socket.write(mebibyte);
            while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(5000)) {
            }
            sent += mebibyte.size();
        }
        socket.write(tail);
        QByteArray reply = socket.readAll();
        if (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(5000))
            reply += socket.readAll();
        const qint64 grown = service.memoryKiB("VmHWM") - before;
        qInfo("%s: %lld MiB sent; the service's peak resident memory grew by %lld KiB; reply: %s", QTest::currentDataTag(),
              static_cast<long long>(sent >> 20), static_cast<long long>(grown), reply.left(12).constData());
        QVERIFY2(grown < 16 * 1024, qPrintable(QString::number(grown)));
        QVERIFY2(reply.startsWith("HTTP/1.1 400"), reply.left(80).constData());
        QCOMPARE(m_client.get(service.base + QStringLiteral("/")).status, 200);
    }

    void slowSendersDoNotLockOthersOut()
    {
        // 200 connections trickle their headers a byte a second, from this
        // machine like everyone else's. Newcomers are still served, and the
        // headers' deadline lets every trickler go.
        QTemporaryDir dir;
        Service service;
        QVERIFY(service.start(dir.path()));
        std::vector<std::unique_ptr<QTcpSocket>> slow;
        for (int i = 0; i < 200; ++i) {
            slow.push_back(std::make_unique<QTcpSocket>());
            slow.back()->connectToHost(QStringLiteral("127.0.0.1"), service.port);
            QVERIFY(slow.back()->waitForConnected(5000));
            slow.back()->write("POST /v1/json HTTP/1.1\r\nX-Slow: ");
            slow.back()->flush();
        }
        QTimer trickle;
        QObject::connect(&trickle, &QTimer::timeout, [&slow] {
            for (const auto &s : slow) {
                if (s->state() == QAbstractSocket::ConnectedState)
                    s->write("a");
            }
        });
        trickle.start(1000);
        QTest::qWait(1500);
        const auto held = [&slow] {
            int open = 0;
            for (const auto &s : slow)
                open += s->state() == QAbstractSocket::ConnectedState ? 1 : 0;
            return open;
        };
        qint64 worst = 0;
        int served = 0;
        for (int i = 0; i < 10; ++i) {
            QElapsedTimer clock;
            clock.start();
            Client fresh;
            const Reply r = fresh.get(service.base + QStringLiteral("/api/material/preview?cursor=0&count=5"));
            worst = qMax(worst, clock.elapsed());
            served += r.code() == kStatusOk ? 1 : 0;
        }
        const int heldEarly = held();
        qInfo("200 slow senders: %d still connected after 1.5 s; new clients served: %d of 10, worst latency %lld ms",
              heldEarly, served, static_cast<long long>(worst));
        QCOMPARE(served, 10);
        QVERIFY(heldEarly <= 32);
        QVERIFY2(worst < 1000, qPrintable(QString::number(worst)));
        QTRY_COMPARE_WITH_TIMEOUT(held(), 0, 13000);
    }

    void fileAreasStayClosed_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("dot-dot") << "/files/materials/../../lwservice.sqlite";
        QTest::newRow("encoded dot-dot") << "/files/%2e%2e/config.json";
        QTest::newRow("encoded slash") << "/files/materials/..%2f..%2flwservice.sqlite";
        QTest::newRow("private area") << "/files/effects/x.zip";
        QTest::newRow("hidden name") << "/files/materials/.x";
        QTest::newRow("too deep") << "/files/materials/sparkle.zip/x";
        QTest::newRow("phone files") << "/upload/files/../../lwservice.sqlite";
        QTest::newRow("static") << "/static/../index.html";
    }
    void fileAreasStayClosed()
    {
        QFETCH(QString, path);
        // Raw, so no client tidies the path on the way.
        const QByteArray reply = rawExchange(m_service.port, "GET " + path.toUtf8() + " HTTP/1.1\r\nConnection: close\r\n\r\n");
        QVERIFY2(reply.startsWith("HTTP/1.1 404") || reply.startsWith("HTTP/1.1 400"), reply.left(60).constData());
        QVERIFY(!reply.contains("SQLite format"));
    }

    void faultInjection_data()
    {
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("networkError");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("count");
        QTest::newRow("500 with a body") << QJsonObject{{"status", 500}, {"body", "boom"}} << 500 << false << QByteArray("boom") << 1;
        QTest::newRow("not JSON") << QJsonObject{{"body", "<html>"}, {"contentType", "text/html"}} << 200 << false
                                  << QByteArray("<html>") << 1;
        // Without a count: the access manager retries a dropped request.
        QTest::newRow("dropped") << QJsonObject{{"drop", true}} << 0 << true << QByteArray() << -1;
        QTest::newRow("cut short") << QJsonObject{{"truncateAt", 10}} << 200 << true << QByteArray() << 1;
        QTest::newRow("huge body") << QJsonObject{{"body", "x"}, {"bodyRepeat", 3000000}} << 200 << false
                                   << QByteArray(3000000, 'x') << 1;
    }
    void faultInjection()
    {
        QFETCH(QJsonObject, fault);
        QFETCH(int, status);
        QFETCH(bool, networkError);
        QFETCH(QByteArray, body);
        QFETCH(int, count);
        QJsonObject config = m_defaultConfig;
        if (count >= 0)
            fault.insert(QStringLiteral("count"), count);
        config.insert(QStringLiteral("faults"), QJsonObject{{QLatin1String(kPathMaterials), fault}});
        setConfig(config);
        const QString list = url(QStringLiteral("/api/material/preview?cursor=0&count=50"));
        // A client of its own: a reused connection that is dropped would be
        // retried silently by the access manager.
        Client fresh;
        Reply r = fresh.get(list);
        QCOMPARE(r.status, status);
        QCOMPARE(r.error != QNetworkReply::NoError && r.error < QNetworkReply::ContentAccessDenied, networkError);
        if (!body.isEmpty())
            QCOMPARE(r.body, body);
        if (count < 0)
            return;
        // Once "count" is used up, requests are served normally.
        r = m_client.get(list);
        QCOMPARE(r.code(), kStatusOk);
    }

    void faultDelaysAndCorrupts()
    {
        QJsonObject config = m_defaultConfig;
        config.insert(QStringLiteral("faults"),
                      QJsonObject{{QStringLiteral("/"), QJsonObject{{"delayMs", 1200}}},
                                  {QStringLiteral("/files/update/GlowsmithSetup"), QJsonObject{{"corrupt", true}, {"count", 1}}}});
        setConfig(config);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(m_client.get(url(QStringLiteral("/"))).status, 200);
        QVERIFY(clock.elapsed() >= 1100);

        const QString digest = m_client.get(url(QStringLiteral("/api/studio/downloadNew?platform=1&type=0&source=0")))
                                   .data().value(QStringLiteral("md5")).toString();
        QVERIFY(md5(m_client.get(url(QStringLiteral("/files/update/GlowsmithSetup"))).body) != digest.toLatin1());
        QCOMPARE(md5(m_client.get(url(QStringLiteral("/files/update/GlowsmithSetup"))).body), digest.toLatin1());
    }

    // ---- persistence ------------------------------------------------------

    void dataSurvivesRestart()
    {
        QTemporaryDir dir;
        QByteArray cookie;
        QString effectId;
        QJsonArray materialsBefore;
        quint16 materialsPort = 0;
        const QString device = QStringLiteral("1234123412341234");
        {
            Service service;
            QVERIFY(service.start(dir.path()));
            const QString base = service.base;
            const Reply login = m_client.post(base + QStringLiteral("/effect/api/user/login"),
                                              loginBody(kDemoUser, kDemoPassword, kDeviceA), kFormContentType);
            cookie = login.cookie(kSessionCookie);
            effectId = m_client.postMultipart(base + QLatin1String(kPathSubmit), {package(fakeZip(100)), field("name", "Kept")}, cookie)
                           .data().value(QStringLiteral("id")).toString();
            QVERIFY(!effectId.isEmpty());
            QCOMPARE(m_client.postMultipart(base + QLatin1String(kPathFeedbackPost) + QLatin1Char('?') + feedbackQuery(device),
                                            {field("content", "remember me")})
                         .code(),
                     kStatusOk);
            QCOMPARE(m_client.postMultipart(base + QLatin1String(kPathPhoneUpload),
                                            {{"form-data; name=\"files[]\"; fileName=\"upload.zip\"", fakeZip(50), QByteArray()}})
                         .code(),
                     kStatusOk);
            materialsBefore = m_client.get(base + QLatin1String(kPathMaterials)).data().value(QStringLiteral("materials")).toArray();
            materialsPort = service.port;
        }

        Service service;
        QVERIFY(service.start(dir.path()));
        const QString base = service.base;
        // The old session still stands, the effect and the rest are there,
        // and nothing was seeded twice.
        const QJsonArray effects = m_client.get(base + QLatin1String(kPathPreviousEffects), cookie).data().value(QStringLiteral("effects")).toArray();
        QCOMPARE(effects.size(), 1);
        QCOMPARE(effects.at(0).toObject().value(QStringLiteral("uuid")).toString(), effectId);
        const QString token = makeToken(QDateTime::currentMSecsSinceEpoch(), kDeviceA);
        const Reply check = m_client.get(base + QStringLiteral("/effect/api/user/info?") + infoQuery(kDeviceA, token));
        QCOMPARE(check.code(), kStatusOk);
        const Reply records = m_client.get(base + QLatin1String(kPathFeedbackList) + QLatin1Char('?') + feedbackQuery(device));
        QCOMPARE(records.json().value(QStringLiteral("data")).toArray().size(), 1);
        QCOMPARE(m_client.get(base + QStringLiteral("/api/phone/packages")).data().value(QStringLiteral("packages")).toArray().size(), 1);
        // Same catalogue; only the port in the absolute links differs.
        const QByteArray oldPort = QByteArray(":") + QByteArray::number(materialsPort) + "/";
        const QByteArray newPort = QByteArray(":") + QByteArray::number(service.port) + "/";
        const QJsonArray materialsAfter = m_client.get(base + QLatin1String(kPathMaterials)).data().value(QStringLiteral("materials")).toArray();
        QCOMPARE(QJsonDocument(materialsAfter).toJson(), QJsonDocument(materialsBefore).toJson().replace(oldPort, newPort));
        QCOMPARE(m_client.post(base + QStringLiteral("/effect/api/user/login"), loginBody(kDemoUser, kDemoPassword, kDeviceB),
                               kFormContentType)
                     .code(),
                 kStatusOk);

        // Atomic writes leave no temporary files behind.
        QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            QVERIFY2(!file.contains(QLatin1String(".tmp")) && !file.contains(QLatin1String("~")), qPrintable(file));
        }
    }

    void cleanupTestCase()
    {
        m_service.stop();
    }
};

LW_TEST_MAIN(TstLwService)
#include "tst_lwservice.moc"
