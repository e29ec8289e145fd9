#pragma once

#include "features/LWFeatureTreeItem.h"
#include "navigation/LWModelContainer.h"
#include "features/makeup/LWMakeupV2SceneViewModel.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QRect>
#include <QStringList>

class LWFaceMakeupV2FilterBase;

// The face makeup feature: textures painted onto the tracked face, drawn in
// the coordinates of a standard face that the engine warps onto every
// detected face. It owns makeup.json (the standard face settings, the faces
// the makeup applies to and the filter list) and its children in the effect
// tree are the makeup filters, row 0 on top.
class LWFaceMakeUpV2Model : public LWFeatureTreeItem,
                            public LWModelContainer<LWFaceMakeupV2FilterBase>,
                            public LWMakeupV2SceneViewModel::Source
{
    Q_OBJECT

public:
    enum gsMakeupStandardFaceType {
        gsMakeupEStandardFace720x900 = 0,
        gsMakeupEStandardFace1200x1200,
        gsMakeupEStandardFace1280x1280,
    };
    Q_ENUM(gsMakeupStandardFaceType)

    // record: the project record when param says so; choice: the filter type
    // a new makeup starts with (empty: none).
    LWFaceMakeUpV2Model(LWFeatureContainer *container, int zOrder, const QString &path, const QJsonObject &record,
                        const LoadParam &param, const QString &choice);
    ~LWFaceMakeUpV2Model() override;

    // The makeup's own inspector: the face numbers it applies to.
    static QString faceProfilePath();

    // Tree node: the filters are the children, and they move only among
    // themselves.
    LWNaviTreeItem *child(int row) const override;
    int childCount() const override { return modelCount(); }
    // One filter, the one at row; the model never asks for more.
    bool naviTreeItemAcceptChild(LWNaviTreeItem *item) const override;
    void naviTreeItemMoveChild(int from, int to) override;
    void naviTreeItemSelect() override;
    void naviTreeItemUpdateResourceInScene() override;
    void menuItemAction(QString menuItemId) override;

    // Feature.
    void readContentFile() override;
    QJsonValue saveFeature(const SaveParam &param) override;
    QJsonValue toConfigLinkValue() const override;

    // Filters. addPart is the author's undoable add; createPart only builds
    // the filter object of a type ("mask", "brow" ...), null for an unknown
    // type; appendNewPart builds, initialises and appends it.
    void addPart(const QString &type);
    LWFaceMakeupV2FilterBase *createPart(const QString &type);
    LWFaceMakeupV2FilterBase *appendNewPart(const QString &type);
    void onActionRemoveFilter(LWFaceMakeupV2FilterBase *filter);
    // The scene's filter list changed.
    void updatePartToScene();

    // The list changes reach the scene whoever makes them (undo commands,
    // the tree model).
    void insertModel(int row, LWFaceMakeupV2FilterBase *model) override;
    void appendModel(LWFaceMakeupV2FilterBase *model) override;
    bool removeModel(LWFaceMakeupV2FilterBase *model) override;
    LWFaceMakeupV2FilterBase *removeModelAt(int row) override;
    void prependModel(LWFaceMakeupV2FilterBase *model) override;

    // Cuts the picture at path to its visible pixels and saves it over
    // itself; rect receives the cut. False when there is nothing visible or
    // the file cannot be read or written.
    static bool clipedImage(const QString &path, QRect &rect);

    // The rectangle a filter covers by default, from the standard face type.
    QRect getDefaultSize() const;
    gsMakeupStandardFaceType standardType() const { return m_standardType; }
    int faceSDK() const { return m_faceSDK; }
    int faceWidth() const { return m_faceWidth; }
    int faceHeight() const { return m_faceHeight; }
    QString version() const { return m_version; }
    QString makeupJsonPath() const { return m_makeupJsonPath; }
    QString standardFaceKeyPointsPath() const { return m_standardFaceKeyPointsPath; }
    // The faces chosen in the panel; empty means every face.
    QList<int> faceList() const;
    LWMakeupV2SceneViewModel *makeupScene() const { return m_scene; }

    // The cut a texture's files already carry (from an earlier export), by
    // resource id; null when the texture is whole.
    QRect textureCrop(const QString &resourceId) const { return m_textureCrops.value(resourceId); }
    // Stored only when the rectangle is smaller than the standard face in
    // either direction; otherwise the texture counts as whole.
    void setTextureCrop(const QString &resourceId, const QRect &rect);

    // Source folders of imported textures are deleted once every filter of
    // the document being read has taken what it needs from them.
    void releaseImportedFolders(const QStringList &folders);

    // The makeup document of a project save ("substance") and of an export.
    QJsonObject storeDocument();
    QJsonObject exportDocument(const QString &featureFolder);

    // Scene source.
    QObjectList sceneFilters() const override;
    QString scenePupilPath() const override;
    int sceneStandardFaceWidth() const override { return getDefaultSize().width(); }

public slots:
    void onResponseContextMenu(QString p_strItemId) override;

private:
    void buildMenus();
    void parseDocument(const QJsonObject &document, bool fromProject);
    void readStandardFace(const QJsonObject &size);
    void readFilters(const QJsonArray &filters, bool fromProject);
    void buildFaceInspector(const QJsonValue &faceIds);
    void readProjectData(const QJsonObject &record);
    void readContentPath();
    void exportPackage(const SaveParam &param);
    QJsonObject standardFaceSizeObject() const;

    QString m_makeupJsonPath = QStringLiteral("makeup.json");
    QString m_standardFaceKeyPointsPath = QStringLiteral("mask/texcoord.txt");
    int m_faceSDK = 2;
    QString m_version = QStringLiteral("1.1");
    int m_faceWidth = 1200;
    int m_faceHeight = 1200;
    gsMakeupStandardFaceType m_standardType = gsMakeupEStandardFace1200x1200;
    QHash<QString, QRect> m_textureCrops;
    LWMakeupV2SceneViewModel *m_scene = nullptr; // owned (QObject child)
    int m_parsing = 0;
    QStringList m_pendingFolders;
};
