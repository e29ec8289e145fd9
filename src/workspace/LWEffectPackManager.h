#pragma once

#include "LWEffectModel.h"
#include "common/LWEffectCommon.h"

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariantList>

class LWAutoBackup;
class LWEffectModel;
class LWNaviTreeItem;
class LWProjectModel;
class LWRecoveryPoint;

// The workspace: the open project and its effect, and the project lifecycle
// offered to the interface (create, open, save, save as, recent list, crash
// backup restore) plus the feature requests that reach the effect.
class LWEffectPackManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString workspaceEffectName READ workspaceEffectName NOTIFY workspaceEffectNameChanged)
    Q_PROPERTY(QString projName READ projName NOTIFY projNameChanged)
    Q_PROPERTY(bool isTmpProj READ isTmpProj NOTIFY isTmpProjChanged)
    Q_PROPERTY(bool lastCrashFlag READ lastCrashFlag NOTIFY lastCrashFlagChanged)
    Q_PROPERTY(bool isSaved READ isSaved NOTIFY saveChanged)

public:
    static LWEffectPackManager *instance();

    QString workspaceEffectName() const;
    QString projName() const;
    bool isTmpProj() const;
    bool lastCrashFlag();
    bool isSaved() const { return m_saved; }
    void setSaved(bool saved);

    LWProjectModel *project() const { return m_project; }
    LWAutoBackup *autoBackupThread() const { return m_autoBackup; }
    // Armed by readyToAutoBackupProj() with the three-minute backup.
    LWRecoveryPoint *recoveryPoint() const { return m_recoveryPoint; }
    LWEffectModel *effect() const { return m_effect; }

    Q_INVOKABLE bool hasProjInWorkSpace() const { return m_project != nullptr; }
    Q_INVOKABLE void createProj();
    Q_INVOKABLE void createProjFromTemp(QString path);
    Q_INVOKABLE QVariantList recentProjs() const;
    Q_INVOKABLE void openProj(QString path);
    Q_INVOKABLE bool projExist(QString path) const;
    Q_INVOKABLE void saveProj();
    Q_INVOKABLE void saveProjAs(QString newDir);
    Q_INVOKABLE void openBackupProj();
    Q_INVOKABLE void readyToAutoBackupProj();

    Q_INVOKABLE void createEffect();
    Q_INVOKABLE void createFeatureToWorkSpaceEffect(QString featureType, QJsonObject defaultData);
    Q_INVOKABLE void createFeatureToWorkSpaceEffect(QString featureType);
    Q_INVOKABLE void createFeatureToWorkSpaceEffectWithChoice(QString featureType, QString p_strChoise);
    Q_INVOKABLE void createFeatureUsingExamplesHelper(QString featureType, QString exampleId);
    Q_INVOKABLE void setFirstMakeupItem(int indexId);
    Q_INVOKABLE void setFirstFaceDistortionV2Item(int indexId);
    Q_INVOKABLE void setMultiViewerRowsAndCols(int nRows, int nCols, int uvTag);
    Q_INVOKABLE int getFeatureCount() const;
    Q_INVOKABLE bool checkCurrentEffect();

    // Resource imports, forwarded to the import service. Each takes "file:"
    // URLs, "qrc:" URLs or plain paths; the forms without parameters import
    // with undo into the tree and return nothing. New tree items go under
    // the group selected in the resource tree.
    Q_INVOKABLE QString importFileToWorkSpaceResource(QString url);
    QString importFileToWorkSpaceResource(const QString &url, ImportResourceParam param);
    Q_INVOKABLE QStringList importMultiFilesToWorkSpaceResource(QVariantList urls);
    QStringList importMultiFilesToWorkSpaceResource(const QStringList &urls, ImportResourceParam param);
    Q_INVOKABLE QString importMultiFilesAsTextureToWorkSpaceResource(QVariantList urls);
    QString importMultiFilesAsTextureToWorkSpaceResource(const QStringList &urls, ImportResourceParam param);
    Q_INVOKABLE QString importTextureFolderToWorkSpaceResource(QString url);
    QString importTextureFolderToWorkSpaceResource(const QString &url, ImportResourceParam param);
    Q_INVOKABLE QString importTextureFolderAndReadChildFolderToWorkSpace(QString url);
    QString importTextureFolderAndReadChildFolderToWorkSpace(const QString &url, ImportResourceParam param);
    Q_INVOKABLE QStringList importGroupToWorkSpaceResource(QString url);
    QStringList importGroupToWorkSpaceResource(const QString &url, ImportResourceParam param);
    Q_INVOKABLE QString importUnknowFileToWorkSpaceResource(QString url);
    QString importUnknowFileToWorkSpaceResource(const QString &url, ImportResourceParam param);
    Q_INVOKABLE void addEmptyGroup();
    void addEmptyGroup(ImportResourceParam param);
    Q_INVOKABLE void createResourceUsingExampleHelper(QString resourceKind, QString exampleId);

    // Makes sure the current effect has a resource library, creating a
    // temporary effect and the library from its template when needed.
    bool ensureResourceLibrary();

    // Packages. buildPackage returns the path of "<data>/tmpSync/lw.zip",
    // empty when it could not be built.
    QString buildPackage();
    Q_INVOKABLE bool exportEffect(QString path);
    Q_INVOKABLE bool importEffect(QString path);
    Q_INVOKABLE bool importEffectZipPack(QString path);

    // Drops the open project and effect and tells the trees.
    void clearWorkspace();

    // Local path of a "file:///" URL; other text as it is.
    static QString localPath(const QString &pathOrUrl);

public slots:
    void pushHappend();

signals:
    void effectInWorkspaceChanged(LWNaviTreeItem *effectModel);
    void resourceInWorkspaceChanged(LWNaviTreeItem *resourceModel);
    void workspaceEffectNameChanged(QString);
    void projNameChanged();
    void isTmpProjChanged();
    void lastCrashFlagChanged();
    void saveChanged();
    // The open project changed in a way not yet saved (each time, also while
    // it is already unsaved).
    void unsavedChange();
    // The interface should select the first tree item (new template project).
    void selectFirstItemRequested();
    // A package could not be imported or exported; the text says why.
    void packageProblem(QString message);
    // An export finished; the package is at this local path.
    void effectExported(QString path);

private:
    LWEffectPackManager();
    void setProject(LWProjectModel *project);
    void setEffect(LWEffectModel *effect);
    void ensureEffect();
    void createFeature(const QString &featureType, const QJsonObject &defaultData);
    bool importPackageFolder(const QString &folder);
    void reportProblem(const QString &message);

    LWProjectModel *m_project = nullptr;  // owned
    QPointer<LWEffectModel> m_effect;     // owned by the project, or by us when stand-alone
    bool m_saved = false;
    LWAutoBackup *m_autoBackup = nullptr; // owned (QObject child); started once
    LWRecoveryPoint *m_recoveryPoint;     // owned (QObject child)
};
