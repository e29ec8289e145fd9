#include "LWAppHost.h"

#include "CustomFileDialogAdapter.h"
#include "CustomTutorialDialogAdapter.h"
#include "LWMainWindowController.h"
#include "LWPendingOperation.h"
#include "LWPreviewViewModel.h"
#include "LWTemplateCatalogue.h"
#include "common/LWEffectCommon.h"
#include "windows/LWCompressFilesViewModel.h"
#include "features/LWFeatureCatalogue.h"
#include "features/LWMenuItemModel.h"
#include "common/LWDialogs.h"
#include "inspector/LWInspectorHub.h"
#include "inspector/LWInspectorResources.h"
#include "inspector/LWListViewListModel.h"
#include "inspector/LWListViewModel.h"
#include "inspector/LWPropColorStopModel.h"
#include "inspector/LWPropOptionItemModel.h"
#include "inspector/LWQmlViewModel.h"
#include "navigation/LWNaviTreeFlatModel.h"
#include "navigation/LWNaviTreeModel.h"
#include "online/LWBeaconProxy.h"
#include "online/LWFeedBackModel.h"
#include "online/LWLoginBridgeModel.h"
#include "online/LWOnlineTypes.h"
#include "online/LWUploadEffectChoiceModel.h"
#include "navigation/LWNaviTreeSelModel.h"
#include "resources/LWResourceComponentView.h"
#include "resources/LWPngCheckWindow.h"
#include "resources/LWResourceImageCheck.h"
#include "resources/LWResourceImportService.h"
#include "resources/LWResourceManager.h"
#include "scene/LWConstructDynamicImage.h"
#include "scene/LWImageProvider.h"
#include "scene/LWSceneHub.h"
#include "scene/LWSceneViewModel.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWPackageSizeEstimator.h"
#include "workspace/LWRecentProjects.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QQmlContext>
#include <qqml.h>
#include <QQmlEngine>

namespace {

// The dialogs every model asks for, shown through the controller's adapters. A
// tutorial hint the author switched off is skipped.
class AdapterDialogs : public LWDialogs
{
public:
    void openFile(const LWFileRequest &request, FilesPicked done) override
    {
        CustomFileDialogParam param;
        param.title = request.title;
        param.filter = request.filter;
        param.selectFolder = request.selectFolder;
        param.selectMultiple = request.selectMultiple;
        param.directory = request.directory;
        LWMainWindowController::instance()->fileDialogAdapter()->open(param, [done](const CustomFileDialogResult &result) {
            QList<QUrl> urls = result.fileUrls;
            if (urls.isEmpty() && !result.fileUrl.isEmpty())
                urls << result.fileUrl;
            if (urls.isEmpty() && !result.folder.isEmpty())
                urls << result.folder;
            done(urls);
        });
    }

    void showMessage(const QString &text) override
    {
        qWarning().noquote() << text;
        emit LWMainWindowController::instance()->authorMessage(text);
    }

    void showTutorial(const LWTutorialHint &tutorial, HintClosed done) override
    {
        auto *controller = LWMainWindowController::instance();
        if (!controller->needShowTutorial()) {
            done(true);
            return;
        }
        const CustomTutorialDialogParam param{tutorial.title, tutorial.content, tutorial.urlTutorial,
                                              tutorial.urlDownload};
        controller->tutorialDialogAdapter()->open(param, [controller, done](const CustomTutorialDialogResult &result) {
            if (result.neverShow)
                controller->setNeedShowTutorial(false);
            done(result.accepted);
        });
    }
};

// The project's resource library as the inspector's resource-backed
// controls see it; what the author picks there is imported like a drop on
// the resource navigator.
class LibraryResources : public LWInspectorResources
{
public:
    QList<LWInspectorResourceEntry> collectByType(int type, int constraint) const override
    {
        QList<LWInspectorResourceEntry> entries;
        const auto items = library()->collectByType(type, constraint);
        for (LWResourceViewBase *item : items) {
            if (auto *component = qobject_cast<LWResourceComponentView *>(item)) {
                const QString id = component->resourceId();
                const bool image = type != LWEffectCommon::LWResourceMusic;
                entries.append({id, component->title(), image ? library()->firstImage(id) : QString()});
            }
        }
        return entries;
    }
    QString absolutePath(const QString &id) const override { return library()->absolutePath(id); }
    QString firstImage(const QString &id) const override { return library()->firstImage(id); }
    int frameCount(const QString &id) const override { return library()->frameCount(id); }
    qint64 sizeOnDisk(const QString &id, bool *exists) const override { return library()->sizeOnDisk(id, exists); }
    QString displayName(const QString &id) const override { return library()->displayName(id); }
    int type(const QString &id) const override { return library()->type(id); }
    bool qualifies(const QString &id, int constraint, QString *error) const override
    {
        return library()->checkConstraint(id, constraint, error);
    }
    QString importPicked(int type, const QList<QUrl> &urls) override
    {
        if (urls.isEmpty())
            return QString();
        QStringList texts;
        for (const QUrl &url : urls)
            texts << url.toString(QUrl::FullyEncoded);
        ImportResourceParam param;
        param.returnResourceId = true;
        auto *packs = LWEffectPackManager::instance();
        if (type != LWEffectCommon::LWResourceType2DTextureFrame)
            return packs->importFileToWorkSpaceResource(texts.first(), param);
        if (QFileInfo(LWResourceImportService::pathFromUrl(texts.first())).isDir())
            return packs->importTextureFolderToWorkSpaceResource(texts.first(), param);
        return packs->importMultiFilesAsTextureToWorkSpaceResource(texts, param);
    }

    bool pickQualifies(int, const QList<QUrl> &urls, int constraint, QString *error) const override
    {
        if (urls.isEmpty())
            return false;
        QString image = LWResourceImportService::pathFromUrl(urls.first().toString(QUrl::FullyEncoded));
        if (QFileInfo(image).isDir()) {
            // A frame folder is judged by the frame the library would list first.
            const QStringList frames = QDir(image).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
            if (frames.isEmpty())
                return true; // nothing to judge; the import itself refuses it
            image = QDir(image).filePath(frames.first());
        }
        return LWResourceImageCheck::checkTextureConstraint(image, constraint, error);
    }

private:
    static LWResourceManager *library() { return LWResourceManager::instance(); }
};

// Edits in the inspector reach the controller, and the controller's
// broadcasts reach the inspector, through the inspector's hub.
void wireInspector()
{
    auto *hub = LWInspectorHub::instance();
    auto *controller = LWMainWindowController::instance();
    QObject::connect(hub, &LWInspectorHub::inspectorDataChanged, controller,
                     &LWMainWindowController::onInspectorDataChanged, Qt::UniqueConnection);
    QObject::connect(LWSceneHub::instance(), &LWSceneHub::sceneViewDataChanged, controller,
                     &LWMainWindowController::onSceneViewDataChanged, Qt::UniqueConnection);
    QObject::connect(controller, &LWMainWindowController::sceneViewDataChanged, hub,
                     &LWInspectorHub::sceneViewDataChanged, Qt::UniqueConnection);
    QObject::connect(controller, &LWMainWindowController::resourceModelDataChanged, hub,
                     &LWInspectorHub::resourceModelDataChanged, Qt::UniqueConnection);
    QObject::connect(controller, &LWMainWindowController::resLibDataChanged, hub,
                     &LWInspectorHub::resLibDataChanged, Qt::UniqueConnection);
    LWDialogs::install(std::make_unique<AdapterDialogs>());
    hub->setResources(std::make_unique<LibraryResources>());
}

// An oversized package leads the author to the batch compression window.
void wireCompression()
{
    LWMainWindowController::instance()->setCompressionWindowOpener(
        [](const QString &) { LWCompressFilesViewModel::instance()->showCompressFilesWindow(true); });
}

} // namespace

namespace LWAppHost {

void registerTypes()
{
    qRegisterMetaType<LWNaviTreeModel *>("LWNaviTreeModel*");
    qRegisterMetaType<LWNaviTreeSelModel *>("LWNaviTreeSelModel*");
    qRegisterMetaType<LWQmlViewModel *>("LWQmlViewModel*");
    qRegisterMetaType<LWListViewModel *>("LWListViewModel*");
    qRegisterMetaType<LWListViewListModel *>("LWListViewListModel*");
    qRegisterMetaType<LWPropColorStopModel *>("LWPropColorStopModel*");
    qRegisterMetaType<LWPropOptionItemModel *>("LWPropOptionItemModel*");
    qRegisterMetaType<QList<int>>("QList<int>");
    qRegisterMetaType<LWSceneViewModel *>("LWSceneViewModel*");
    qRegisterMetaType<LWMenuItemModel *>("LWMenuItemModel*");
    qRegisterMetaType<LWCompressFilesViewModel *>("LWCompressFilesViewModel*");
    qRegisterMetaType<QObjectList>("QObjectList");
    qRegisterMetaType<LWProjectInfo>("LWProjectInfo");
    qRegisterMetaType<LWEffectCommon::LWFeatureType>("LWEffectCommon::LWFeatureType");
    qRegisterMetaType<LWEffectCommon::LWNaviTreeType>("LWEffectCommon::LWNaviTreeType");
    LWOnlineTypes::registerQmlTypes();
    qmlRegisterType<LWNaviTreeFlatModel>("Glowsmith.Navigation", 1, 0, "LWNaviTreeFlatModel");
    qmlRegisterUncreatableMetaObject(LWPendingOperation::staticMetaObject, "Glowsmith.App", 1, 0, "LWPendingOperation",
                                     QStringLiteral("LWPendingOperation only names the save guard's operations"));
}

void publishServices(QQmlEngine &engine)
{
    QQmlContext *context = engine.rootContext();
    context->setContextProperty(QStringLiteral("mainWindowController"), LWMainWindowController::instance());
    context->setContextProperty(QStringLiteral("effectPackManager"), LWEffectPackManager::instance());
    context->setContextProperty(QStringLiteral("dynamicImgUpdate"), LWConstructDynamicImage::instance());
    // The engine owns what it is given; the pictures stay with the
    // process-wide objects the models write to.
    if (!engine.imageProvider(QStringLiteral("appImgFolder")))
        engine.addImageProvider(QStringLiteral("appImgFolder"), LWConstructDynamicImage::instance()->imageProvider());
    if (!engine.imageProvider(QStringLiteral("imageProvider")))
        engine.addImageProvider(QStringLiteral("imageProvider"), LWImageProvider::forEngine());
    LWFeedBackModel::instance()->setImageSink(LWImageProvider::instance());
    LWUploadEffectChoiceModel::instance()->setImageSink(LWImageProvider::instance());
    context->setContextProperty(QStringLiteral("beaconProxy"), LWBeaconProxy::instance());
    LWBeaconProxy::instance()->installAsUsageSink();
    context->setContextProperty(QStringLiteral("lwLoginBridgeModel"), LWLoginBridgeModel::instance());
    context->setContextProperty(QStringLiteral("packageSizeEstimator"), LWPackageSizeEstimator::instance());
    context->setContextProperty(QStringLiteral("previewModel"), LWPreviewViewModel::instance());
    if (!engine.imageProvider(QStringLiteral("lwpreview")))
        engine.addImageProvider(QStringLiteral("lwpreview"), LWPreviewViewModel::imageProvider());
    // The windows of the online services and of the compression read their
    // models here (the controller keeps the same names for older documents).
    auto *controller = LWMainWindowController::instance();
    const QList<QPair<const char *, QObject *>> windowModels{
        {"lwUploadEffectModel", controller->uploadEffectModel()},
        {"lwDraftUploadEffectModel", controller->draftUploadEffectModel()},
        {"lwUploadEffctChoiceModel", controller->uploadEffectChoiceModel()},
        {"lwCheckUpdateModel", controller->checkUpdateModel()},
        {"feedBackModel", controller->feedBackModel()},
        {"materialsModel", controller->materialsModel()},
        {"lwCompressFilesViewModel", controller->compressFilesViewModel()},
    };
    for (const auto &model : windowModels)
        context->setContextProperty(QLatin1String(model.first), model.second);
    context->setContextProperty(QStringLiteral("templateCatalogue"), LWTemplateCatalogue::instance());
    context->setContextProperty(QStringLiteral("featureCatalogue"), LWFeatureCatalogue::instance());
    wireServices();
}

void wireServices()
{
    wireInspector();
    wireCompression();
    // A refused import tells the author why in the check window.
    static const QMetaObject::Connection refusals =
        QObject::connect(LWResourceImportService::instance(), &LWResourceImportService::importRefused,
                         LWMainWindowController::instance(),
                         [](LWResourceImportService::Refusal refusal, const QString &path) {
                             LWPngCheckWindow::show(refusal == LWResourceImportService::Refusal::PngDepth
                                                        ? QString()
                                                        : LWResourceImportService::refusalMessage(refusal, path));
                         });
    Q_UNUSED(refusals);
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
