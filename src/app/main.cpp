#include "LWAppHost.h"
#include "LWCheckHelper.h"
#include "LWCrashHandler.h"
#include "LWCrashReporting.h"
#include "LWGuiApplication.h"
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
#include <QtWebEngine>

int main(int argc, char *argv[])
{
    QQmlDebuggingEnabler enabler(false);
    LWSettings::applyIdentity();
    // The web engine shares OpenGL contexts with the windows; it must be set
    // up before the application object exists.
    QtWebEngine::initialize();
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
    for (const QString &document : LWAppHost::windowDocuments())
        engine.load(QUrl(document));
    LWMainWindowController::instance()->attachEngine(&engine);
    LWMainWindowController::instance()->showHomeWindow();
    for (QObject *root : engine.rootObjects()) {
        if (root->objectName() == QLatin1String("homeWinObj"))
            LWStartupProbe::reportFirstFrame(qobject_cast<QQuickWindow *>(root));
    }
    LWBeaconProxy::instance()->triggerOpenStudioEvent(LWBeaconnEventParam::gsOpenStudioDoubleClick);

    if (engine.rootObjects().isEmpty()) {
        LWRunMarker::end();
        return -1;
    }
    const int status = app.exec();
    LWRunMarker::end();
    return status;
}
