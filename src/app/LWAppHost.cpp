#include "LWAppHost.h"

#include "LWMainWindowController.h"
#include "common/LWEffectCommon.h"
#include "common/PostEventOffice.h"
#include "features/LWMenuItemModel.h"
#include "inspector/LWQmlViewModel.h"
#include "navigation/LWNaviTreeModel.h"
#include "navigation/LWNaviTreeSelModel.h"
#include "scene/LWSceneViewModel.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWRecentProjects.h"

#include <QFileInfo>
#include <QQmlContext>
#include <QQmlEngine>

namespace LWAppHost {

void registerTypes()
{
    qRegisterMetaType<LWNaviTreeModel *>("LWNaviTreeModel*");
    qRegisterMetaType<LWNaviTreeSelModel *>("LWNaviTreeSelModel*");
    qRegisterMetaType<LWQmlViewModel *>("LWQmlViewModel*");
    qRegisterMetaType<LWSceneViewModel *>("LWSceneViewModel*");
    qRegisterMetaType<LWMenuItemModel *>("LWMenuItemModel*");
    qRegisterMetaType<QObjectList>("QObjectList");
    qRegisterMetaType<LWProjectInfo>("LWProjectInfo");
    qRegisterMetaType<LWEPEvent>("LWEPEvent");
    qRegisterMetaType<LWEffectCommon::LWFeatureType>("LWEffectCommon::LWFeatureType");
    qRegisterMetaType<LWEffectCommon::LWNaviTreeType>("LWEffectCommon::LWNaviTreeType");
}

void publishServices(QQmlEngine &engine)
{
    QQmlContext *context = engine.rootContext();
    context->setContextProperty(QStringLiteral("mainWindowController"), LWMainWindowController::instance());
    context->setContextProperty(QStringLiteral("effectPackManager"), LWEffectPackManager::instance());
}

QStringList windowDocuments()
{
    return {
        QStringLiteral("qrc:/LWHome/LWHomeWindow.qml"),
        QStringLiteral("qrc:/LWLogin/LWLoginBridge/LWLoginBridge.qml"),
        QStringLiteral("qrc:/LWMainWindow/LWMainWindow.qml"),
        QStringLiteral("qrc:/LWStudioUpdate/LWCheckUpdateWindow.qml"),
        QStringLiteral("qrc:/LWStudioUpdate/LWCheckUpDownloadWindow.qml"),
        QStringLiteral("qrc:/LWCompressFiles/LWCompressFilesWindow.qml"),
    };
}

void takeArguments(const QStringList &arguments)
{
    if (arguments.size() != 2)
        return;
    const QFileInfo file(arguments.at(1));
    if (file.isFile() && file.suffix().compare(QLatin1String("lwproj"), Qt::CaseInsensitive) == 0)
        LWMainWindowController::instance()->setDefaultProjPath(file.absoluteFilePath());
}

} // namespace LWAppHost
