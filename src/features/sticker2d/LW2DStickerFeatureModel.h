#pragma once

#include "features/LWFeatureTreeItem.h"
#include "resources/LWTemplateResourceReceiver.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

class LW2DSticker;
class LW2DStickerPart;
class LW2DStickerPartSceneViewModel;
struct LW2DStickerPartData;

// The 2D sticker feature: a node of the effect tree whose children are the
// sticker's components, the owner of the sticker document and of the folder
// the package keeps it in ("content.json", the sticker JSON and one frame
// folder per component).
class LW2DStickerFeatureModel : public LWFeatureTreeItem, public LWTemplateResourceReceiver
{
    Q_OBJECT

public:
    static QString profilePath() { return QStringLiteral(":/LW2DSticker/LW2DStickerProfile.json"); }
    static QString importFrameMenuId() { return QStringLiteral("importFrame"); }
    static QString removeFeatureMenuId() { return QStringLiteral("removeFeature"); }
    static QString addComponentMenuId() { return QStringLiteral("addComponent"); }
    static QString renameFeatureMenuId() { return QStringLiteral("renameFeature"); }

    // record: the Link entry, the project record, or the default data.
    // stickerKind 1 is written as "2DSticker", 0 as "2DStickerV2".
    LW2DStickerFeatureModel(LWFeatureContainer *container, int zOrder, const QString &path, const QJsonObject &record,
                            const LoadParam &loadParam, int stickerKind);
    ~LW2DStickerFeatureModel() override;

    // Tree node: the parts, which may be reordered among themselves.
    LWNaviTreeItem *child(int row) const override;
    int childCount() const override;
    bool naviTreeItemAcceptChild(LWNaviTreeItem *item) const override;
    void naviTreeItemInsertChild(int row, LWNaviTreeItem *item) override;
    LWNaviTreeItem *naviTreeItemTakeChild(int row) override;
    void naviTreeItemMoveChild(int from, int to) override;
    void menuItemAction(QString menuItemId) override;
    void naviTreeItemInspectorDataChanged() override;

    // Feature.
    void readContentFile() override;
    QJsonObject getFeatureRequirements() const override;
    QJsonValue saveFeature(const SaveParam &param) override;
    QJsonValue toConfigLinkValue() const override;

    // Adds an "Untitled" component through an undo step.
    void addComponent();
    // A frame sequence dropped on the sticker becomes a new part with it.
    void receiveTemplateResources(const QStringList &resourceIds) override;
    // Asks for a folder (or a file standing for its folder) and imports it
    // as a new component.
    void importFrame();
    // The import once the author has picked: the new part, or null when the
    // folder holds no image.
    LW2DStickerPart *importTextureFrom(const QString &pickedPath);

    LW2DSticker *sticker() const { return m_sticker; }
    LW2DStickerPartSceneViewModel *partScene() const { return m_partScene; }
    int stickerKind() const { return m_stickerKind; }
    // "2DSticker" or "2DStickerV2".
    QString linkTypeName() const;
    QString stickerFileName() const { return m_stickerFileName; }
    QList<int> faceIndexes() const { return m_faceIndexes; }

private:
    void readStickerFileName();
    void buildInspector();
    QJsonArray faceIndexArray() const;
    // The folder of this feature, without a trailing "/".
    QString featureFolder() const;
    // A new component: the Eyes points of the current face, and the size and
    // frames of the PNGs already in folder (300 x 300 and none otherwise).
    LW2DStickerPartData newComponentData(const QString &name, const QString &folder) const;
    QString freeComponentName(const QString &base) const;

    int m_stickerKind;
    QList<int> m_faceIndexes;
    QString m_stickerFileName = QStringLiteral("substance.json");
    LW2DStickerPartSceneViewModel *m_partScene; // owned (QObject child)
    LW2DSticker *m_sticker;                     // owned (QObject child)
};
