#pragma once

#include "common/LWEffectCommon.h"
#include "common/PostEventOffice.h"
#include "inspector/LWQmlViewModel.h"
#include "navigation/LWNaviTreeItem.h"
#include "scene/LWSceneViewModel.h"
#include "LWEditorSelection.h"
#include "LWSessionState.h"
#include "LWWindowSwitcher.h"

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

// What the interface calls on, published as "mainWindowController". The
// work is its parts': the editor selection (trees, selection, inspector and
// scene), the window switcher and the session state; this object keeps the
// names the windows use, forwards undo and redo, and starts the phone
// preview and the upload.
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
    // Window documents loaded once the first window has drawn (see
    // LWWindowSwitcher::deferDocuments).
    void deferWindowDocuments(const QStringList &documents, QQuickWindow *first);
     LWNaviTreeModel *effectNaviTreeModel() const { return m_selection->effectTreeModel(); }
    LWNaviTreeSelModel *effectNaviTreeSelModel() const { return m_selection->effectSelectionModel(); }
    LWNaviTreeModel *resourceNaviTreeModel() const { return m_selection->resourceTreeModel(); }
    LWNaviTreeSelModel *resourceNaviTreeSelModel() const { return m_selection->resourceSelectionModel(); }
    LWQmlViewModel *inspectorViewModel() const { return m_selection->inspector(); }
    LWSceneViewModel *sceneViewModel() const { return m_selection->scene(); }
    QObject *customFileDialogAdapter() const;
    QObject *customTutorialDialogAdapter() const;
    CustomFileDialogAdapter *fileDialogAdapter() const { return m_session->fileDialogAdapter(); }
    CustomTutorialDialogAdapter *tutorialDialogAdapter() const { return m_session->tutorialDialogAdapter(); }
    QObject *lwCustomPropertyMap() const;
    QObject *compressFilesViewModel() const;
    QObject *uploadEffectModel() const;
    QObject *draftUploadEffectModel() const;
    QObject *uploadEffectChoiceModel() const;
    QObject *checkUpdateModel() const;
    QObject *feedBackModel() const;
    QObject *materialsModel() const;
    QModelIndex defaultSelIndex() const { return m_selection->firstFeatureIndex(); }
    LWNaviTreeItem *selectedEffectItem() const { return m_selection->selectedEffectItem(); }
    LWNaviTreeItem *selectedResourceItem() const { return m_selection->selectedResourceItem(); }
    LWEditorSelection *editorSelection() const { return m_selection; }
    LWSessionState *session() const { return m_session; }

    QString defaultProjPath() const { return m_session->defaultProjPath(); }
    void setDefaultProjPath(const QString &path) { m_session->setDefaultProjPath(path); }
    bool needShowTutorial() const { return m_session->needShowTutorial(); }
    void setNeedShowTutorial(bool show) { m_session->setNeedShowTutorial(show); }
    bool forceClose() const { return m_session->forceClose(); }
    void setForceClose(bool force) { m_session->setForceClose(force); }
    int currentLanguageType() const { return m_session->currentLanguageType(); }
    void setCurrentLanguageType(int type) { m_session->setCurrentLanguageType(type); }
    QString mobileIP() const { return m_session->mobileIP(); }
    void setMobileIP(const QString &ip) { m_session->setMobileIP(ip); }
    QString operationLog() const { return m_session->operationLog(); }
    void setOperationLog(const QString &log) { m_session->setOperationLog(log); }

    // Key state kept current by the application's notify().
    void setKeyPressed(bool pressed) { m_session->setKeyPressed(pressed); }
    void setCurrentKeyEvent(const QKeyEvent &event) { m_session->setCurrentKeyEvent(event); }
    Q_INVOKABLE bool hasKeyPressed() const { return m_session->hasKeyPressed(); }
    QKeyEvent currentKeyPressEvent() const { return m_session->currentKeyPressEvent(); }
    Q_INVOKABLE void resetCurrentKeyEvent() { m_session->resetCurrentKeyEvent(); }
    Q_INVOKABLE int currentPressKey() const { return m_session->currentPressKey(); }

    Q_INVOKABLE void clearProjOnWorkspace();
    // Imports the file (or folder) into the project resources and hands the
    // new resource ids to the owner of the selected effect item when it
    // takes them (LWTemplateResourceReceiver).
    Q_INVOKABLE void importTemplateResource(QString path);
    // Opens the folder holding the file in the desktop's file manager.
    Q_INVOKABLE void showInFolder(QString path);
    // How folders are opened (tests install their own); returns success.
    using FolderOpener = std::function<bool(const QString &folder)>;
    static void setFolderOpener(FolderOpener opener);
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
    // The same first step for the editor's own submission: builds the
    // package and answers whether it may go; an oversized one opens the
    // texture compression instead.
    Q_INVOKABLE bool packageFitsUpload();
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
    Q_INVOKABLE int getHomeTabWidth() const;

    // Quits and starts the program again with the same arguments.
    void restart() { LWWindowSwitcher::restart(); }

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
    // A model's word to the author (why a pick was refused ...); the main
    // window shows it in its message box.
    void authorMessage(QString text);

private:
    LWMainWindowController();

    LWEditorSelection *m_selection;     // owned (QObject child)
    LWWindowSwitcher *m_windows;        // owned (QObject child)
    LWSessionState *m_session;          // owned (QObject child)
    LWPhonePreviewSender *m_phoneSender; // owned (QObject child)
    std::function<void(const QString &)> m_openCompression;
};
