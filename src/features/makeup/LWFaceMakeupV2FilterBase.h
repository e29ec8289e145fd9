#pragma once

#include "navigation/LWNaviTreeItem.h"

#include <QHash>
#include <QJsonObject>
#include <QPointF>
#include <QRect>
#include <QStringList>

class LWFaceMakeUpV2Model;
struct LWFaceMakeupV2FilterKind;

// One layer of a face makeup: a child of the makeup in the effect tree with
// its own panel, its picture in the makeup scene and one object of the
// "filters" array of makeup.json. The eleven kinds share this class; what
// differs between them is a row of LWFaceMakeupV2FilterKind.
//
// The filter keeps its values between pulls from its panel, but the panel
// is the authority: store() and lwExport() read it back first.
class LWFaceMakeupV2FilterBase : public LWNaviTreeItem
{
    Q_OBJECT
    Q_PROPERTY(QString filterImgPath READ filterImgPath NOTIFY filterImgPathChanged)
    Q_PROPERTY(QPointF filterPos READ filterPos NOTIFY filterPosChanged)
    Q_PROPERTY(int filterWidth READ filterWidth NOTIFY filterWidthChanged)
    Q_PROPERTY(int filterHeight READ filterHeight NOTIFY filterHeightChanged)

public:
    enum LWFaceMakeUpFilterType {
        LWFaceMakeUpFilterTypeMask = 0,
        LWFaceMakeUpFilterTypeLipsKeypoint,
        LWFaceMakeUpFilterTypeTeeth,
        LWFaceMakeUpFilterTypeLipsSeg,
        LWFaceMakeUpFilterTypeBrow,
        LWFaceMakeUpFilterTypePoints,
        LWFaceMakeUpFilterTypeEyePart,
        LWFaceMakeUpFilterTypeMouthPart,
        LWFaceMakeUpFilterTypePupil,
        LWFaceMakeupUpFilterTypeLipsV2,
        LWFaceMakeupUpFilterTypeJiemaoV2,
        LWFaceMakeupUpFilterTypeLipsV3,
        LWFaceMakeUpFilterUnknown,
    };
    Q_ENUM(LWFaceMakeUpFilterType)

    // What the scene draws for the filter.
    struct RenderInfo
    {
        int zPosition = 0;
        int rectX = 0;
        int rectY = 0;
        int width = -1;
        int height = -1;
        QString imagePath;
    };

    static QString renameMenuId() { return QStringLiteral("ItemRename"); }
    static QString removeMenuId() { return QStringLiteral("ItemRemove"); }

    // typeKey names the row of the kind table ("mask", "brow" ...).
    LWFaceMakeupV2FilterBase(LWFaceMakeUpV2Model *makeup, const QString &typeKey);
    ~LWFaceMakeupV2FilterBase() override;

    // Tree node.
    LWNaviTreeItem *parentItem() const override;
    int columnCount() const override { return 1; }
    QVariant data(int column) const override;
    int row() const override;
    void menuItemAction(QString menuItemId) override;
    void naviTreeItemRemove() override;
    // Pulls the panel's value and refreshes the scene picture.
    void naviTreeItemInspectorDataChanged() override;

    const LWFaceMakeupV2FilterKind &kind() const { return *m_kind; }
    LWFaceMakeUpFilterType filterType() const;
    QString typeKey() const;
    LWFaceMakeUpV2Model *makeup() const { return m_makeup; }

    // Keeps the filter object of makeup.json (or of a project) for the next
    // init() or load(); anything but an object is ignored.
    void setFilterValue(const QJsonValue &value);
    const QJsonObject &filterValue() const { return m_filterValue; }
    // A new filter or one of a package folder: the resources are folders to
    // import. An empty filter value takes the kind's defaults.
    virtual void init();
    // A filter of a project: the resources are resource ids already. An
    // empty filter value leaves the filter as it is.
    void load();
    // The filter object of a project save.
    QJsonObject store();
    // The filter object of makeup.json; the resources are written into the
    // feature folder.
    QJsonObject lwExport(const QString &featureFolder);
    // Raises version to the lowest engine version this filter needs.
    void getMaxVersion(QString &version) const;

    // Current values (after the last pull from the panel).
    QString resourceId(const QString &key) const { return m_resourceIds.value(key); }
    double intensity() const { return m_intensity; }
    int blendMode() const { return m_blendMode; }
    int zPosition() const { return m_zPosition; }
    QJsonObject extraValues() const { return m_extra; }
    // The rectangle written for this filter now.
    QRect writtenRect() const;
    RenderInfo renderInfo() const { return m_renderInfo; }
    QString previewDataId() const { return m_previewDataId; }
    QString previewResId() const { return m_previewResId; }
    int standardFaceWidth() const { return m_standardFaceWidth; }
    int standardFaceHeight() const { return m_standardFaceHeight; }
    // The data the panel was built from.
    QJsonObject inspectorValue() const { return m_inspectorValue; }

    // Scene properties.
    QString filterImgPath() const { return m_renderInfo.imagePath; }
    QPointF filterPos() const { return QPointF(m_renderInfo.rectX, m_renderInfo.rectY); }
    int filterWidth() const { return m_renderInfo.width; }
    int filterHeight() const { return m_renderInfo.height; }

public slots:
    void onCheckedChanged(bool p_bChecked) override;

signals:
    void filterImgPathChanged();
    void filterPosChanged();
    void filterWidthChanged();
    void filterHeightChanged();

protected:
    // Imports the resource folders of the filter value into the library
    // and lists the feature-folder sources that were used up.
    virtual void importResources(QStringList &usedFolders);
    // Writes the exported resource records into filter and moves rect to
    // the crop of the cut slot when one was cut.
    virtual void exportResources(QJsonObject &filter, const QString &featureFolder, QRect &rect);

    // The absolute folder a record's "path" names: resource paths as they
    // are, others inside the makeup's feature folder (empty when the path
    // leads elsewhere or names no folder). fromFeatureFolder tells which.
    QString resolveFolder(const QJsonValue &record, bool *fromFeatureFolder) const;
    void setResourceId(const QString &key, const QString &id) { m_resourceIds.insert(key, id); }
    // The scene picture and its rectangle for the preview resource.
    void refreshPreview(const QString &resourceId);

private:
    QJsonObject defaultFilterValue() const;
    void readValues(const QJsonObject &value);
    void readBack();
    void applyRect();
    void buildInspector();
    QJsonObject commonKeys() const;
    QJsonObject rectObject(const QRect &rect) const;
    QString imagePathOf(const QString &resourceId) const;
    void setRenderRect(const QRect &rect);

    LWFaceMakeUpV2Model *m_makeup;           // not owned; our QObject parent
    const LWFaceMakeupV2FilterKind *m_kind;  // not owned; a row of the static table
    RenderInfo m_renderInfo;
    QString m_previewDataId;
    QString m_previewResId;
    int m_standardFaceWidth = 1280;
    int m_standardFaceHeight = 1280;
    QJsonObject m_filterValue;
    QJsonObject m_inspectorValue;
    QRect m_rect;                            // as read from the filter value
    int m_zPosition = 1;
    int m_blendMode = 1;
    double m_intensity = 1.0;
    QJsonObject m_extra;
    QHash<QString, QString> m_resourceIds;   // slot key -> resource id
    QString m_filterVersion;
};
