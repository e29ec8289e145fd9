#include "LW2DStickerPartSceneViewModel.h"

#include "features/sticker2d/NS2DStickerParameter.h"

#include <QMetaEnum>

LW2DStickerPartSceneViewModel::LW2DStickerPartSceneViewModel(QObject *parent)
    : LWSceneViewModel(parent)
{
}

const NS2DStickerParameter::FaceTypeRelateData &LW2DStickerPartSceneViewModel::faceTypeData() const
{
    return NS2DStickerParameter::faceTypeData(m_faceType);
}

QString LW2DStickerPartSceneViewModel::backgroundImage() const
{
    return faceTypeData().standardImage;
}

QVariantList LW2DStickerPartSceneViewModel::keyPoints() const
{
    QVariantList points;
    for (const QPointF &point : faceTypeData().keyPoints)
        points.append(point);
    return points;
}

QString LW2DStickerPartSceneViewModel::qmlFaceType() const
{
    QMLFaceType type = QMLFaceTypeUnknow;
    if (m_faceType == NS2DStickerParameter::FaceTypeHuman)
        type = QMLFaceTypeHuman;
    else if (m_faceType == NS2DStickerParameter::FaceTypeCat)
        type = QMLFaceTypeCat;
    return QLatin1String(QMetaEnum::fromType<QMLFaceType>().valueToKey(type));
}

void LW2DStickerPartSceneViewModel::setFaceType(int faceType)
{
    if (m_faceType == faceType)
        return;
    m_faceType = faceType;
    emit faceTypeChanged(faceType);
    emit backgroundImageChanged();
    emit keyPointsChanged();
    emit qmlFaceTypeChanged();
}
