#include "LWMainWindowController.h"

#include "CustomFileDialogAdapter.h"
#include "CustomTutorialDialogAdapter.h"
#include "common/LWLanguage.h"
#include "common/LWServiceConfig.h"
#include "common/LWSettingFlags.h"
#include "windows/LWCompressFilesViewModel.h"
#include "inspector/LWQmlViewModel.h"
#include "navigation/LWEffectNaviTreeModel.h"
#include "navigation/LWNaviTreeItem.h"
#include "navigation/LWNaviTreeSelModel.h"
#include "online/LWCheckUpdateWindowModel.h"
#include "online/LWFeedBackModel.h"
#include "online/LWLoginBridgeModel.h"
#include "online/LWLoginManager.h"
#include "online/LWMaterialsOnLine.h"
#include "online/LWUploadDraftEffectModel.h"
#include "online/LWUploadEffectChoiceModel.h"
#include "online/LWUploadEffectModel.h"
#include "online/LWUploadPackage.h"
#include "resources/LWResourceManager.h"
#include "resources/LWTemplateResourceReceiver.h"
#include "scene/LWSceneViewModel.h"
#include "undo/LWUndoStack.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWPhonePreviewSender.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QUrl>
#include <QMutex>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlPropertyMap>
#include <QWindow>

namespace {
std::unique_ptr<QKeyEvent> blankKeyEvent()
{
    return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString());
}
} // namespace

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
    , m_fileDialog(new CustomFileDialogAdapter(this))
    , m_tutorialDialog(new CustomTutorialDialogAdapter(this))
    , m_customPropertyMap(new QQmlPropertyMap(this))
    , m_phoneSender(new LWPhonePreviewSender(this))
    , m_currentKeyEvent(blankKeyEvent())
{
    m_customPropertyMap->insert(QStringLiteral("optState"), QStringLiteral("null"));
    connect(LWLoginManager::instance(), &LWLoginManager::accountOverDue, this,
            &LWMainWindowController::accountOverDueSignal);
    // A sign-out ends the web views' sessions only with a fresh process.
    connect(LWLoginManager::instance(), &LWLoginManager::signedOutByAuthor, this, &LWMainWindowController::restart);
    m_needShowTutorial = LWSettingFlags::read(QStringLiteral("tutorial")).value_or(true);

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
    library->setSelectedItemProvider([this] { return m_selectedResourceItem.data(); });
}

LWMainWindowController::~LWMainWindowController() = default;

void LWMainWindowController::attachEngine(QQmlApplicationEngine *engine)
{
    m_engine = engine;
}

LWNaviTreeModel *LWMainWindowController::effectNaviTreeModel() const
{
    return m_effectTreeModel.get();
}

QObject *LWMainWindowController::customFileDialogAdapter() const
{
    return m_fileDialog;
}

QObject *LWMainWindowController::customTutorialDialogAdapter() const
{
    return m_tutorialDialog;
}

QObject *LWMainWindowController::lwCustomPropertyMap() const
{
    return m_customPropertyMap;
}

QModelIndex LWMainWindowController::defaultSelIndex() const
{
    if (!m_effectTreeModel)
        return QModelIndex();
    return m_effectTreeModel->index(0, 0);
}

void LWMainWindowController::setNeedShowTutorial(bool show)
{
    m_needShowTutorial = show;
    LWSettingFlags::write(QStringLiteral("tutorial"), show);
}

int LWMainWindowController::currentLanguageType() const
{
    return LWLanguage::instance()->currentLanguage();
}

void LWMainWindowController::setCurrentLanguageType(int type)
{
    LWLanguage::instance()->setLanguage(type);
    emit currentLanguageTypeChanged();
}

void LWMainWindowController::setCurrentKeyEvent(const QKeyEvent &event)
{
    m_currentKeyEvent = std::make_unique<QKeyEvent>(event.type(), event.key(), event.modifiers(), event.text(),
                                                    event.isAutoRepeat(), ushort(event.count()));
}

void LWMainWindowController::resetCurrentKeyEvent()
{
    m_currentKeyEvent = blankKeyEvent();
}

// --- trees, selection, inspector, scene -------------------------------------

void LWMainWindowController::setInspector(std::shared_ptr<LWQmlViewModel> inspector)
{
    m_inspector = std::move(inspector);
    emit inspectorViewModelChanged();
}

void LWMainWindowController::setScene(LWSceneViewModel *scene)
{
    m_scene = scene;
    emit sceneViewModelChanged();
}

void LWMainWindowController::clearUndoAndMarkChanged()
{
    LWUndoStack::instance()->clear();
    LWUndoStack::instance()->markChanged();
}

void LWMainWindowController::onEffectInWorkspaceChanged(LWNaviTreeItem *effect)
{
    // The selection model refers to the tree model: let it go first.
    std::shared_ptr<LWNaviTreeSelModel> oldSelection = std::move(m_effectSelModel);
    std::unique_ptr<LWEffectNaviTreeModel> oldModel = std::move(m_effectTreeModel);
    clearUndoAndMarkChanged();
    setInspector(nullptr);
    if (effect) {
        m_effectTreeModel = std::make_unique<LWEffectNaviTreeModel>(effect);
        m_effectSelModel = std::make_shared<LWNaviTreeSelModel>(m_effectTreeModel.get(),
                                                                LWEffectCommon::LWNaviTreeTypeEffect);
        connect(m_effectSelModel.get(), &LWNaviTreeSelModel::naviTreeSelChanged, this,
                qOverload<LWNaviTreeItem *, LWEffectCommon::LWNaviTreeType>(&LWMainWindowController::onNaviTreeSelChanged));

    } else {
        setScene(nullptr);
        m_selectedEffectItem = nullptr;
    }
    emit effectNaviTreeModelChanged();
    emit effectNaviTreeSelModelChanged();
    if (oldSelection)
        oldSelection->disconnect(this);
}

void LWMainWindowController::onResourceInWorkspaceChanged(LWNaviTreeItem *resource)
{
    std::shared_ptr<LWNaviTreeSelModel> oldSelection = std::move(m_resourceSelModel);
    std::shared_ptr<LWNaviTreeModel> oldModel = std::move(m_resourceTreeModel);
    m_selectedResourceItem = nullptr;
    if (resource) {
        m_resourceTreeModel = std::make_shared<LWNaviTreeModel>(resource);
        m_resourceSelModel = std::make_shared<LWNaviTreeSelModel>(m_resourceTreeModel.get(),
                                                                  LWEffectCommon::LWNaviTreeTypeResource);
        connect(m_resourceSelModel.get(), &LWNaviTreeSelModel::naviTreeSelChanged, this,
                qOverload<LWNaviTreeItem *, LWEffectCommon::LWNaviTreeType>(&LWMainWindowController::onNaviTreeSelChanged));

    }
    emit resourceNaviTreeModelChanged();
    emit resourceNaviTreeSelModelChanged();
    if (oldSelection)
        oldSelection->disconnect(this);
}

void LWMainWindowController::onNaviTreeSelChanged(LWNaviTreeItem *treeItem)
{
    onNaviTreeSelChanged(treeItem, LWEffectCommon::LWNaviTreeTypeEffect);
}

void LWMainWindowController::onNaviTreeSelChanged(LWNaviTreeItem *item, LWEffectCommon::LWNaviTreeType p_type)
{
    if (p_type == LWEffectCommon::LWNaviTreeTypeResource) {
        m_selectedResourceItem = item;
        if (!item) {
            setInspector(nullptr);
            return;
        }
        if (m_effectSelModel)
            m_effectSelModel->clearWithoutNotice();
        std::shared_ptr<LWQmlViewModel> inspector = item->inspectorViewModel();
        if (inspector != m_inspector) {
            m_inspector = inspector;
            emit resourceModelDataChanged(LWEffectCommon::LWResourceTypeAll);
            emit inspectorViewModelChanged();
        }
        return;
    }

    m_selectedEffectItem = item;
    if (!item) {
        setInspector(nullptr);
        setScene(nullptr);
        return;
    }
    if (m_resourceSelModel)
        m_resourceSelModel->clearWithoutNotice();
    m_selectedResourceItem = nullptr;
    std::shared_ptr<LWQmlViewModel> inspector = item->inspectorViewModel();
    if (inspector != m_inspector)
        setInspector(inspector);
    LWSceneViewModel *scene = item->sceneViewModel();
    if (scene != m_scene)
        setScene(scene);
    if (m_scene)
        m_scene->focusItem(item);
    const int filter = item->resourceFilter();
    if (filter != m_resourceFilter) {
        m_resourceFilter = filter;
        emit resourceModelDataChanged(filter);
    }
}

void LWMainWindowController::onInspectorDataChanged()
{
    if (m_selectedEffectItem)
        m_selectedEffectItem->naviTreeItemInspectorDataChanged();
    if (m_selectedResourceItem)
        m_selectedResourceItem->naviTreeItemInspectorDataChanged();
}

void LWMainWindowController::onSceneViewDataChanged(QJsonValue val, QString string)
{
    if (m_selectedEffectItem && m_scene)
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

// --- project, undo, panels ---------------------------------------------------

void LWMainWindowController::clearProjOnWorkspace()
{
    LWEffectPackManager::instance()->clearWorkspace();
}

void LWMainWindowController::importTemplateResource(QString path)
{
    QObject *owner = m_selectedEffectItem ? m_selectedEffectItem->owner() : nullptr;
    if (!owner)
        return;
    ImportResourceParam param;
    param.returnResourceId = true;
    const QString id = LWEffectPackManager::instance()->importUnknowFileToWorkSpaceResource(path, param);
    if (id.isEmpty())
        return;
    if (auto *receiver = dynamic_cast<LWTemplateResourceReceiver *>(owner))
        receiver->receiveTemplateResources({id});
    else
        qDebug() << "imported template resource" << id << "has no taker in" << owner;
}

bool LWMainWindowController::sendEffectPackage()
{
    const QString package = LWEffectPackManager::instance()->buildPackage();
    return !package.isEmpty() && m_phoneSender->send(package, m_mobileIP);
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
    clearUndoAndMarkChanged();
    LWLoginManager::instance()->stopPolling();
}

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
    const QString package = LWUploadPackage::build();
    if (LWLoginBridgeModel::needsCompression(package)) {
        if (m_openCompression)
            m_openCompression(package);
        else
            qWarning() << "the package is over the upload limit and no compression window is available";
        return;
    }
    LWLoginBridgeModel::instance()->showWindow(m_window);
}

void LWMainWindowController::onResponseContextMenu(QString p_itemId)
{
    if (m_selectedEffectItem)
        m_selectedEffectItem->onResponseContextMenu(p_itemId);
    qDebug() << "response context menu string:" << p_itemId;
}

void LWMainWindowController::setWindowStyle(QString)
{
    // Window decoration styles only exist on the original desktop platform.
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

int LWMainWindowController::getInspectorWidth() const
{
    switch (LWLanguage::instance()->currentLanguage()) {
    case LWLanguage::English: return 340;
    case LWLanguage::Japanese: return 380;
    default: return 320;
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

bool LWMainWindowController::resourceExists(const QString &url) const
{
    const QString path = url.startsWith(QLatin1String("qrc:")) ? QLatin1Char(':') + QUrl(url).path() : url;
    return QFile::exists(path);
}

int LWMainWindowController::getHomeTabWidth() const
{
    switch (LWLanguage::instance()->currentLanguage()) {
    case LWLanguage::English: return 140;
    case LWLanguage::Japanese: return 180;
    default: return 120;
    }
}

void LWMainWindowController::restart()
{
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    QCoreApplication::quit();
    QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments, QDir::currentPath());
}

// --- windows -----------------------------------------------------------------

QWindow *LWMainWindowController::window(const QString &objectName) const
{
    if (!m_engine)
        return nullptr;
    const auto roots = m_engine->rootObjects();
    for (QObject *root : roots) {
        if (root->objectName() == objectName)
            return qobject_cast<QWindow *>(root);
    }
    return nullptr;
}

void LWMainWindowController::showOnly(const QString &objectName)
{
    if (!m_engine)
        return;
    QWindow *target = window(objectName);
    // Show first, then hide the others: hiding the last visible window first
    // would end the program.
    if (target) {
        target->show();
        target->raise();
        target->requestActivate();
    }
    const auto roots = m_engine->rootObjects();
    for (QObject *root : roots) {
        if (auto *w = qobject_cast<QWindow *>(root); w && w != target)
            w->hide();
    }
}

void LWMainWindowController::showMainWindow()
{
    showOnly(QStringLiteral("mainStudioObj"));
}

void LWMainWindowController::showHomeWindow()
{
    if (!m_defaultProjPath.isEmpty()) {
        const QString path = m_defaultProjPath;
        showMainWindow();
        LWEffectPackManager::instance()->openProj(path);
        m_defaultProjPath.clear();
        return;
    }
    showOnly(QStringLiteral("homeWinObj"));
}

void LWMainWindowController::showUpdateWindow(bool visible)
{
    if (QWindow *w = window(QStringLiteral("checkUpdateWindow")))
        w->setVisible(visible);
}
