// The local service beside the editor: started only where every sign of an
// address the author chose is absent and nothing answers, serving the demo
// account once up, and gone when the editor ends, however it ends.
#include "LWTestMain.h"
#include "app/LWLocalService.h"
#include "common/LWDataPaths.h"
#include "common/LWServiceConfig.h"
#include "online/LWLoginManager.h"
#include "online/LWLoginModel.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

namespace {

template <typename Predicate>
bool waitUntil(Predicate done, int ms = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

quint16 freePort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

bool refused(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return !socket.waitForConnected(2000) && socket.error() == QAbstractSocket::ConnectionRefusedError;
}

QUrl loopback(quint16 port)
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port));
}

} // namespace

class TstLocalService : public QObject
{
    Q_OBJECT
private slots:
    void addressToServe_data()
    {
        QTest::addColumn<QByteArray>("services");
        QTest::addColumn<bool>("served");
        QByteArray everyService = "{";
        for (const char *name : {"account", "sso", "publish", "materials", "feedback", "update", "analytics", "crash"})
            everyService += QByteArray("\"") + name + "\": \"http://10.0.0.1\",";
        everyService.back() = '}';
        QTest::newRow("no services.json") << QByteArray() << true;
        QTest::newRow("one service elsewhere") << QByteArray("{\"crash\": \"http://127.0.0.1:9000\"}") << true;
        QTest::newRow("every service elsewhere") << everyService << false;
        // Even the compiled address, once written down, is the author's.
        QTest::newRow("every service named as the default")
            << QByteArray(everyService).replace("http://10.0.0.1", "http://127.0.0.1:17865") << false;
        QTest::newRow("not JSON") << QByteArray("{\"account\": ") << false;
        QTest::newRow("not an object") << QByteArray("[]") << false;
    }
    void addressToServe()
    {
        QFETCH(QByteArray, services);
        QFETCH(bool, served);
        const QString path = LWDataPaths::dataFolder() + QStringLiteral("/services.json");
        QFile::remove(path);
        if (!services.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(services);
        }
        const QUrl address = LWLocalService::addressToServe();
        QCOMPARE(address, served ? QUrl(LWServiceConfig::defaultBaseUrl()) : QUrl());
        QFile::remove(path);
    }

    // What a first start needs: the demo account signs in at once.
    void startsWhereNothingAnswers()
    {
        QTemporaryDir dir;
        const quint16 port = freePort();
        LWLocalService service;
        QSignalSpy started(&service, &LWLocalService::started);
        service.startIfNothingAnswers(loopback(port), QStringLiteral(LWSERVICE_PATH), dir.filePath(QStringLiteral("data")),
                                      dir.filePath(QStringLiteral("lwservice.txt")));
        QVERIFY(started.wait(20000));
        QCOMPARE(started.first().first().toUrl(), loopback(port));
        QVERIFY(service.isRunning());
        QFileInfo data(dir.filePath(QStringLiteral("data")));
        QCOMPARE(data.permissions() & 0x0077, QFileDevice::Permissions());
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("data/lwservice.sqlite"))).isFile());

        for (const QString &name : LWServiceConfig::serviceNames())
            LWServiceConfig::setBaseUrl(name, loopback(port).toString());
        LWLoginModel form;
        form.setUserId(QStringLiteral("demo"));
        form.setPassword(QStringLiteral("glowsmith-demo"));
        form.loginRequest();
        QVERIFY(form.loginStatus());
        LWLoginManager::instance()->setSignedIn(false);

        service.stop();
        QVERIFY(!service.isRunning());
        QVERIFY(refused(port));
    }

    void leavesAnsweringAddressAlone()
    {
        QTcpServer someoneElse;
        QVERIFY(someoneElse.listen(QHostAddress::LocalHost));
        QTemporaryDir dir;
        LWLocalService service;
        QSignalSpy started(&service, &LWLocalService::started);
        QSignalSpy notStarted(&service, &LWLocalService::notStarted);
        service.startIfNothingAnswers(loopback(someoneElse.serverPort()), QStringLiteral(LWSERVICE_PATH), dir.path());
        QVERIFY(notStarted.wait(5000));
        QVERIFY(!service.isRunning());
        QCOMPARE(started.count(), 0);
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void missingProgramIsReported()
    {
        LWLocalService service;
        QSignalSpy notStarted(&service, &LWLocalService::notStarted);
        service.startIfNothingAnswers(loopback(freePort()), QString(), QStringLiteral("/nonexistent"));
        QVERIFY(notStarted.wait(5000));
        QVERIFY(!service.isRunning());
    }

    void endsWithTheEditor_data()
    {
        QTest::addColumn<bool>("killed");
        QTest::newRow("editor quits") << false;
        QTest::newRow("editor is killed") << true;
    }
    void endsWithTheEditor()
    {
        QFETCH(bool, killed);
        QTemporaryDir dir;
        const quint16 port = freePort();
        QProcess editor;
        editor.start(QStringLiteral(LW_LOCAL_SERVICE_CHILD),
                     {loopback(port).toString(), QStringLiteral(LWSERVICE_PATH), dir.filePath(QStringLiteral("data"))});
        QVERIFY(editor.waitForStarted(5000));
        QVERIFY(waitUntil([&] { return editor.canReadLine(); }, 20000));
        QCOMPARE(editor.readLine().trimmed(), QByteArray("up"));
        QVERIFY(!refused(port));
        if (killed) {
            editor.kill();
        } else {
            editor.write("quit\n");
            editor.closeWriteChannel();
        }
        QVERIFY(editor.waitForFinished(10000));
        QVERIFY(waitUntil([&] { return refused(port); }, 5000));
    }
};

LW_TEST_MAIN(TstLocalService)
#include "tst_localservice.moc"
