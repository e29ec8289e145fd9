#pragma once

#include "features/LWFeatureModel.h"
#include "navigation/LWNaviTreeItem.h"

#include <QJsonObject>
#include <QString>
#include <functional>

// The effect of the open project: root of the effect tree and owner of the
// ordered feature list (newest first). Loads itself from an effect folder,
// saves itself as effect.json or as a package, and creates features by type.
class LWEffectModel : public LWNaviTreeItem, public LWFeatureContainer
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name NOTIFY nameChanged)

public:
    explicit LWEffectModel(const QString &folder, QObject *parent = nullptr);
    ~LWEffectModel() override;

    // Reads "effect.json" of the folder and builds the features it lists in
    // ascending "zorder". Never fails: a missing or broken file gives an
    // empty effect.
    static LWEffectModel *load(const QString &folder, QObject *parent = nullptr);

    // Tree node.
    LWNaviTreeItem *parentItem() const override { return nullptr; }
    LWNaviTreeItem *child(int row) const override;
    int childCount() const override { return modelCount(); }
    int columnCount() const override { return 1; }
    QVariant data(int column) const override;
    int row() const override { return 0; }
    bool naviTreeItemAcceptChild(LWNaviTreeItem *item) const override;
    void naviTreeItemInsertChild(int row, LWNaviTreeItem *item) override;
    LWNaviTreeItem *naviTreeItemTakeChild(int row) override;
    void naviTreeItemMoveChild(int from, int to) override;

    // Feature container.
    QString absolutePath() const override { return m_folder; }
    LWNaviTreeItem *containerItem() override { return this; }

    QString name() const { return m_name; }
    QString version() const { return m_version; }
    QString folder() const { return m_folder; }
    // Save-as moves the project; feature folders stay relative.
    void setFolder(const QString &folder) { m_folder = folder; }

    // Creates a feature of the type: undoably (the default) through an
    // undo command, or at once. Returns the feature when one was built now.
    LWFeatureModel *createFeature(LWEffectCommon::LWFeatureType type, const QJsonObject &defaultData,
                                  bool undoable = true);
    // The creation itself, run by the undo command's first redo.
    LWFeatureModel *createFeatureNow(LWEffectCommon::LWFeatureType type, const QJsonObject &defaultData);
    // Builds a feature from a Link entry. sourceFolder is where the entry's
    // folder lives; when it is not the effect folder (an imported package)
    // the folder is copied in under a unique name first.
    LWFeatureModel *createFeatureFromLink(const QJsonObject &link, const QString &sourceFolder,
                                          bool fromProject);

    // Adds the features of a package's config.json whose folders are in
    // packageFolder (copied in under unique names) and its music.
    void importDocument(const QJsonObject &config, const QString &packageFolder);

    // Saves the features and writes effect.json (project save) or the
    // package's config.json (export) into the target folder, or into the
    // effect folder when it is empty. Returns whether the document was
    // written.
    bool save(const SaveParam &param);

    // False after posting the feature-counts event when more than one
    // filter or leg distortion is present.
    bool checkEffect();
    int checkedFeatureCount() const;

    // "name", "name_1", ... with "/" appended: free among the features.
    QString uniqueFolderName(const QString &name) const;

    void setMultiViewerRowsAndCols(int rows, int cols, int uvTag);
    int multiViewerRows() const { return m_multiViewerRows; }
    int multiViewerCols() const { return m_multiViewerCols; }
    int multiViewerTextureTag() const { return m_multiViewerTextureTag; }
    void setFirstMakeupItem(int index) { m_firstMakeupItem = index; }
    int firstMakeupItem() const { return m_firstMakeupItem; }
    void setFirstFaceDistortionV2Item(int index) { m_firstFaceDistortionItem = index; }
    int firstFaceDistortionV2Item() const { return m_firstFaceDistortionItem; }
    void setPendingMakeupChoice(const QString &choice) { m_pendingMakeupChoice = choice; }
    QString pendingMakeupChoice() const { return m_pendingMakeupChoice; }

    LWFeatureModel *featureAt(int row) const { return modelAt(row); }

    // How a music file named by the effect's "bgm" record gets into the
    // resource library; returns the new resource id. Set by the pack
    // manager; without it the record is taken as it is.
    using MusicImporter = std::function<QString(const QString &filePath)>;
    static void setMusicImporter(MusicImporter importer);


signals:
    void nameChanged(QString name);

private:
    void loadDocument(const QJsonObject &document);
    void loadFeatures(const QJsonObject &effect, const QString &sourceFolder, bool fromProject);
    // A feature kept as a record of the effect document (the music).
    void loadRecordFeature(LWEffectCommon::LWFeatureType type, QJsonObject record, const QString &sourceFolder,
                           bool fromProject);
    LWFeatureModel *buildFeature(LWEffectCommon::LWFeatureType type, int zOrder, const QString &path,
                                 const QJsonObject &data, const LoadParam &loadParam);
    bool writeProjectDocument(const QString &target);
    bool writePackage(const QString &target);

    QJsonObject m_document;
    QString m_name;
    QString m_version;
    QString m_folder;
    int m_multiViewerRows = 2;
    int m_multiViewerCols = 2;
    int m_multiViewerTextureTag = 0;
    int m_firstMakeupItem = -1;
    int m_firstFaceDistortionItem = 0;
    QString m_pendingMakeupChoice;
};
