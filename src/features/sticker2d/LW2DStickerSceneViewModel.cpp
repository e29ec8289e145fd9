#include "LW2DStickerSceneViewModel.h"

#include "LW2DStickerPartSceneViewModel.h"
#include "features/sticker2d/LW2DSticker.h"
#include "features/sticker2d/LW2DStickerPart.h"
#include "features/sticker2d/NS2DStickerParameter.h"

#include <QFileInfo>

LW2DStickerSceneViewModel::LW2DStickerSceneViewModel(LW2DSticker *sticker, QObject *parent)
    : LWSceneViewModel(parent)
    , m_sticker(sticker)
{
    if (!sticker)
        return;
    connect(sticker, &LW2DSticker::partsChanged, this, &LW2DStickerSceneViewModel::listPartObjectChanged);
    if (LW2DStickerPartSceneViewModel *scene = sticker->scene())
        connect(scene, &LW2DStickerPartSceneViewModel::faceTypeChanged, this,
                &LW2DStickerSceneViewModel::backgroundImageChanged);
}

LW2DStickerSceneViewModel::~LW2DStickerSceneViewModel() = default;

QObjectList LW2DStickerSceneViewModel::listPartObject() const
{
    return drawingOrder(m_sticker.data());
}

QString LW2DStickerSceneViewModel::backgroundImage() const
{
    return m_sticker ? m_sticker->faceTypeData().standardImage : QString();
}

QSizeF LW2DStickerSceneViewModel::backgroundSize() const
{
    return drawableSize(m_sticker ? m_sticker->faceTypeData()
                                  : NS2DStickerParameter::faceTypeData(NS2DStickerParameter::FaceTypeHuman));
}

QObjectList LW2DStickerSceneViewModel::drawingOrder(const LW2DSticker *sticker)
{
    QObjectList parts;
    if (!sticker)
        return parts;
    const QList<LW2DStickerPart *> &models = sticker->models();
    parts.reserve(models.size());
    for (auto it = models.crbegin(); it != models.crend(); ++it)
        parts.append(*it);
    return parts;
}

QUrl LW2DStickerSceneViewModel::partFrameUrl(QObject *part, int frame)
{
    auto *stickerPart = qobject_cast<LW2DStickerPart *>(part);
    if (!stickerPart || frame < 0 || frame >= stickerPart->frameCount())
        return QUrl();
    const QString sequence = stickerPart->stickerPartPath();
    if (sequence.isEmpty())
        return QUrl();
    const QString file = sequence + QStringLiteral("_%1.png").arg(frame, 3, 10, QLatin1Char('0'));
    return QFileInfo(file).isFile() ? QUrl::fromLocalFile(file) : QUrl();
}

QSizeF LW2DStickerSceneViewModel::drawableSize(const NS2DStickerParameter::FaceTypeRelateData &face)
{
    if (!face.standardSize.isEmpty())
        return face.standardSize;
    const QSize human = NS2DStickerParameter::faceTypeData(NS2DStickerParameter::FaceTypeHuman).standardSize;
    return human.isEmpty() ? QSizeF(720, 1280) : QSizeF(human);
}
