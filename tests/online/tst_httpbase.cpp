// The service client against lwservice and a one-request capture server on
// 127.0.0.1: synchronous time limits, replies that fail in every way the
// service can be made to fail, cancellation, and the cookie import from a
// web view store that is current, old-fashioned, missing or locked.
#include "LWOnlineTestKit.h"
#include "LWTestMain.h"
#include "LWTinyHttp.h"
#include "online/LWNetworkcookieJar.h"
#include "online/LWQTHttpBase.h"

#include <QTcpServer>

using namespace LWOnlineTest;

namespace {

const QString kProbePath = QStringLiteral("/api/user/info");

// What came back through the callbacks of one request.
struct Outcome
{
    int calls = 0;
    LWHttpReply reply;
    LWQTHttpBase::Done recorder()
    {
        return [this](const LWHttpReply &answer) {
            ++calls;
            reply = answer;
        };
    }
};

} // namespace

class TstHttpBase : public QObject
{
    Q_OBJECT
private:
    Service m_service;
    QTemporaryDir m_dir;

    QUrl probeUrl() const { return QUrl(m_service.base + kProbePath); }
    QString store() const { return m_dir.filePath(QStringLiteral("Cookies")); }

    // The Cookie header a request of this client carries.
    static QByteArray cookieHeaderSent(LWQTHttpBase &client)
    {
        LWTinyHttp capture;
        if (!capture.listen(QHostAddress::LocalHost))
            return "no server";
        client.getSync(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(capture.serverPort())), 5000);
        const QList<QByteArray> lines = capture.request.split('\n');
        for (const QByteArray &line : lines) {
            if (line.toLower().startsWith("cookie:"))
                return line.mid(7).trimmed();
        }
        return QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(m_service.start());
    }

    void cleanup() { m_service.clearFaults(); }

    void parametersJoin_data()
    {
        QTest::addColumn<LWQTHttpBase::Parameters>("parameters");
        QTest::addColumn<QString>("joined");
        QTest::newRow("none") << LWQTHttpBase::Parameters{} << QString();
        QTest::newRow("one") << LWQTHttpBase::Parameters{{"a", "1"}} << "a=1";
        QTest::newRow("ordered, no trailing &")
            << LWQTHttpBase::Parameters{{"username", "demo"}, {"type", "studio"}, {"random", "6b"}}
            << "username=demo&type=studio&random=6b";
        // An account name must not be able to add or change parameters.
        QTest::newRow("separators encoded") << LWQTHttpBase::Parameters{{"username", "a&b=c+d%"}} << "username=a%26b%3Dc%2Bd%25";
        QTest::newRow("unicode") << LWQTHttpBase::Parameters{{"username", QString::fromUtf8("张")}} << "username=%E5%BC%A0";
    }
    void parametersJoin()
    {
        QFETCH(LWQTHttpBase::Parameters, parameters);
        QFETCH(QString, joined);
        QCOMPARE(LWQTHttpBase::joinParameters(parameters), joined);
    }

    // Every way a reply can go wrong reaches the caller with a status and a
    // body it can judge.
    void syncReplies_data()
    {
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("500 with a body keeps the body")
            << QJsonObject{{"status", 500}, {"body", "server broke"}} << 500 << QByteArray("server broke");
        QTest::newRow("non-JSON body as sent")
            << QJsonObject{{"body", "<html>oops</html>"}, {"contentType", "text/html"}} << 200 << QByteArray("<html>oops</html>");
        QTest::newRow("dropped without a reply") << QJsonObject{{"drop", true}} << 0 << QByteArray();
        QTest::newRow("cut off mid-body") << QJsonObject{{"body", QString(4000, 'x')}, {"truncateAt", 100}} << 200 << QByteArray();
        // 64 KiB repeated 400 times: far past the default reply limit.
        QTest::newRow("huge body dropped")
            << QJsonObject{{"body", QString(65536, 'h')}, {"bodyRepeat", 400}} << 200 << QByteArray();
    }
    void syncReplies()
    {
        QFETCH(QJsonObject, fault);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        m_service.setFaults({{kProbePath, fault}});
        LWQTHttpBase client;
        const LWHttpReply reply = client.getSync(probeUrl(), 8000);
        QCOMPARE(reply.status, status);
        QCOMPARE(reply.body, body);
        QVERIFY(!client.isRunning());
    }

    void serviceDown()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        LWQTHttpBase client;
        const LWHttpReply reply = client.getSync(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)), 3000);
        QCOMPARE(reply.status, 0);
        QVERIFY(reply.body.isEmpty());
        QVERIFY(!reply.whole);
    }

    // The reply that comes after the time limit is aborted and never
    // reaches anyone; the interface kept running meanwhile.
    void timeLimit()
    {
        m_service.setFaults({{kProbePath, QJsonObject{{"delayMs", 1500}}}});
        LWQTHttpBase client;
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(50);
        QElapsedTimer clock;
        clock.start();
        const LWHttpReply reply = client.getSync(probeUrl(), 300);
        QVERIFY(clock.elapsed() < 1400);
        QCOMPARE(reply.status, LWQTHttpBase::kStatusTimedOut);
        QVERIFY(reply.body.isEmpty());
        QVERIFY2(ticks >= 3, "the nested loop must keep other events flowing");
        QVERIFY(!client.isRunning());
    }

    void cancel()
    {
        LWQTHttpBase client;
        Outcome quick;
        client.get(probeUrl(), quick.recorder());
        QVERIFY(waitUntil([&] { return quick.calls == 1; }));
        QCOMPARE(quick.reply.status, 200);
        QVERIFY(quick.reply.body.contains("status_code"));

        m_service.setFaults({{kProbePath, QJsonObject{{"delayMs", 3000}}}});
        Outcome first;
        Outcome second;
        client.get(probeUrl(), first.recorder());
        client.post(probeUrl(), QByteArray("x=1"), second.recorder());
        client.cancelRunning();
        QCOMPARE(first.calls, 1);
        QCOMPARE(second.calls, 1);
        QCOMPARE(first.reply.status, LWQTHttpBase::kStatusCancelled);
        QCOMPARE(second.reply.status, LWQTHttpBase::kStatusCancelled);
        QVERIFY(!client.isRunning());

        // Cancelled while a caller waits for it.
        QTimer::singleShot(100, &client, [&client] { client.cancelRunning(); });
        QCOMPARE(client.getSync(probeUrl(), 8000).status, LWQTHttpBase::kStatusCancelled);
    }

    // Rows with expiry times long past still become cookies that are sent:
    // imported cookies live for the run only.
    void cookieImport_data()
    {
        QTest::addColumn<bool>("oldColumns");
        QTest::newRow("this engine's columns") << false;
        QTest::newRow("older engine's columns") << true;
    }
    void cookieImport()
    {
        QFETCH(bool, oldColumns);
        QVERIFY(writeCookieStore(store(), {{"127.0.0.1", "gs_session", "s3cr3t", 1, false},
                                           {"127.0.0.1", "secure_only", "never-on-http", 0, true},
                                           {"elsewhere.example", "foreign", "x", 0, false}},
                                 oldColumns));
        LWQTHttpBase client;
        client.loadBrowserCookies(store(), false);
        QVERIFY(client.cookiesLoaded());
        QCOMPARE(client.cookieJar()->allCookies().size(), 3);
        QCOMPARE(cookieHeaderSent(client), QByteArray("gs_session=s3cr3t"));
    }

    void cookieStoreMissing()
    {
        QFile::remove(store());
        LWQTHttpBase client;
        client.loadBrowserCookies(store(), false);
        QVERIFY(!client.cookiesLoaded());
        QVERIFY2(!QFile::exists(store()), "looking must not create the store");
        QCOMPARE(cookieHeaderSent(client), QByteArray());
    }

    // The web engine holds its store under an exclusive lock while a
    // profile lives; the import reads a snapshot instead of giving up.
    void cookieStoreLocked()
    {
        QVERIFY(writeCookieStore(store(), {{"127.0.0.1", "gs_session", "locked-value", 0, false}}));
        {
            QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
            holder.setDatabaseName(store());
            QVERIFY(holder.open());
            QSqlQuery lock(holder);
            QVERIFY(lock.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE")));
            QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            QVERIFY(lock.exec(QStringLiteral("UPDATE cookies SET value = 'uncommitted'")));

            LWQTHttpBase client;
            client.loadBrowserCookies(store(), false);
            QVERIFY(client.cookiesLoaded());
            QCOMPARE(cookieHeaderSent(client), QByteArray("gs_session=locked-value"));
            QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
            holder.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    }

    void cookiesLoadedOnceWhenAsked()
    {
        QVERIFY(writeCookieStore(store(), {{"127.0.0.1", "gs_session", "first", 0, false}}));
        LWQTHttpBase client;
        client.loadBrowserCookies(store(), true);
        QVERIFY(writeCookieStore(store(), {{"127.0.0.1", "gs_session", "second", 0, false}}));
        client.loadBrowserCookies(store(), true);
        QCOMPARE(cookieHeaderSent(client), QByteArray("gs_session=first"));
        client.loadBrowserCookies(store(), false);
        QCOMPARE(cookieHeaderSent(client), QByteArray("gs_session=second"));
    }

};

LW_TEST_MAIN(TstHttpBase)
#include "tst_httpbase.moc"
