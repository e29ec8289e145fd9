#pragma once

#include "LW2DStickerPartData.h"
#include "navigation/LWNaviTreeItem.h"
#include "resources/LWTemplateResourceReceiver.h"

#include <QJsonObject>
#include <QList>
#include <QPointF>
#include <QPointer>

class LW2DSticker;

namespace NS2DStickerParameter {
struct FaceTypeRelateData;
}

// One component of a 2D sticker: a frame sequence pinned to face key
// points, a child of the sticker feature in the effect tree. Its panel edits
// the data; the part scene reads and moves its placement on the standard
// face through the properties below.
class LW2DStickerPart : public LWNaviTreeItem, public LWTemplateResourceReceiver
{
    Q_OBJECT
    Q_PROPERTY(int frameCount READ frameCount NOTIFY frameCountChanged)
    Q_PROPERTY(QString stickerPartPath READ stickerPartPath NOTIFY stickerPartPathChanged)
    Q_PROPERTY(double partScale READ partScale WRITE setPartScale NOTIFY partScaleChanged)
    Q_PROPERTY(QPointF framePos READ framePos WRITE setFramePos NOTIFY framePosChanged)
    Q_PROPERTY(double frameWidth READ frameWidth WRITE setFrameWidth NOTIFY frameWidthChanged)
    Q_PROPERTY(double frameHeight READ frameHeight WRITE setFrameHeight NOTIFY frameHeightChanged)
    Q_PROPERTY(QList<int> listTracePoint READ listTracePoint NOTIFY listTracePointChanged)

public:
    // A frame sequence dropped on the part becomes its texture, chosen as in
    // its panel's "Frames" list.
    void receiveTemplateResources(const QStringList &resourceIds) override;
    static QString profilePath() { return QStringLiteral(":/LW2DSticker/LW2DStickerPartProfile.json"); }
    static QString removeMenuId() { return QStringLiteral("remove"); }
    static QString renameMenuId() { return QStringLiteral("renameMatting"); }

    // From a stored part: name is the key it was stored under.
    LW2DStickerPart(LW2DSticker *sticker, const QString &name, const QJsonObject &part, bool fromProject);
    LW2DStickerPart(LW2DSticker *sticker, const LW2DStickerPartData &data);
    ~LW2DStickerPart() override;

    // Tree node.
    LWNaviTreeItem *parentItem() const override;
    int columnCount() const override { return 1; }
    QVariant data(int column) const override;
    int row() const override;
    void menuItemAction(QString menuItemId) override;
    void naviTreeItemRemove() override;
    void naviTreeItemSelect() override;
    void naviTreeItemInspectorDataChanged() override;

    LW2DSticker *sticker() const;
    const LW2DStickerPartData &partData() const { return m_data; }
    // The folder its frames are exported to: the resource's name, or
    // "__LWOptionNone" without texture.
    QString frameFolderName() const;
    bool hasResolvedTexture() const;

    // Scene geometry on the standard face of the sticker's face type.
    int frameCount() const { return m_data.frameCount; }
    QString stickerPartPath() const;
    double partScale() const;
    QPointF framePos() const;
    double frameWidth() const { return m_data.width; }
    double frameHeight() const { return m_data.height; }
    QList<int> listTracePoint() const;

    // What the scene writes: each makes one undo step (a move that changes
    // nothing makes none).
    void setFramePos(const QPointF &position);
    void setPartScale(double scale);
    void setFrameWidth(double width);
    void setFrameHeight(double height);

    // What the scene commands execute.
    void applyFramePos(const QPointF &position);
    void applyPartScale(double scale);
    const LW2DStickerAnchors &anchors() const { return m_data.anchors; }
    void restoreAnchors(const LW2DStickerAnchors &anchors);

    // Follows the points of another tracking area of the current face.
    void changeTrackingArea(int region);
    // The tracking area the part follows, -1 when its points are none of them.
    int trackingArea() const;
    // A new frame sequence: its id, frame count and frame size.
    void replaceTexture(const QString &resourceId);

    // The face type changed under the part: its placement reads anew.
    void notifyGeometryChanged();

signals:
    void frameCountChanged(int frameCount);
    void stickerPartPathChanged(QString path);
    void partScaleChanged(double scale);
    void framePosChanged(QPointF position);
    void frameWidthChanged(double width);
    void frameHeightChanged(double height);
    void listTracePointChanged();

private:
    void setUp();
    // The standard face of the sticker's face type (human for a lone part).
    const NS2DStickerParameter::FaceTypeRelateData &faceData() const;
    void buildInspector();
    void pullInspector();
    void emitPlacementChanged();
    // The panel's frame count follows a new texture without an undo step.
    void showFrameCount();

    QPointer<LW2DSticker> m_sticker;
    LW2DStickerPartData m_data;
    QJsonObject m_lastPanelValue; // what the panel gave last: edits are its differences
    bool m_pulling = false;
};
