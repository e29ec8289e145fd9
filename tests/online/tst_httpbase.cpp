// The service client and the download against lwservice and a one-request
// capture server on 127.0.0.1: synchronous time limits, replies that fail
// in every way the service can be made to fail, the limits on size, time
// and silence, cancellation, one access manager per thread with cookies
// kept per client, the cookie import from a web view store that is
// current, old-fashioned, missing or locked, and downloads into memory and
// into files that never leave a partial file behind.
#include "LWOnlineTestKit.h"
#include "LWTestMain.h"
#include "LWTinyHttp.h"
#include "online/LWDownload.h"
#include "online/LWNetworkcookieJar.h"
#include "online/LWQTHttpBase.h"

#include <QNetworkAccessManager>
#include <QPointer>
#include <QTcpServer>
#include <QThread>

using namespace LWOnlineTest;

namespace {

const QString kProbePath = QStringLiteral("/api/user/info");
const QString kBlobPath = QStringLiteral("/files/update/test-blob");

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

// 50000 bytes that differ from line to line, so a misplaced chunk shows.
QByteArray blob()
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < 50000; ++i)
        bytes += QByteArray::number(i).rightJustified(9, '0') + '\n';
    return bytes.left(50000);
}

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

    static QByteArray demoLoginForm()
    {
        using namespace LWServiceProtocol;
        const QString device = kOtherDevice;
        QUrlQuery form;
        form.addQueryItem(QStringLiteral("username"), kDemoUser);
        form.addQueryItem(QStringLiteral("password"), maskText(kDemoPassword));
        form.addQueryItem(QStringLiteral("device_id"), device);
        form.addQueryItem(QStringLiteral("device_platform"), QStringLiteral("Windows"));
        form.addQueryItem(QStringLiteral("type"), QStringLiteral("studio"));
        form.addQueryItem(QStringLiteral("token"), makeToken(QDateTime::currentMSecsSinceEpoch(), device));
        form.addQueryItem(QStringLiteral("random"), makeRandom(7));
        return form.toString(QUrl::FullyEncoded).toUtf8();
    }

    QString servedBlob() const { return m_service.dataPath() + kBlobPath; }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(m_service.start());
        QVERIFY(QDir().mkpath(QFileInfo(servedBlob()).path()));
        QFile file(servedBlob());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(blob());
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

    // The limits of the asynchronous form: each request ends in exactly one
    // callback, however it ends, and a limit ends it when it is reached.
    void asyncLimits_data()
    {
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<qint64>("replyLimit");
        QTest::addColumn<int>("timeLimit");
        QTest::addColumn<int>("idleLimit");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("whole");
        const qint64 noCap = LWQTHttpBase::kDefaultReplyLimit;
        QTest::newRow("answer") << QJsonObject{{"body", "hello"}} << noCap << 0 << 0 << 200 << QByteArray("hello") << true;
        QTest::newRow("answer at the cap") << QJsonObject{{"body", QString(1000, 'c')}} << qint64(1000) << 0 << 0 << 200
                                           << QByteArray(1000, 'c') << true;
        QTest::newRow("one byte over the cap")
            << QJsonObject{{"body", QString(1001, 'c')}} << qint64(1000) << 0 << 0 << 200 << QByteArray() << false;
        QTest::newRow("announced over the cap: refused before it arrives")
            << QJsonObject{{"body", QString(4000, 's')}, {"stallAfter", 3000}} << qint64(1000) << 0 << 0 << 200
            << QByteArray() << false;
        QTest::newRow("slower than the time limit")
            << QJsonObject{{"delayMs", 2000}} << noCap << 300 << 0 << int(LWQTHttpBase::kStatusTimedOut) << QByteArray() << false;
        QTest::newRow("silent longer than the idle limit")
            << QJsonObject{{"body", QString(4000, 'i')}, {"stallAfter", 100}} << noCap << 0 << 300
            << int(LWQTHttpBase::kStatusTimedOut) << QByteArray() << false;
        QTest::newRow("dropped connection") << QJsonObject{{"drop", true}} << noCap << 0 << 0 << 0 << QByteArray() << false;
        QTest::newRow("cut off") << QJsonObject{{"body", QString(4000, 'x')}, {"truncateAt", 100}} << noCap << 0 << 0 << 200
                                 << QByteArray() << false;
        QTest::newRow("HTTP error with its body")
            << QJsonObject{{"status", 503}, {"body", "later"}} << noCap << 0 << 0 << 503 << QByteArray("later") << true;
    }
    void asyncLimits()
    {
        QFETCH(QJsonObject, fault);
        QFETCH(qint64, replyLimit);
        QFETCH(int, timeLimit);
        QFETCH(int, idleLimit);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, whole);
        m_service.setFaults({{kProbePath, fault}});
        LWQTHttpBase client;
        client.setReplyLimit(replyLimit);
        client.setTimeLimit(timeLimit);
        client.setIdleLimit(idleLimit);
        Outcome outcome;
        QElapsedTimer clock;
        clock.start();
        client.get(probeUrl(), outcome.recorder());
        QCOMPARE(outcome.calls, 0);
        QVERIFY(client.isRunning());
        QVERIFY(waitUntil([&] { return outcome.calls > 0; }));
        QCOMPARE(outcome.reply.status, status);
        QCOMPARE(outcome.reply.body, body);
        QCOMPARE(outcome.reply.whole, whole);
        if (timeLimit > 0 || idleLimit > 0)
            QVERIFY(clock.elapsed() < 1500);
        QVERIFY(!client.isRunning());
        // Nothing arrives later, not even once the service answers.
        QTest::qWait(timeLimit > 0 ? 2000 : 200);
        QCOMPARE(outcome.calls, 1);
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

        // A client that goes takes its requests along, without a word.
        Outcome orphan;
        auto *gone = new LWQTHttpBase;
        gone->get(probeUrl(), orphan.recorder());
        delete gone;
        QTest::qWait(200);
        QCOMPARE(orphan.calls, 0);
    }

    // Every client of a thread uses the thread's one access manager; a
    // thread of its own gets its own, which goes with the thread.
    void oneManagerPerThread()
    {
        QNetworkAccessManager *here = LWQTHttpBase::threadManager();
        QVERIFY(here);
        QCOMPARE(LWQTHttpBase::threadManager(), here);
        QCOMPARE(here->thread(), QThread::currentThread());

        QPointer<QNetworkAccessManager> there;
        int status = 0;
        const QUrl url = probeUrl();
        QThread *worker = QThread::create([&] {
            there = LWQTHttpBase::threadManager();
            LWQTHttpBase client;
            status = client.getSync(url, 5000).status;
        });
        worker->start();
        QVERIFY(worker->wait(10000));
        delete worker;
        QCOMPARE(status, 200);
        QVERIFY2(there.isNull(), "the worker's manager must go with its thread");
        QCOMPARE(LWQTHttpBase::threadManager(), here);
    }

    // The manager is shared, the cookies are not: what one client loaded
    // or was sent never travels with another's requests.
    void cookiesStayWithTheirClient()
    {
        QVERIFY(writeCookieStore(store(), {{"127.0.0.1", "gs_sso", "loaded-by-one", 0, false}}));
        LWQTHttpBase loaded;
        LWQTHttpBase signedIn;
        LWQTHttpBase plain;
        loaded.loadBrowserCookies(store(), false);
        const LWHttpReply login =
            signedIn.postSync(QUrl(m_service.base + QStringLiteral("/effect/api/user/login")), demoLoginForm(), 5000);
        QCOMPARE(login.status, 200);
        QVERIFY(signedIn.cookieJar());

        QCOMPARE(cookieHeaderSent(loaded), QByteArray("gs_sso=loaded-by-one"));
        QVERIFY(cookieHeaderSent(signedIn).startsWith("gs_session="));
        QCOMPARE(cookieHeaderSent(plain), QByteArray());
        QVERIFY(!plain.cookieJar());
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

    // One download into memory or into a file. A file download that fails
    // leaves the file that was there untouched and nothing beside it.
    void download_data()
    {
        QTest::addColumn<bool>("toFile");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QJsonObject>("fault");
        QTest::addColumn<qint64>("maxBytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("ok");
        const QJsonObject none;
        const qint64 cap = 1024 * 1024;
        for (const bool toFile : {true, false}) {
            const char *where = toFile ? "file: " : "memory: ";
            auto row = [where](const char *name) -> QTestData & {
                return QTest::newRow(qPrintable(QLatin1String(where) + QLatin1String(name)));
            };
            row("arrives") << toFile << kBlobPath << none << cap << 200 << true;
            row("exactly the cap") << toFile << kBlobPath << none << qint64(50000) << 200 << true;
            row("one byte over the cap") << toFile << kBlobPath << none << qint64(49999) << 200 << false;
            row("stalls") << toFile << kBlobPath << QJsonObject{{"stallAfter", 20000}} << cap
                          << int(LWQTHttpBase::kStatusTimedOut) << false;
            row("dropped") << toFile << kBlobPath << QJsonObject{{"drop", true}} << cap << 0 << false;
            row("cut short") << toFile << kBlobPath << QJsonObject{{"truncateAt", 20000}} << cap << 200 << false;
            row("HTTP 404 with a body") << toFile << QStringLiteral("/files/update/none") << none << cap << 404 << false;
            row("empty body") << toFile << kBlobPath << QJsonObject{{"body", ""}} << cap << 200 << false;
            row("not a web address") << toFile << QStringLiteral("file:///etc/hostname") << none << cap << 0 << false;
        }
    }
    void download()
    {
        QFETCH(bool, toFile);
        QFETCH(QString, url);
        QFETCH(QJsonObject, fault);
        QFETCH(qint64, maxBytes);
        QFETCH(int, status);
        QFETCH(bool, ok);
        if (!fault.isEmpty())
            m_service.setFaults({{kBlobPath, fault}});
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("blob.bin"));
        QFile previous(target);
        QVERIFY(previous.open(QIODevice::WriteOnly));
        previous.write("what was there");
        previous.close();

        LWDownload::Request request;
        request.url = url.startsWith(QLatin1Char('/')) ? QUrl(m_service.base + url) : QUrl(url);
        request.targetPath = toFile ? target : QString();
        request.maxBytes = maxBytes;
        // Short only where silence is the point: a dropped keep-alive
        // connection is retried by the access manager, which takes a moment.
        request.idleLimitMs = status == LWQTHttpBase::kStatusTimedOut ? 400 : 5000;
        qint64 lastProgress = 0;
        request.progress = [&lastProgress](qint64 received, qint64) { lastProgress = received; };
        QObject context;
        int calls = 0;
        LWDownload::Result result;
        LWDownload::start(request, &context, [&](const LWDownload::Result &answer) {
            ++calls;
            result = answer;
        });
        QCOMPARE(calls, 0);
        QVERIFY(waitUntil([&] { return calls > 0; }));
        QTest::qWait(50);
        QCOMPARE(calls, 1);
        QCOMPARE(result.ok, ok);
        QCOMPARE(result.status, status);
        QVERIFY(!result.targetFailed);

        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray onDisk = file.readAll();
        if (toFile && ok) {
            QCOMPARE(onDisk, blob());
            QCOMPARE(lastProgress, qint64(blob().size()));
        } else {
            QCOMPARE(onDisk, QByteArray("what was there"));
        }
        QCOMPARE(result.bytes, !toFile && ok ? blob() : QByteArray());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"blob.bin"});
    }

    // A download stopped on purpose, or whose owner went, calls nobody back
    // and leaves nothing of itself on disk.
    void downloadStopped_data()
    {
        QTest::addColumn<bool>("ownerGoes");
        QTest::newRow("cancelled") << false;
        QTest::newRow("owner destroyed") << true;
    }
    void downloadStopped()
    {
        QFETCH(bool, ownerGoes);
        m_service.setFaults({{kBlobPath, QJsonObject{{"stallAfter", 20000}}}});
        QTemporaryDir folder;
        LWDownload::Request request;
        request.url = QUrl(m_service.base + kBlobPath);
        request.targetPath = folder.filePath(QStringLiteral("blob.bin"));
        qint64 received = 0;
        request.progress = [&received](qint64 bytes, qint64) { received = bytes; };
        auto *owner = new QObject;
        int calls = 0;
        QPointer<LWDownload> download =
            LWDownload::start(request, owner, [&calls](const LWDownload::Result &) { ++calls; });
        QVERIFY(waitUntil([&] { return received >= 20000; }));
        QVERIFY(!QFile::exists(request.targetPath));
        if (ownerGoes)
            delete owner;
        else
            download->cancel();
        QTest::qWait(100);
        QVERIFY(download.isNull());
        QCOMPARE(calls, 0);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        if (!ownerGoes)
            delete owner;
    }

    void downloadTargetUnwritable()
    {
        LWDownload::Request request;
        request.url = QUrl(m_service.base + kBlobPath);
        request.targetPath = m_dir.filePath(QStringLiteral("no/such/folder/blob.bin"));
        QObject context;
        int calls = 0;
        LWDownload::Result result;
        LWDownload::start(request, &context, [&](const LWDownload::Result &answer) {
            ++calls;
            result = answer;
        });
        QCOMPARE(calls, 0);
        QVERIFY(waitUntil([&] { return calls > 0; }));
        QVERIFY(!result.ok);
        QVERIFY(result.targetFailed);
    }
};

LW_TEST_MAIN(TstHttpBase)
#include "tst_httpbase.moc"
