#include "LWAppHost.h"
#include "LWCheckHelper.h"
#include "LWCrashHandler.h"
#include "LWCrashReporting.h"
#include "LWGuiApplication.h"
#include "LWLocalService.h"
#include "LWMainWindowController.h"
#include "LWQuitSignals.h"
#include "LWStartupProbe.h"
#include "common/LWLanguage.h"
#include "common/LWResources.h"
#include "common/LWRunMarker.h"
#include "common/LWSettings.h"
#include "online/LWBeaconProxy.h"

#include <QFont>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlDebuggingEnabler>
#include <QQuickWindow>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QQmlDebuggingEnabler enabler(false);
    LWSettings::applyIdentity();
    // The web engine shares OpenGL contexts with the windows, which must be
    // said before the application object exists; the engine itself starts
    // with the first web view.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    LWGuiApplication app(argc, argv);
    lwInitResources();

    QFont font(QStringLiteral("Microsoft YaHei"));
    QTranslator translator;
    const QString translation = LWLanguage::instance()->translatorPath();
    if (!translation.isEmpty() && translator.load(translation))
        app.installTranslator(&translator);
    QApplication::setFont(font);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/win_resource/AppIcon.ico")));

    LWCheckHelper::startCheck();
    const auto crashHandler = lwInstallCrashReporting();
    LWRunMarker::begin();
    LWQuitSignals::installForEditor();

    LWAppHost::registerTypes();
    LWAppHost::takeArguments(app.arguments());

    QQmlApplicationEngine engine;
    LWAppHost::publishServices(engine);
    // The home window alone stands between the launch and the first frame;
    // the other windows are loaded right after it, in their order, and at
    // once when anything asks for one of them earlier.
    QStringList documents = LWAppHost::windowDocuments();
    engine.load(QUrl(documents.takeFirst()));
    QQuickWindow *home = nullptr;
    for (QObject *root : engine.rootObjects()) {
        if (root->objectName() == QLatin1String("homeWinObj"))
            home = qobject_cast<QQuickWindow *>(root);
    }
    auto *controller = LWMainWindowController::instance();
    controller->attachEngine(&engine);
    controller->deferWindowDocuments(documents, home);
    controller->showHomeWindow();
    LWStartupProbe::reportFirstFrame(home);
    // A first start has no service to sign in with: the local one comes up
    // beside the editor unless something answers at its address already.
    LWLocalService::instance()->startForEditor(home);
    LWBeaconProxy::instance()->triggerOpenStudioEvent(LWBeaconnEventParam::gsOpenStudioDoubleClick);

    if (engine.rootObjects().isEmpty()) {
        LWRunMarker::end();
        return -1;
    }
    const int status = app.exec();
    LWRunMarker::end();
    return status;
}
