// lwservice's HTTP layer in this process: the request parser against
// floods and oversized pieces, request bodies kept in memory or spooled to
// disk under a shared budget, the addresses a request may name, and a
// server with small limits against slow and idle clients. Traffic stays on
// the loopback interface (127.0.0.1 and 127.0.0.2 as a second peer).
#include "LWTestMain.h"

#include "HostPolicy.h"
#include "FaultInjector.h"
#include "HttpParser.h"
#include "HttpServer.h"
#include "RequestBody.h"
#include "Router.h"
#include "ServerConfig.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

HttpParser parserWithLimit(qint64 bodyLimit)
{
    HttpParser parser;
    parser.setBodyLimitProvider([bodyLimit](const HttpRequest &) { return bodyLimit; });
    return parser;
}

QStringList spoolFiles(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
}

// A server of the HTTP layer alone: "/" answers at once, "/slow" keeps its
// connection busy for two seconds (a delay fault), "/post" takes bodies.
class TestServer
{
public:
    explicit TestServer(const HttpServer::Limits &limits)
        : m_config(m_dir.path())
        , m_faults(&m_config)
    {
        QSaveFile file(m_dir.filePath(QStringLiteral("config.json")));
        file.open(QIODevice::WriteOnly);
        file.write(QJsonDocument(QJsonObject{{"faults", QJsonObject{{"/slow", QJsonObject{{"delayMs", 2000}}}}}}).toJson());
        file.commit();
        const auto ok = [](const HttpRequest &) { return HttpResponse::ok(); };
        m_router.add("GET", QStringLiteral("/"), ok);
        m_router.add("GET", QStringLiteral("/slow"), ok);
        m_router.add("POST", QStringLiteral("/post"), ok, 1 << 20);
        HttpServer::Limits withSpool = limits;
        withSpool.spoolDir = m_dir.path();
        m_server = std::make_unique<HttpServer>(&m_router, &m_faults, withSpool);
        m_server->listen(QHostAddress(QHostAddress::LocalHost), 0);
    }

    quint16 port() const { return m_server->port(); }
    HttpServer &server() { return *m_server; }

private:
    QTemporaryDir m_dir;
    ServerConfig m_config;
    FaultInjector m_faults;
    Router m_router;
    std::unique_ptr<HttpServer> m_server;
};

// A client socket, optionally bound to another loopback address so the
// server sees a second peer.
std::unique_ptr<QTcpSocket> connectTo(quint16 port, const QString &from = QString())
{
    auto socket = std::make_unique<QTcpSocket>();
    if (!from.isEmpty())
        socket->bind(QHostAddress(from));
    socket->connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    return socket;
}

bool waitConnected(QTcpSocket &socket)
{
    QElapsedTimer clock;
    clock.start();
    while (socket.state() != QAbstractSocket::ConnectedState && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return socket.state() == QAbstractSocket::ConnectedState;
}

// Spins the event loop (the server lives in this thread) until the socket
// has a whole reply head or is closed.
QByteArray waitReply(QTcpSocket &socket, int ms = 5000)
{
    QByteArray received;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        received += socket.readAll();
        if (received.contains("\r\n\r\n") || socket.state() != QAbstractSocket::ConnectedState)
            break;
    }
    return received + socket.readAll();
}

bool closedByServer(QTcpSocket &socket)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return socket.state() != QAbstractSocket::ConnectedState;
}

const QByteArray kGet = "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";

} // namespace

class TstLwServiceHttp : public QObject
{
    Q_OBJECT

private slots:
    // ---- parser -----------------------------------------------------------

    void blankLinesBeforeARequest_data()
    {
        QTest::addColumn<int>("blankLines");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("none") << 0 << true;
        QTest::newRow("one after a body") << 1 << true;
        QTest::newRow("at the bound") << 16 << true;
        QTest::newRow("one past the bound") << 17 << false;
    }
    void blankLinesBeforeARequest()
    {
        QFETCH(int, blankLines);
        QFETCH(bool, accepted);
        HttpParser parser = parserWithLimit(0);
        parser.append(QByteArray("\r\n").repeated(blankLines) + "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
        const HttpParser::Result result = parser.advance();
        QCOMPARE(result, accepted ? HttpParser::Result::Complete : HttpParser::Result::Failed);
        if (!accepted)
            QCOMPARE(parser.errorStatus(), 400);
    }

    void floodOfBlankLinesIsNotKept()
    {
        // Fed in pieces below the bound, then past it: the buffer never
        // holds what was consumed.
        HttpParser parser = parserWithLimit(0);
        HttpParser::Result result = HttpParser::Result::NeedMore;
        int rounds = 0;
        while (result == HttpParser::Result::NeedMore && rounds < 1000) {
            parser.append("\r\n");
            result = parser.advance();
            QVERIFY(parser.bufferedBytes() <= 2);
            ++rounds;
        }
        QCOMPARE(result, HttpParser::Result::Failed);
        QCOMPARE(rounds, 17);
    }

    void consumedLinesAreDropped_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("piece");
        QTest::addColumn<int>("pieces");
        QTest::addColumn<QByteArray>("tail");
        const QByteArray chunked = "POST /x HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n";
        QTest::newRow("one-byte chunks") << chunked << QByteArray("1\r\nx\r\n") << 20000 << QByteArray("0\r\n\r\n");
        QTest::newRow("chunks in CR LF halves") << chunked << QByteArray("2\r") << 1 << QByteArray();
        QTest::newRow("header lines") << QByteArray("GET / HTTP/1.1\r\n") << QByteArray("X-A: 1\r\n") << 90 << QByteArray("\r\n");
    }
    void consumedLinesAreDropped()
    {
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, piece);
        QFETCH(int, pieces);
        QFETCH(QByteArray, tail);
        HttpParser parser = parserWithLimit(1024 * 1024);
        parser.append(head);
        QCOMPARE(parser.advance(), HttpParser::Result::NeedMore);
        qint64 most = 0;
        for (int i = 0; i < pieces; ++i) {
            parser.append(piece);
            QCOMPARE(parser.advance(), HttpParser::Result::NeedMore);
            most = qMax(most, parser.bufferedBytes());
        }
        QVERIFY2(most < 64, qPrintable(QString::number(most)));
        if (tail.isEmpty())
            return;
        parser.append(tail);
        QCOMPARE(parser.advance(), HttpParser::Result::Complete);
        if (head.startsWith("POST"))
            QCOMPARE(parser.takeRequest().body, QByteArray(pieces, 'x'));
    }

    void headAndChunkBounds_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        QByteArray wide("GET / HTTP/1.1\r\n");
        for (int i = 0; i < 90; ++i)
            wide += "X-H" + QByteArray::number(i) + ": " + QByteArray(400, 'v') + "\r\n";
        QTest::newRow("head over 32 KiB in short lines") << QByteArray(wide + "\r\n") << 431;
        const QByteArray chunked = "POST /x HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n";
        QTest::newRow("a short extension") << QByteArray(chunked + "1;name=value\r\nx\r\n0\r\n\r\n") << 0;
        QTest::newRow("extensions over 4 KiB in all")
            << QByteArray(chunked + QByteArray("1;" + QByteArray(500, 'e') + "\r\nx\r\n").repeated(10) + "0\r\n\r\n") << 400;
        QTest::newRow("one chunk line over its bound") << QByteArray(chunked + "1;" + QByteArray(2000, 'e') + "\r\nx\r\n") << 400;
    }
    void headAndChunkBounds()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, status);
        HttpParser parser = parserWithLimit(1024 * 1024);
        parser.append(request);
        const HttpParser::Result result = parser.advance();
        if (status == 0) {
            QCOMPARE(result, HttpParser::Result::Complete);
        } else {
            QCOMPARE(result, HttpParser::Result::Failed);
            QCOMPARE(parser.errorStatus(), status);
        }
    }

    // ---- host and origin --------------------------------------------------

    void hostsAndOrigins_data()
    {
        QTest::addColumn<QString>("listen");
        QTest::addColumn<QString>("local"); // the address that took the connection
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QByteArray>("host");   // "-": no Host header
        QTest::addColumn<QByteArray>("origin"); // "-": no Origin header
        QTest::addColumn<int>("status");
        const QString lo = QStringLiteral("127.0.0.1");
        QTest::newRow("loopback address") << lo << lo << QByteArray("GET") << QByteArray("127.0.0.1:17865") << QByteArray("-") << 0;
        QTest::newRow("localhost in capitals") << lo << lo << QByteArray("GET") << QByteArray("LocalHost:17865") << QByteArray("-") << 0;
        QTest::newRow("IPv6 loopback") << lo << lo << QByteArray("GET") << QByteArray("[::1]:17865") << QByteArray("-") << 0;
        QTest::newRow("no port named") << lo << lo << QByteArray("GET") << QByteArray("127.0.0.1") << QByteArray("-") << 0;
        QTest::newRow("no Host at all") << lo << lo << QByteArray("GET") << QByteArray("-") << QByteArray("-") << 0;
        QTest::newRow("rebinding name") << lo << lo << QByteArray("GET") << QByteArray("evil.example:17865") << QByteArray("-") << 421;
        QTest::newRow("rebinding name, no port") << lo << lo << QByteArray("GET") << QByteArray("evil.example") << QByteArray("-") << 421;
        QTest::newRow("other port") << lo << lo << QByteArray("GET") << QByteArray("127.0.0.1:80") << QByteArray("-") << 421;
        QTest::newRow("other loopback address") << lo << lo << QByteArray("GET") << QByteArray("127.0.0.2:17865") << QByteArray("-") << 421;
        QTest::newRow("short form") << lo << lo << QByteArray("GET") << QByteArray("127.1:17865") << QByteArray("-") << 421;
        QTest::newRow("trailing dot") << lo << lo << QByteArray("GET") << QByteArray("localhost.:17865") << QByteArray("-") << 421;
        QTest::newRow("two ports") << lo << lo << QByteArray("GET") << QByteArray("127.0.0.1:17865:1") << QByteArray("-") << 421;
        QTest::newRow("bare IPv6") << lo << lo << QByteArray("GET") << QByteArray("::1:17865") << QByteArray("-") << 421;
        QTest::newRow("empty Host") << lo << lo << QByteArray("GET") << QByteArray("") << QByteArray("-") << 421;
        QTest::newRow("listen address of a phone setup") << "192.0.2.10" << "192.0.2.10" << QByteArray("GET")
                                                         << QByteArray("192.0.2.10:17865") << QByteArray("-") << 0;
        QTest::newRow("another machine's address") << "192.0.2.10" << "192.0.2.10" << QByteArray("GET")
                                                   << QByteArray("192.0.2.11:17865") << QByteArray("-") << 421;
        QTest::newRow("all addresses: the one reached") << "0.0.0.0" << "192.0.2.10" << QByteArray("GET")
                                                        << QByteArray("192.0.2.10:17865") << QByteArray("-") << 0;
        QTest::newRow("all addresses: another one") << "0.0.0.0" << "192.0.2.10" << QByteArray("GET")
                                                    << QByteArray("192.0.2.99:17865") << QByteArray("-") << 421;
        const QByteArray host = "127.0.0.1:17865";
        QTest::newRow("own origin") << lo << lo << QByteArray("POST") << host << QByteArray("http://127.0.0.1:17865") << 0;
        QTest::newRow("own origin by name") << lo << lo << QByteArray("POST") << host << QByteArray("http://localhost:17865") << 0;
        QTest::newRow("foreign origin") << lo << lo << QByteArray("POST") << host << QByteArray("http://evil.example") << 403;
        QTest::newRow("foreign origin on a PUT") << lo << lo << QByteArray("PUT") << host << QByteArray("http://evil.example") << 403;
        QTest::newRow("a local site on port 80") << lo << lo << QByteArray("POST") << host << QByteArray("http://127.0.0.1") << 403;
        QTest::newRow("other scheme") << lo << lo << QByteArray("POST") << host << QByteArray("https://127.0.0.1:17865") << 403;
        QTest::newRow("opaque origin") << lo << lo << QByteArray("POST") << host << QByteArray("null") << 403;
        QTest::newRow("foreign origin reading") << lo << lo << QByteArray("GET") << host << QByteArray("http://evil.example") << 0;
    }
    void hostsAndOrigins()
    {
        QFETCH(QString, listen);
        QFETCH(QString, local);
        QFETCH(QByteArray, method);
        QFETCH(QByteArray, host);
        QFETCH(QByteArray, origin);
        QFETCH(int, status);
        const HostPolicy policy(QHostAddress(listen), 17865);
        HttpRequest request;
        request.method = method;
        request.target = "/";
        if (host != "-")
            request.headers.append(qMakePair(QByteArray("host"), host));
        if (origin != "-")
            request.headers.append(qMakePair(QByteArray("origin"), origin));
        QByteArray message;
        QCOMPARE(policy.check(request, QHostAddress(local), &message), status);
        QCOMPARE(message.isEmpty(), status == 0);
    }

    void hostNamedInTheTarget()
    {
        const HostPolicy policy(QHostAddress(QHostAddress::LocalHost), 17865);
        HttpRequest request;
        request.method = "GET";
        request.target = "http://evil.example:17865/api/feedback/messages";
        request.headers.append(qMakePair(QByteArray("host"), QByteArray("127.0.0.1:17865")));
        QByteArray message;
        QCOMPARE(policy.check(request, QHostAddress(QHostAddress::LocalHost), &message), 421);
        request.headers.append(qMakePair(QByteArray("host"), QByteArray("127.0.0.1:17865")));
        request.target = "/";
        QCOMPARE(policy.check(request, QHostAddress(QHostAddress::LocalHost), &message), 400);
    }

    // ---- slow clients -----------------------------------------------------

    void slowRequestsMeetTheirDeadline_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<int>("bodyBytesPerTick"); // every 50 ms; 0: the head trickles a byte a tick
        QTest::addColumn<QByteArray>("reason");    // empty: served
        QTest::newRow("headers a byte at a time") << QByteArray("GET / HTTP/1.1\r\nX-Slow: ") << 0
                                                  << QByteArray("request headers not completed in time");
        const QByteArray post = "POST /post HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 200000\r\n\r\n";
        QTest::newRow("body below the least rate") << post << 50 << QByteArray("request body arriving too slowly");
        QTest::newRow("body above the rate, past the deadline") << post << 2000 << QByteArray("request not completed in time");
        QTest::newRow("body in time") << QByteArray("POST /post HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 20000\r\n\r\n")
                                      << 4000 << QByteArray();
    }
    void slowRequestsMeetTheirDeadline()
    {
        QFETCH(QByteArray, head);
        QFETCH(int, bodyBytesPerTick);
        QFETCH(QByteArray, reason);
        HttpServer::Limits limits;
        limits.connection.headDeadlineMs = 400;
        limits.connection.requestDeadlineMs = 1200;
        limits.connection.bodyGraceMs = 300;
        limits.connection.minBodyRate = 10000; // the first row sends 1000 bytes a second
        TestServer server(limits);
        auto socket = connectTo(server.port());
        QVERIFY(waitConnected(*socket));
        QElapsedTimer clock;
        clock.start();
        // Never silent for more than 50 ms: only the deadlines end this.
        QTimer tick;
        int sent = 0;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            if (bodyBytesPerTick == 0)
                socket->write("a");
            else if (sent < 20000 || !reason.isEmpty())
                socket->write(QByteArray(bodyBytesPerTick, 'b')), sent += bodyBytesPerTick;
        });
        socket->write(head);
        tick.start(50);
        const QByteArray reply = waitReply(*socket, 4000);
        const qint64 took = clock.elapsed();
        if (reason.isEmpty()) {
            QVERIFY2(reply.startsWith("HTTP/1.1 200"), reply.constData());
            return;
        }
        QVERIFY2(reply.startsWith("HTTP/1.1 408"), reply.constData());
        QVERIFY2(reply.contains(reason), reply.constData());
        QVERIFY2(took < 2500, qPrintable(QString::number(took)));
    }

    void fullServerLetsTheLeastUsefulGo_data()
    {
        QTest::addColumn<QByteArray>("held"); // what the four connections already there send
        QTest::addColumn<bool>("served");
        QTest::newRow("idle") << QByteArray() << true;
        QTest::newRow("headers begun") << QByteArray("GET / HTTP/1.1\r\nX-Slow: ") << true;
        QTest::newRow("body begun") << QByteArray("POST /post HTTP/1.1\r\nContent-Length: 1000\r\n\r\nabc") << true;
        QTest::newRow("all at work") << QByteArray("GET /slow HTTP/1.1\r\n\r\n") << false;
    }
    void fullServerLetsTheLeastUsefulGo()
    {
        QFETCH(QByteArray, held);
        QFETCH(bool, served);
        HttpServer::Limits limits;
        limits.maxConnections = 4;
        TestServer server(limits);
        std::vector<std::unique_ptr<QTcpSocket>> old;
        for (int i = 0; i < 4; ++i) {
            old.push_back(connectTo(server.port()));
            QVERIFY(waitConnected(*old.back()));
            old.back()->write(held);
            QTest::qWait(30); // so that they differ in age
        }
        QTRY_COMPARE(server.server().connectionCount(), 4);
        auto fresh = connectTo(server.port());
        fresh->write(kGet); // goes out once connected
        const QByteArray reply = waitReply(*fresh);
        QVERIFY2(reply.startsWith(served ? "HTTP/1.1 200" : "HTTP/1.1 503"), reply.constData());
        if (!served)
            return;
        // The oldest went, the others stay.
        QVERIFY(closedByServer(*old.front()));
        for (size_t i = 1; i < old.size(); ++i)
            QVERIFY(!closedByServer(*old.at(i)));
    }

    void perPeerCapLetsThatPeersOwnGo()
    {
        HttpServer::Limits limits;
        limits.maxConnectionsPerPeer = 2;
        TestServer server(limits);
        // Another peer's connection, older than all of the first peer's.
        auto other = connectTo(server.port(), QStringLiteral("127.0.0.1"));
        QVERIFY(waitConnected(*other));
        other->write("GET / HTTP/1.1\r\nX-Slow: ");
        QTest::qWait(30);
        std::vector<std::unique_ptr<QTcpSocket>> peer;
        for (int i = 0; i < 3; ++i) {
            peer.push_back(connectTo(server.port(), QStringLiteral("127.0.0.2")));
            QVERIFY(waitConnected(*peer.back()));
            peer.back()->write("GET / HTTP/1.1\r\nX-Slow: ");
            QTest::qWait(30);
        }
        QTRY_COMPARE(server.server().connectionCount(), 3);
        QVERIFY(closedByServer(*peer.at(0)));
        QVERIFY(!closedByServer(*peer.at(1)));
        QVERIFY(!closedByServer(*peer.at(2)));
        QVERIFY(!closedByServer(*other));
    }

    // ---- request bodies ---------------------------------------------------

    void bodyStorage_data()
    {
        QTest::addColumn<qint64>("othersInMemory"); // taken by other requests
        QTest::addColumn<qint64>("diskBudget");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("onDisk");
        QTest::addColumn<bool>("busy");
        QTest::newRow("small, in memory") << qint64(0) << qint64(1 << 20) << 1000 << false << false;
        QTest::newRow("over the allowance of one body") << qint64(0) << qint64(1 << 20) << 300000 << true << false;
        QTest::newRow("memory budget spent by others") << qint64(32 << 20) << qint64(1 << 20) << 1000 << true << false;
        QTest::newRow("disk budget spent") << qint64(0) << qint64(200000) << 300000 << true << true;
    }
    void bodyStorage()
    {
        QFETCH(qint64, othersInMemory);
        QFETCH(qint64, diskBudget);
        QFETCH(int, size);
        QFETCH(bool, onDisk);
        QFETCH(bool, busy);
        QTemporaryDir dir;
        BodyBudget::Limits limits;
        limits.disk = diskBudget;
        auto budget = std::make_shared<BodyBudget>(limits, dir.path());
        QVERIFY(budget->takeMemory(othersInMemory));
        const QByteArray bytes(size, 'b');
        {
            RequestBody body(budget, -1); // chunked: the size is learnt on the way
            RequestBody::Status status = RequestBody::Status::Ok;
            for (int at = 0; at < size && status == RequestBody::Status::Ok; at += 4096)
                status = body.append(bytes.constData() + at, qMin(4096, size - at));
            QCOMPARE(status, busy ? RequestBody::Status::Busy : RequestBody::Status::Ok);
            QCOMPARE(body.onDisk(), onDisk);
            if (!busy)
                QCOMPARE(budget->diskInUse() == size, onDisk);
            QVERIFY(budget->memoryInUse() - othersInMemory <= limits.memoryPerBody);
            QVERIFY(budget->diskInUse() <= diskBudget);
            if (!busy) {
                QVERIFY(body.finish());
                QCOMPARE(body.bytes(), bytes);
            }
        }
        // Everything is given back and the spool file is gone.
        QCOMPARE(budget->memoryInUse(), othersInMemory);
        QCOMPARE(budget->diskInUse(), qint64(0));
        QVERIFY(spoolFiles(dir).isEmpty());
    }

    void largeBodyWaitsOnDisk()
    {
        QTemporaryDir dir;
        auto budget = std::make_shared<BodyBudget>(BodyBudget::Limits(), dir.path());
        HttpParser parser = parserWithLimit(8 << 20);
        parser.setBodyBudget(budget);
        const QByteArray body = QByteArray("0123456789abcdef").repeated(1 << 16); // 1 MiB
        parser.append("POST /x HTTP/1.1\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n");
        QCOMPARE(parser.advance(), HttpParser::Result::NeedMore);
        for (int at = 0; at + 65536 < body.size(); at += 65536) {
            parser.append(body.mid(at, 65536));
            QCOMPARE(parser.advance(), HttpParser::Result::NeedMore);
            QVERIFY(parser.bufferedBytes() == 0);
            QCOMPARE(budget->memoryInUse(), qint64(0));
        }
        QCOMPARE(budget->diskInUse(), qint64(body.size() - 65536));
        parser.append(body.right(65536));
        QCOMPARE(parser.advance(), HttpParser::Result::Complete);
        {
            const HttpRequest request = parser.takeRequest();
            QCOMPARE(request.body, body);
            parser.reset();
        }
        QVERIFY(spoolFiles(dir).isEmpty());
        QCOMPARE(budget->diskInUse(), qint64(0));

        // A server out of spool room answers "busy" rather than holding on.
        BodyBudget::Limits small;
        small.disk = 100000;
        parser.setBodyBudget(std::make_shared<BodyBudget>(small, dir.path()));
        parser.append("POST /x HTTP/1.1\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
        QCOMPARE(parser.advance(), HttpParser::Result::Failed);
        QCOMPARE(parser.errorStatus(), 503);
    }
};

LW_TEST_MAIN(TstLwServiceHttp)
#include "tst_lwservice_http.moc"
