#include "LWInspectorShowcase.h"
#include "LWTestMain.h"
#include "app/LWAppHost.h"

#include <QDirIterator>
#include <QFileInfo>
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

// The inspector's documents draw one view-model class each.
bool isInspectorView(const QString &resourcePath)
{
    return resourcePath.startsWith(QLatin1String(":/LWViewCommon/LWSecView/"))
           || resourcePath.startsWith(QLatin1String(":/LWViewCommon/LWPropView/"))
           || resourcePath.startsWith(QLatin1String(":/LWViewCommon/LWSpecialView/"))
           || resourcePath.startsWith(QLatin1String(":/LWViewCommon/LWPanelView/"))
           || resourcePath == QLatin1String(":/LWViewCommon/LWListView.qml");
}

bool usesWebEngine(const QString &resourcePath)
{
    QFile file(resourcePath);
    return file.open(QIODevice::ReadOnly) && file.readAll().contains("QtWebEngine");
}

bool isSingleton(const QString &resourcePath)
{
    QFile file(resourcePath);
    return file.open(QIODevice::ReadOnly) && file.readAll().contains("pragma Singleton");
}

// A singleton cannot be created from its own file: a document that imports
// its folder and holds the instance loads it the way every user does.
QByteArray singletonUser(const QString &resourcePath)
{
    const QFileInfo file(resourcePath);
    return QStringLiteral("import QtQuick 2.15\nimport \"qrc%1\"\nQtObject { property QtObject instance: %2 }\n")
        .arg(file.path(), file.baseName())
        .toUtf8();
}

} // namespace

class TstQmlSmoke : public QObject
{
    Q_OBJECT

    LWInspectorShowcase::Uniforms m_uniforms;
    std::shared_ptr<LWInspectorViewModel> m_showcase; // owned for the run
    QHash<QString, QObject *> m_viewModels;          // document -> a node it draws

    void buildViewModels()
    {
        m_showcase = LWInspectorShowcase::build(QStringLiteral(LW_SHOWCASE_DIR), &m_uniforms);
        for (LWQmlViewModel *node : LWInspectorShowcase::allNodes(m_showcase.get())) {
            const QString path = node->qmlPath().mid(3); // "qrc:/x" -> ":/x"
            if (!path.isEmpty() && !m_viewModels.contains(path))
                m_viewModels.insert(path, node);
        }
    }

private slots:
    void initTestCase()
    {
        LWAppHost::registerTypes();
        g_previous = qInstallMessageHandler(collect);
        buildViewModels();
    }

    void documentLoadsCleanly_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("withViewModel");
        QDirIterator it(":/", {"*.qml"}, QDir::Files, QDirIterator::Subdirectories);
        QStringList paths;
        while (it.hasNext())
            paths << it.next();
        paths.sort();
        int rows = 0;
        for (const QString &path : paths) {
            if (usesWebEngine(path) != webPass())
                continue;
            QTest::newRow(qPrintable(path)) << path << false;
            ++rows;
            if (isInspectorView(path)) {
                QVERIFY2(m_viewModels.contains(path), qPrintable(path + " draws no node of the showcase profile"));
                QTest::newRow(qPrintable(path + " with its view-model")) << path << true;
            }
        }
        if (!webPass())
            QVERIFY2(rows >= 6, "the window documents are missing from the resources");
        if (rows == 0)
            QTest::newRow("no web documents yet") << QString() << false;
    }
    void documentLoadsCleanly()
    {
        QFETCH(QString, path);
        QFETCH(bool, withViewModel);
        if (path.isEmpty())
            return;
        g_messages.clear();
        QQmlEngine engine;
        LWAppHost::publishServices(engine);
        QQmlComponent component(&engine);
        if (isSingleton(path))
            component.setData(singletonUser(path), QUrl(QStringLiteral("qrc:/singletonUser.qml")));
        else
            component.loadUrl(QUrl("qrc" + path));
        // Creating from a component that failed to compile crashes in Qt.
        QVERIFY2(component.isReady(), qPrintable(component.errorString()));
        QVariantMap properties;
        if (withViewModel)
            properties.insert(QStringLiteral("viewModel"), QVariant::fromValue(m_viewModels.value(path)));
        QScopedPointer<QObject> object(component.createWithInitialProperties(properties));
        QVERIFY2(object, qPrintable(component.errorString()));
        if (isSingleton(path))
            QVERIFY(object->property("instance").value<QObject *>());
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
