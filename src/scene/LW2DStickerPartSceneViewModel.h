#pragma once

#include "LWSceneViewModel.h"

#include <QString>
#include <QVariantList>

namespace NS2DStickerParameter {
struct FaceTypeRelateData;
}

// The part editor scene of a 2D sticker, reduced to what the sticker's
// parts need from it so far: the face type in force (human until told
// otherwise), its standard picture and key points. Parts are placed on that
// face; a change of face type moves every part's placement.
class LW2DStickerPartSceneViewModel : public LWSceneViewModel
{
    Q_OBJECT
    Q_PROPERTY(QString qmlPath READ qmlPath CONSTANT)
    Q_PROPERTY(QString backgroundImage READ backgroundImage NOTIFY backgroundImageChanged)
    Q_PROPERTY(QVariantList keyPoints READ keyPoints NOTIFY keyPointsChanged)
    Q_PROPERTY(QString qmlFaceType READ qmlFaceType NOTIFY qmlFaceTypeChanged)

public:
    enum QMLFaceType {
        QMLFaceTypeCat = 0,
        QMLFaceTypeHuman,
        QMLFaceTypeUnknow,
    };
    Q_ENUM(QMLFaceType)

    explicit LW2DStickerPartSceneViewModel(QObject *parent = nullptr);

    QString qmlPath() const { return QStringLiteral("qrc:/LW2DSticker/LW2DStickerPartSceneView.qml"); }
    QString backgroundImage() const;
    QVariantList keyPoints() const;
    QString qmlFaceType() const;

    // NS2DStickerParameter::FaceType; other values stand for an unknown face.
    int faceType() const { return m_faceType; }
    void setFaceType(int faceType);
    const NS2DStickerParameter::FaceTypeRelateData &faceTypeData() const;

signals:
    void faceTypeChanged(int faceType);
    void backgroundImageChanged();
    void keyPointsChanged();
    void qmlFaceTypeChanged();

private:
    int m_faceType = 0;
};
