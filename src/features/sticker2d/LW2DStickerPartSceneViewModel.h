#pragma once

#include "scene/LWSceneViewModel.h"

#include <QObjectList>
#include <QPointer>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QUrl>
#include <QVariantList>

class LW2DSticker;
class LW2DStickerPart;

namespace NS2DStickerParameter {
struct FaceTypeRelateData;
}

// The part editor of a 2D sticker: the sticker's parts over the standard
// face of the face type in force, one of them selected. The view lists the
// parts in drawing order (the sticker's last part first, so its first part
// is drawn on top) and addresses them by their index in that list; the
// sticker and the tree count from the other end.
//
// Moves and scales reach the parts through movePart() and scalePart(),
// which refuse what the parts must never be given (numbers that are not
// finite, a scale of 0 or less): each that changes a part is one undo step.
class LW2DStickerPartSceneViewModel : public LWSceneViewModel
{
    Q_OBJECT
    Q_PROPERTY(int qmlSelectIndex READ qmlSelectIndex WRITE setQmlSelectIndex NOTIFY qmlSelectIndexChanged)
    Q_PROPERTY(QObjectList listPartObject READ listPartObject NOTIFY listPartObjectChanged)
    Q_PROPERTY(QString backgroundImage READ backgroundImage NOTIFY backgroundImageChanged)
    Q_PROPERTY(QSizeF backgroundSize READ backgroundSize NOTIFY backgroundImageChanged)
    Q_PROPERTY(QVariantList keyPoints READ keyPoints NOTIFY keyPointsChanged)
    Q_PROPERTY(QString qmlFaceType READ qmlFaceType NOTIFY qmlFaceTypeChanged)

public:
    enum QMLFaceType {
        QMLFaceTypeCat = 0,
        QMLFaceTypeHuman,
        QMLFaceTypeUnknow,
    };
    Q_ENUM(QMLFaceType)

    // Below this a part is too small to take hold of again; the scale
    // handle stops there.
    static constexpr double kMinScale = 0.05;

    explicit LW2DStickerPartSceneViewModel(QObject *parent = nullptr);
    ~LW2DStickerPartSceneViewModel() override;

    QString qmlPath() const override { return QStringLiteral("qrc:/LW2DSticker/LW2DStickerPartSceneView.qml"); }
    void focusItem(LWNaviTreeItem *item) override;

    // The sticker whose parts are shown; not owned. Set by the sticker.
    void setSticker(LW2DSticker *sticker);
    LW2DSticker *sticker() const;

    int qmlSelectIndex() const;
    void setQmlSelectIndex(int index);
    QObjectList listPartObject() const;
    QString backgroundImage() const;
    // The standard face's size in pixels; never empty, so the view can
    // always divide by it.
    QSizeF backgroundSize() const;
    QVariantList keyPoints() const;
    QString qmlFaceType() const;
    // See LW2DStickerSceneViewModel::partFrameUrl.
    Q_INVOKABLE QUrl frameUrl(QObject *part, int frame) const;

    // NS2DStickerParameter::FaceType; other values stand for an unknown face.
    int faceType() const { return m_faceType; }
    void setFaceType(int faceType);
    const NS2DStickerParameter::FaceTypeRelateData &faceTypeData() const;

    // The part at a view index, null outside the list.
    LW2DStickerPart *partAt(int qmlIndex) const;
    // The part selected in the scene or in the tree, null for none.
    LW2DStickerPart *selectedPart() const { return m_selected.data(); }

    // The part's top-left goes to position (standard-face pixels).
    Q_INVOKABLE void movePart(int qmlIndex, const QPointF &position);
    // The part's scale is multiplied by factor, about its top-left corner,
    // stopping at kMinScale (or at its own scale when that is smaller).
    Q_INVOKABLE void scalePart(int qmlIndex, double factor);

signals:
    void faceTypeChanged(int faceType);
    void qmlSelectIndexChanged(int val);
    void listPartObjectChanged();
    void backgroundImageChanged();
    void keyPointsChanged();
    void qmlFaceTypeChanged();

private:
    int partCount() const;
    // The sticker's row of the selected part, -1 for none.
    int selectedRow() const;
    void setSelected(LW2DStickerPart *part, bool fromScene);
    void onPartsChanged();

    QPointer<LW2DSticker> m_sticker;
    QPointer<LW2DStickerPart> m_selected;
    int m_reportedIndex = 0; // what qmlSelectIndexChanged said last
    int m_faceType = 0;
};
