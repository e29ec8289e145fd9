#pragma once

#include "common/LWEffectCommon.h"
#include "common/PostEventOffice.h"
#include "inspector/LWQmlViewModel.h"
#include "navigation/LWNaviTreeItem.h"
#include "scene/LWSceneViewModel.h"

#include <QJsonValue>
#include <QKeyEvent>
#include <QModelIndex>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class CustomFileDialogAdapter;
class CustomTutorialDialogAdapter;
class LWEffectNaviTreeModel;
class LWNaviTreeItem;
class LWNaviTreeModel;
class LWNaviTreeSelModel;
class LWPhonePreviewSender;
class LWQmlViewModel;
class LWSceneViewModel;
class QQmlApplicationEngine;
class QQmlPropertyMap;
class QWindow;

// The interface layer's hub, published as "mainWindowController". It owns
// the two navigation tree models and their selections, follows the
// selection to publish the right inspector and scene, forwards undo and redo,
// switches between the top-level windows and keeps the session state the
// windows share.
class LWMainWindowController : public QObject, public LWEditorEventListener
{
    Q_OBJECT
    Q_PROPERTY(LWNaviTreeModel *effectNaviTreeModel READ effectNaviTreeModel NOTIFY effectNaviTreeModelChanged)
    Q_PROPERTY(LWNaviTreeSelModel *effectNaviTreeSelModel READ effectNaviTreeSelModel NOTIFY effectNaviTreeSelModelChanged)
    Q_PROPERTY(LWNaviTreeModel *resourceNaviTreeModel READ resourceNaviTreeModel NOTIFY resourceNaviTreeModelChanged)
    Q_PROPERTY(LWNaviTreeSelModel *resourceNaviTreeSelModel READ resourceNaviTreeSelModel NOTIFY resourceNaviTreeSelModelChanged)
    Q_PROPERTY(LWQmlViewModel *inspectorViewModel READ inspectorViewModel NOTIFY inspectorViewModelChanged)
    Q_PROPERTY(LWSceneViewModel *sceneViewModel READ sceneViewModel NOTIFY sceneViewModelChanged)
    Q_PROPERTY(QObject *customFileDialogAdapter READ customFileDialogAdapter NOTIFY customFileDialogAdapterChanged)
    Q_PROPERTY(QObject *customTutorialDialogAdapter READ customTutorialDialogAdapter NOTIFY customTutorialDialogAdapterChanged)
    Q_PROPERTY(QObject *lwCustomPropertyMap READ lwCustomPropertyMap NOTIFY lwCustomPropertyMapChanged)
    Q_PROPERTY(QString mobileIP READ mobileIP WRITE setMobileIP NOTIFY mobileIPChanged)
    Q_PROPERTY(QString operationLog READ operationLog WRITE setOperationLog NOTIFY operationLogChanged)
    Q_PROPERTY(QString defaultProjPath READ defaultProjPath WRITE setDefaultProjPath NOTIFY defaultProjPathChanged)
    Q_PROPERTY(bool needShowTutorial READ needShowTutorial WRITE setNeedShowTutorial NOTIFY needShowTutorialChanged)
    Q_PROPERTY(bool forceClose READ forceClose WRITE setForceClose NOTIFY forceCloseChanged)
    Q_PROPERTY(int currentLanguageType READ currentLanguageType WRITE setCurrentLanguageType NOTIFY currentLanguageTypeChanged)
    Q_PROPERTY(QModelIndex defaultSelIndex READ defaultSelIndex NOTIFY defaultSelIndexChanged)
    // Served by the online, update, feedback, material and compression
    // models as they join; null until then.
    Q_PROPERTY(QObject *lwUploadEffectModel READ uploadEffectModel NOTIFY lwUploadEffectModelChanged)
    Q_PROPERTY(QObject *lwDraftUploadEffectModel READ draftUploadEffectModel NOTIFY lwDraftUploadEffectModelChanged)
    Q_PROPERTY(QObject *lwUploadEffctChoiceModel READ uploadEffectChoiceModel NOTIFY lwUploadEffctChoiceModelChanged)
    Q_PROPERTY(QObject *lwCheckUpdateModel READ checkUpdateModel NOTIFY lwCheckUpdateModelChanged)
    Q_PROPERTY(QObject *feedBackModel READ feedBackModel NOTIFY feedBackModelChanged)
    Q_PROPERTY(QObject *materialsModel READ materialsModel NOTIFY materialsModelChanged)
    Q_PROPERTY(QObject *lwCompressFilesViewModel READ compressFilesViewModel NOTIFY lwCompressFilesViewModelChanged)

public:
    static LWMainWindowController *instance();
    ~LWMainWindowController() override;

    // The engine whose root objects are the top-level windows. Not owned.
    void attachEngine(QQmlApplicationEngine *engine);

    LWNaviTreeModel *effectNaviTreeModel() const;
    LWNaviTreeSelModel *effectNaviTreeSelModel() const { return m_effectSelModel.get(); }
    LWNaviTreeModel *resourceNaviTreeModel() const { return m_resourceTreeModel.get(); }
    LWNaviTreeSelModel *resourceNaviTreeSelModel() const { return m_resourceSelModel.get(); }
    LWQmlViewModel *inspectorViewModel() const { return m_inspector.get(); }
    LWSceneViewModel *sceneViewModel() const { return m_scene; }
    QObject *customFileDialogAdapter() const;
    QObject *customTutorialDialogAdapter() const;
    CustomFileDialogAdapter *fileDialogAdapter() const { return m_fileDialog; }
    CustomTutorialDialogAdapter *tutorialDialogAdapter() const { return m_tutorialDialog; }
    QObject *lwCustomPropertyMap() const;
    QObject *compressFilesViewModel() const;
    QObject *uploadEffectModel() const;
    QObject *draftUploadEffectModel() const;
    QObject *uploadEffectChoiceModel() const;
    QObject *checkUpdateModel() const;
    QObject *feedBackModel() const;
    QObject *materialsModel() const;
    QModelIndex defaultSelIndex() const;
    LWNaviTreeItem *selectedEffectItem() const { return m_selectedEffectItem; }
    LWNaviTreeItem *selectedResourceItem() const { return m_selectedResourceItem; }

    QString defaultProjPath() const { return m_defaultProjPath; }
    void setDefaultProjPath(const QString &path) { m_defaultProjPath = path; }
    bool needShowTutorial() const { return m_needShowTutorial; }
    void setNeedShowTutorial(bool show);
    bool forceClose() const { return m_forceClose; }
    void setForceClose(bool force) { m_forceClose = force; }
    int currentLanguageType() const;
    void setCurrentLanguageType(int type);
    QString mobileIP() const { return m_mobileIP; }
    void setMobileIP(const QString &ip) { m_mobileIP = ip; }
    QString operationLog() const { return m_operationLog; }
    void setOperationLog(const QString &log) { m_operationLog = log; }

    // Key state kept current by the application's notify().
    void setKeyPressed(bool pressed) { m_keyPressed = pressed; }
    void setCurrentKeyEvent(const QKeyEvent &event);
    Q_INVOKABLE bool hasKeyPressed() const { return m_keyPressed; }
    QKeyEvent currentKeyPressEvent() const { return *m_currentKeyEvent; }
    Q_INVOKABLE void resetCurrentKeyEvent();
    Q_INVOKABLE int currentPressKey() const { return m_currentKeyEvent->key(); }

    Q_INVOKABLE void clearProjOnWorkspace();
    // Imports the file (or folder) into the project resources and hands the
    // new resource ids to the owner of the selected effect item when it
    // takes them (LWTemplateResourceReceiver).
    Q_INVOKABLE void importTemplateResource(QString path);
    // Builds the package and uploads it to the phone at mobileIP.
    Q_INVOKABLE bool sendEffectPackage();
    LWPhonePreviewSender *phoneSender() const { return m_phoneSender; }
    Q_INVOKABLE void refreshPreview();
    Q_INVOKABLE void openPanel();
    Q_INVOKABLE void onClosingMainWindow();
    // rspImage: the screenshot's URL, empty for none.
    Q_INVOKABLE void submitFeedBackInfo(QString rspContent, QString rspEmail, QString rspImage, bool brspPack);
    Q_INVOKABLE void getFeedBackRecords();
    Q_INVOKABLE void onResponseContextMenu(QString p_itemId);
    Q_INVOKABLE void setWindowStyle(QString p_strWindowObjName);
    Q_INVOKABLE void showMainWindow();
    Q_INVOKABLE void showHomeWindow();
    Q_INVOKABLE void showUpdateWindow(bool visible);
    // Entry to uploading: builds the package; one over the publishing limit
    // goes to the texture compression first, otherwise the bridge window
    // opens on m_window ("upload" for the upload page).
    Q_INVOKABLE void showLoginWindow(QString m_window);
    // Opens the texture compression window for an oversized package (the
    // application installs it); without one the package is only logged.
    // Receives the package path.
    void setCompressionWindowOpener(std::function<void(const QString &)> opener);
    Q_INVOKABLE void onActionUndo();
    Q_INVOKABLE void onActionRedo();
    Q_INVOKABLE int getInspectorWidth() const;
    // The publishing site's tutorial page, opened in the external browser.
    Q_INVOKABLE QString tutorialUrl() const;
    // The author's published effects on the publishing site.
    Q_INVOKABLE QString myEffectsUrl() const;
    // Whether a "qrc:/" document or picture is shipped with this build.
    Q_INVOKABLE bool resourceExists(const QString &url) const;
    Q_INVOKABLE int getHomeTabWidth() const;

    // Quits and starts the program again with the same arguments.
    void restart();

    void onEditorEvent(LWEditorEventType event, const LWEditorEventData *data) override;

public slots:
    void onEffectInWorkspaceChanged(LWNaviTreeItem *effect);
    void onResourceInWorkspaceChanged(LWNaviTreeItem *resource);
    void onNaviTreeSelChanged(LWNaviTreeItem *treeItem, LWEffectCommon::LWNaviTreeType p_type);
    void onNaviTreeSelChanged(LWNaviTreeItem *treeItem);
    void onInspectorDataChanged();
    void onSceneViewDataChanged(QJsonValue val, QString string);

signals:
    void effectNaviTreeModelChanged();
    void effectNaviTreeSelModelChanged();
    void resourceNaviTreeModelChanged();
    void resourceNaviTreeSelModelChanged();
    void resourceModelDataChanged(int type);
    void inspectorViewModelChanged();
    void sceneViewModelChanged();
    void customFileDialogAdapterChanged();
    void customTutorialDialogAdapterChanged();
    void resLibDataChanged();
    void sceneViewDataChanged(QJsonValue val, QString string);
    void featureTypeInWorkspaceChanged(LWEffectCommon::LWFeatureType type);
    void panelOpened();
    void mobileIPChanged(QString ip);
    void accountOverDueSignal();
    void lwUploadEffectModelChanged();
    void lwDraftUploadEffectModelChanged();
    void lwCheckUpdateModelChanged();
    void lwCustomPropertyMapChanged();
    void checkFeatureCountsModelChanged();
    void defaultSelIndexChanged();
    void defaultProjPathChanged();
    void operationLogChanged();
    void feedBackModelChanged();
    void materialsModelChanged();
    void lwUploadEffctChoiceModelChanged();
    void needShowTutorialChanged();
    void forceCloseChanged();
    void currentLanguageTypeChanged();
    void lwCompressFilesViewModelChanged();

private:
    LWMainWindowController();
    QWindow *window(const QString &objectName) const;
    void showOnly(const QString &objectName);
    void setInspector(std::shared_ptr<LWQmlViewModel> inspector);
    void setScene(LWSceneViewModel *scene);
    void clearUndoAndMarkChanged();

    QPointer<QQmlApplicationEngine> m_engine; // not owned
    QPointer<LWNaviTreeItem> m_selectedEffectItem;
    QPointer<LWNaviTreeItem> m_selectedResourceItem;
    int m_resourceFilter = 20;
    QString m_operationLog;
    std::shared_ptr<LWQmlViewModel> m_inspector;
    std::unique_ptr<LWEffectNaviTreeModel> m_effectTreeModel;
    std::shared_ptr<LWNaviTreeSelModel> m_effectSelModel;
    std::shared_ptr<LWNaviTreeModel> m_resourceTreeModel;
    std::shared_ptr<LWNaviTreeSelModel> m_resourceSelModel;
    QPointer<LWSceneViewModel> m_scene;       // not owned: the tree item's
    QString m_mobileIP;
    CustomFileDialogAdapter *m_fileDialog;         // owned (QObject child)
    CustomTutorialDialogAdapter *m_tutorialDialog; // owned (QObject child)
    QQmlPropertyMap *m_customPropertyMap;          // owned (QObject child)
    LWPhonePreviewSender *m_phoneSender;           // owned (QObject child)
    QString m_defaultProjPath;
    bool m_keyPressed = false;
    bool m_needShowTutorial = true;
    bool m_forceClose = false;
    std::unique_ptr<QKeyEvent> m_currentKeyEvent;
    std::function<void(const QString &)> m_openCompression;
};
