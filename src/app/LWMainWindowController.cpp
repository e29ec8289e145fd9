#include "LWMainWindowController.h"

#include "CustomFileDialogAdapter.h"
#include "CustomTutorialDialogAdapter.h"
#include "common/LWLanguage.h"
#include "common/LWServiceConfig.h"
#include "navigation/LWNaviTreeItem.h"
#include "online/LWCheckUpdateWindowModel.h"
#include "online/LWFeedBackModel.h"
#include "online/LWLoginBridgeModel.h"
#include "online/LWLoginManager.h"
#include "online/LWMaterialsOnLine.h"
#include "online/LWUploadDraftEffectModel.h"
#include "online/LWUploadEffectChoiceModel.h"
#include "online/LWUploadEffectModel.h"
#include "online/LWUploadPackage.h"
#include "resources/LWResourceImportService.h"
#include "resources/LWResourceManager.h"
#include "resources/LWTemplateResourceReceiver.h"
#include "undo/LWUndoStack.h"
#include "windows/LWCompressFilesViewModel.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWPhonePreviewSender.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <QDebug>
#include <QMutex>
#include <QQmlPropertyMap>
#include <QUrl>

LWMainWindowController *LWMainWindowController::instance()
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    static LWMainWindowController *controller = nullptr;
    if (!controller)
        controller = new LWMainWindowController;
    return controller;
}

LWMainWindowController::LWMainWindowController()
    : QObject(QCoreApplication::instance())
    , m_selection(new LWEditorSelection(this))
    , m_windows(new LWWindowSwitcher(this))
    , m_session(new LWSessionState(this))
    , m_phoneSender(new LWPhonePreviewSender(this))
{
    connect(m_selection, &LWEditorSelection::effectTreeChanged, this, [this] {
        emit effectNaviTreeModelChanged();
        emit effectNaviTreeSelModelChanged();
    });
    connect(m_selection, &LWEditorSelection::resourceTreeChanged, this, [this] {
        emit resourceNaviTreeModelChanged();
        emit resourceNaviTreeSelModelChanged();
    });
    connect(m_selection, &LWEditorSelection::inspectorChanged, this, &LWMainWindowController::inspectorViewModelChanged);
    connect(m_selection, &LWEditorSelection::sceneChanged, this, &LWMainWindowController::sceneViewModelChanged);
    connect(m_selection, &LWEditorSelection::resourceFilterChanged, this,
            &LWMainWindowController::resourceModelDataChanged);
    connect(m_session, &LWSessionState::currentLanguageTypeChanged, this,
            &LWMainWindowController::currentLanguageTypeChanged);

    connect(LWLoginManager::instance(), &LWLoginManager::accountOverDue, this,
            &LWMainWindowController::accountOverDueSignal);
    // A sign-out starts the program afresh, signed out in every window.
    connect(LWLoginManager::instance(), &LWLoginManager::signedOutByAuthor, this, &LWMainWindowController::restart);

    auto *manager = LWEffectPackManager::instance();
    connect(manager, &LWEffectPackManager::effectInWorkspaceChanged, this,
            &LWMainWindowController::onEffectInWorkspaceChanged);
    connect(manager, &LWEffectPackManager::resourceInWorkspaceChanged, this,
            &LWMainWindowController::onResourceInWorkspaceChanged);
    connect(manager, &LWEffectPackManager::selectFirstItemRequested, this,
            &LWMainWindowController::defaultSelIndexChanged);
    connect(LWUndoStack::instance(), &LWUndoStack::pushOccured, manager, &LWEffectPackManager::pushHappend);
    auto *library = LWResourceManager::instance();
    connect(library, &LWResourceManager::resourceModelDataChanged, this,
            &LWMainWindowController::resourceModelDataChanged);
    library->setSelectedItemProvider([this] { return m_selection->selectedResourceItem(); });
}

LWMainWindowController::~LWMainWindowController() = default;

void LWMainWindowController::attachEngine(QQmlApplicationEngine *engine)
{
    m_windows->attachEngine(engine);
}

void LWMainWindowController::deferWindowDocuments(const QStringList &documents, QQuickWindow *first)
{
    m_windows->deferDocuments(documents, first);
}

QObject *LWMainWindowController::customFileDialogAdapter() const
{
    return m_session->fileDialogAdapter();
}

QObject *LWMainWindowController::customTutorialDialogAdapter() const
{
    return m_session->tutorialDialogAdapter();
}

QObject *LWMainWindowController::lwCustomPropertyMap() const
{
    return m_session->customPropertyMap();
}

// --- trees, selection, inspector, scene -------------------------------------

void LWMainWindowController::onEffectInWorkspaceChanged(LWNaviTreeItem *effect)
{
    m_selection->setEffect(effect);
}

void LWMainWindowController::onResourceInWorkspaceChanged(LWNaviTreeItem *resource)
{
    m_selection->setResourceRoot(resource);
}

void LWMainWindowController::onNaviTreeSelChanged(LWNaviTreeItem *treeItem)
{
    m_selection->select(treeItem, LWEffectCommon::LWNaviTreeTypeEffect);
}

void LWMainWindowController::onNaviTreeSelChanged(LWNaviTreeItem *item, LWEffectCommon::LWNaviTreeType p_type)
{
    m_selection->select(item, p_type);
}

void LWMainWindowController::onInspectorDataChanged()
{
    m_selection->pullInspector();
}

void LWMainWindowController::onSceneViewDataChanged(QJsonValue val, QString string)
{
    if (m_selection->selectedEffectItem() && m_selection->scene())
        emit sceneViewDataChanged(val, string);
}

void LWMainWindowController::onEditorEvent(LWEditorEventType event, const LWEditorEventData *)
{
    switch (event) {
    case LWEditorEventSaveProject:
        LWEffectPackManager::instance()->saveProj();
        break;
    case LWEditorEventFeatureCountsChanged:
        emit checkFeatureCountsModelChanged();
        break;
    }
}

void LWMainWindowController::onResponseContextMenu(QString p_itemId)
{
    m_selection->respondToContextMenu(p_itemId);
    qDebug() << "response context menu string:" << p_itemId;
}

// --- project, undo, panels ---------------------------------------------------

void LWMainWindowController::clearProjOnWorkspace()
{
    LWEffectPackManager::instance()->clearWorkspace();
}

void LWMainWindowController::importTemplateResource(QString path)
{
    // The nearest item of the selection's branch that takes resources: the
    // selected part, else its sticker; an owner or branch object otherwise.
    LWTemplateResourceReceiver *receiver = nullptr;
    LWNaviTreeItem *selected = m_selection->selectedEffectItem();
    for (LWNaviTreeItem *node = selected; node && !receiver; node = node->parentItem())
        receiver = dynamic_cast<LWTemplateResourceReceiver *>(node);
    for (QObject *other : {selected ? selected->branchObject() : nullptr, selected ? selected->owner() : nullptr}) {
        if (!receiver)
            receiver = dynamic_cast<LWTemplateResourceReceiver *>(other);
    }
    // Nothing is imported for nobody: it would only sit in the library.
    if (!receiver) {
        qDebug() << "template resource" << path << "has no taker in the selection";
        return;
    }
    ImportResourceParam param;
    param.returnResourceId = true;
    const QString id = LWResourceImportService::instance()->importUnknown(path, param);
    if (!id.isEmpty())
        receiver->receiveTemplateResources({id});
}

namespace {

LWMainWindowController::FolderOpener &folderOpener()
{
    static LWMainWindowController::FolderOpener opener = [](const QString &folder) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    };
    return opener;
}

} // namespace

void LWMainWindowController::setFolderOpener(FolderOpener opener)
{
    folderOpener() = std::move(opener);
}

void LWMainWindowController::showInFolder(QString path)
{
    const QFileInfo file(LWEffectPackManager::localPath(path));
    const QString folder = file.isDir() ? file.absoluteFilePath() : file.absolutePath();
    if (!QFileInfo(folder).isDir() || !folderOpener()(folder))
        qWarning().noquote() << "could not show the folder of" << path;
}

bool LWMainWindowController::sendEffectPackage()
{
    const QString package = LWEffectPackManager::instance()->buildPackage();
    return !package.isEmpty() && m_phoneSender->send(package, m_session->mobileIP());
}

void LWMainWindowController::refreshPreview()
{
    LWUndoStack::instance()->markChanged();
}

void LWMainWindowController::openPanel()
{
    emit panelOpened();
}

void LWMainWindowController::onClosingMainWindow()
{
    LWUploadEffectModel::instance()->cancleUpload();
    LWUploadDraftEffectModel::instance()->cancleUpload();
    LWUndoStack::instance()->clear();
    LWUndoStack::instance()->markChanged();
    LWLoginManager::instance()->stopPolling();
}

void LWMainWindowController::onActionUndo()
{
    auto *stack = LWUndoStack::instance();
    if (!stack->canUndo())
        return;
    // Taking back a selection alone changes nothing worth saving.
    if (stack->undoMarksChange())
        LWEffectPackManager::instance()->setSaved(false);
    stack->undo();
}

void LWMainWindowController::onActionRedo()
{
    auto *stack = LWUndoStack::instance();
    if (!stack->canRedo())
        return;
    if (stack->redoMarksChange())
        LWEffectPackManager::instance()->setSaved(false);
    stack->redo();
}

// --- the online and compression models, published once by the host; these
// are the names the windows have always read them under -----------------------

QObject *LWMainWindowController::uploadEffectModel() const
{
    return LWUploadEffectModel::instance();
}

QObject *LWMainWindowController::draftUploadEffectModel() const
{
    return LWUploadDraftEffectModel::instance();
}

QObject *LWMainWindowController::uploadEffectChoiceModel() const
{
    return LWUploadEffectChoiceModel::instance();
}

QObject *LWMainWindowController::checkUpdateModel() const
{
    return LWCheckUpdateWindowModel::instance();
}

QObject *LWMainWindowController::feedBackModel() const
{
    return LWFeedBackModel::instance();
}

QObject *LWMainWindowController::materialsModel() const
{
    return LWMaterialsOnLine::instance();
}

QObject *LWMainWindowController::compressFilesViewModel() const
{
    return LWCompressFilesViewModel::instance();
}

void LWMainWindowController::submitFeedBackInfo(QString rspContent, QString rspEmail, QString rspImage, bool brspPack)
{
    LWFeedBackModel::instance()->submit(rspContent, rspEmail, QUrl(rspImage), brspPack);
}

void LWMainWindowController::getFeedBackRecords()
{
    LWFeedBackModel::instance()->getRecords();
}

void LWMainWindowController::setCompressionWindowOpener(std::function<void(const QString &)> opener)
{
    m_openCompression = std::move(opener);
}

void LWMainWindowController::showLoginWindow(QString m_window)
{
    if (packageFitsUpload())
        LWLoginBridgeModel::instance()->showWindow(m_window);
}

bool LWMainWindowController::packageFitsUpload()
{
    const QString package = LWUploadPackage::build();
    if (!LWLoginBridgeModel::needsCompression(package))
        return true;
    if (m_openCompression)
        m_openCompression(package);
    else
        qWarning() << "the package is over the upload limit and no compression window is available";
    return false;
}

// --- sizes and addresses -------------------------------------------------------

int LWMainWindowController::getInspectorWidth() const
{
    switch (LWLanguage::instance()->currentLanguage()) {
    case LWLanguage::Unresolved: // shown in English
    case LWLanguage::English: return 340;
    case LWLanguage::Japanese: return 380;
    default: return 320;
    }
}

int LWMainWindowController::getHomeTabWidth() const
{
    switch (LWLanguage::instance()->currentLanguage()) {
    case LWLanguage::Unresolved:
    case LWLanguage::English: return 140;
    case LWLanguage::Japanese: return 180;
    default: return 120;
    }
}

QString LWMainWindowController::tutorialUrl() const
{
    return LWServiceConfig::baseUrl(QStringLiteral("publish")) + QStringLiteral("/site/tutorial");
}

QString LWMainWindowController::myEffectsUrl() const
{
    return LWServiceConfig::baseUrl(QStringLiteral("publish")) + QStringLiteral("/site/effects");
}

// --- windows -----------------------------------------------------------------

void LWMainWindowController::setWindowStyle(QString)
{
    // Window decoration styles only exist on the original desktop platform.
}

void LWMainWindowController::showMainWindow()
{
    m_windows->showOnly(QStringLiteral("mainStudioObj"));
}

void LWMainWindowController::showHomeWindow()
{
    const QString handedOver = m_session->defaultProjPath();
    if (!handedOver.isEmpty()) {
        showMainWindow();
        LWEffectPackManager::instance()->openProj(handedOver);
        m_session->setDefaultProjPath(QString());
        return;
    }
    m_windows->showOnly(QStringLiteral("homeWinObj"));
}

void LWMainWindowController::showUpdateWindow(bool visible)
{
    m_windows->setVisible(QStringLiteral("checkUpdateWindow"), visible);
}
