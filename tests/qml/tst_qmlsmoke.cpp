#include "LWTestMain.h"
#include "app/LWAppHost.h"

#include <QDirIterator>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtWebEngine>

namespace {

QStringList g_messages;
QtMessageHandler g_previous = nullptr;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_messages << message;
    if (g_previous)
        g_previous(type, context, message);
}

bool webPass()
{
    return qEnvironmentVariableIsSet("LW_QML_WEB");
}

bool usesWebEngine(const QString &resourcePath)
{
    QFile file(resourcePath);
    return file.open(QIODevice::ReadOnly) && file.readAll().contains("QtWebEngine");
}

} // namespace

class TstQmlSmoke : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        LWAppHost::registerTypes();
        g_previous = qInstallMessageHandler(collect);
    }

    void documentLoadsCleanly_data()
    {
        QTest::addColumn<QString>("path");
        QDirIterator it(":/", {"*.qml"}, QDir::Files, QDirIterator::Subdirectories);
        QStringList paths;
        while (it.hasNext())
            paths << it.next();
        paths.sort();
        int rows = 0;
        for (const QString &path : paths) {
            if (usesWebEngine(path) != webPass())
                continue;
            QTest::newRow(qPrintable(path)) << path;
            ++rows;
        }
        if (!webPass())
            QVERIFY2(rows >= 6, "the window documents are missing from the resources");
        if (rows == 0)
            QTest::newRow("no web documents yet") << QString();
    }
    void documentLoadsCleanly()
    {
        QFETCH(QString, path);
        if (path.isEmpty())
            return;
        g_messages.clear();
        QQmlEngine engine;
        LWAppHost::publishServices(engine);
        QQmlComponent component(&engine, QUrl("qrc" + path));
        QScopedPointer<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCoreApplication::processEvents();
        QVERIFY2(g_messages.isEmpty(), qPrintable(g_messages.join('\n')));
    }
};

int main(int argc, char **argv)
{
    LWTest::isolate();
    if (webPass())
        QtWebEngine::initialize();
    QGuiApplication app(argc, argv);
    TstQmlSmoke test;
    return LWTest::run(argc, argv, &test);
}
#include "tst_qmlsmoke.moc"
