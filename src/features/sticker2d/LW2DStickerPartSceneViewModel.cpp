#include "LW2DStickerPartSceneViewModel.h"

#include "LW2DStickerSceneViewModel.h"
#include "features/sticker2d/LW2DSticker.h"
#include "features/sticker2d/LW2DStickerPart.h"
#include "features/sticker2d/NS2DStickerParameter.h"

#include <QDebug>
#include <QMetaEnum>
#include <cmath>

namespace {

bool isFinite(const QPointF &p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

} // namespace

LW2DStickerPartSceneViewModel::LW2DStickerPartSceneViewModel(QObject *parent)
    : LWSceneViewModel(parent)
{
}

LW2DStickerPartSceneViewModel::~LW2DStickerPartSceneViewModel() = default;

void LW2DStickerPartSceneViewModel::setSticker(LW2DSticker *sticker)
{
    if (m_sticker == sticker)
        return;
    if (m_sticker)
        m_sticker->disconnect(this);
    m_sticker = sticker;
    m_selected = nullptr;
    if (m_sticker)
        connect(m_sticker, &LW2DSticker::partsChanged, this, &LW2DStickerPartSceneViewModel::onPartsChanged);
    onPartsChanged();
}

LW2DSticker *LW2DStickerPartSceneViewModel::sticker() const
{
    return m_sticker.data();
}

int LW2DStickerPartSceneViewModel::partCount() const
{
    return m_sticker ? m_sticker->modelCount() : 0;
}

int LW2DStickerPartSceneViewModel::selectedRow() const
{
    if (!m_sticker || !m_selected)
        return -1;
    return m_sticker->indexOfModel(m_selected.data());
}

// --- selection -------------------------------------------------------------------

int LW2DStickerPartSceneViewModel::qmlSelectIndex() const
{
    // Nothing selected reads as one past the end of the list.
    return partCount() - selectedRow() - 1;
}

void LW2DStickerPartSceneViewModel::setQmlSelectIndex(int index)
{
    const int row = partCount() - index - 1;
    LW2DStickerPart *part = (m_sticker && row >= 0 && row < partCount()) ? m_sticker->modelAt(row) : nullptr;
    setSelected(part, true);
}

void LW2DStickerPartSceneViewModel::focusItem(LWNaviTreeItem *item)
{
    auto *part = qobject_cast<LW2DStickerPart *>(item);
    if (part && m_sticker && m_sticker->indexOfModel(part) >= 0)
        setSelected(part, false);
}

void LW2DStickerPartSceneViewModel::setSelected(LW2DStickerPart *part, bool fromScene)
{
    if (part == m_selected.data())
        return;
    m_selected = part;
    m_reportedIndex = qmlSelectIndex();
    emit qmlSelectIndexChanged(m_reportedIndex);
    // The tree follows a choice made in the scene, as if it had been
    // clicked there; its selection comes back here through focusItem().
    if (fromScene && part)
        part->requestSelection(true);
}

void LW2DStickerPartSceneViewModel::onPartsChanged()
{
    // A removed part is no longer selected; the others keep their selection
    // even though their index in the view moves.
    if (m_selected && selectedRow() < 0)
        m_selected = nullptr;
    emit listPartObjectChanged();
    if (qmlSelectIndex() != m_reportedIndex) {
        m_reportedIndex = qmlSelectIndex();
        emit qmlSelectIndexChanged(m_reportedIndex);
    }
}

LW2DStickerPart *LW2DStickerPartSceneViewModel::partAt(int qmlIndex) const
{
    const int row = partCount() - qmlIndex - 1;
    return (m_sticker && row >= 0 && row < partCount()) ? m_sticker->modelAt(row) : nullptr;
}

QObjectList LW2DStickerPartSceneViewModel::listPartObject() const
{
    return LW2DStickerSceneViewModel::drawingOrder(m_sticker.data());
}

QUrl LW2DStickerPartSceneViewModel::frameUrl(QObject *part, int frame) const
{
    return LW2DStickerSceneViewModel::partFrameUrl(part, frame);
}

// --- face --------------------------------------------------------------------------

const NS2DStickerParameter::FaceTypeRelateData &LW2DStickerPartSceneViewModel::faceTypeData() const
{
    return NS2DStickerParameter::faceTypeData(m_faceType);
}

QString LW2DStickerPartSceneViewModel::backgroundImage() const
{
    return faceTypeData().standardImage;
}

QSizeF LW2DStickerPartSceneViewModel::backgroundSize() const
{
    return LW2DStickerSceneViewModel::drawableSize(faceTypeData());
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

// --- editing -----------------------------------------------------------------------

void LW2DStickerPartSceneViewModel::movePart(int qmlIndex, const QPointF &position)
{
    LW2DStickerPart *part = partAt(qmlIndex);
    if (!part)
        return;
    // A part whose placement does not compute (a scale of 0 read from a
    // file) cannot be moved: the shift would be divided by that scale.
    const double scale = part->partScale();
    if (!isFinite(position) || !isFinite(part->framePos()) || !std::isfinite(scale) || scale <= 0.0) {
        qWarning() << "2D sticker scene: part" << part->title() << "not moved to" << position;
        return;
    }
    part->setFramePos(position);
}

void LW2DStickerPartSceneViewModel::scalePart(int qmlIndex, double factor)
{
    LW2DStickerPart *part = partAt(qmlIndex);
    if (!part)
        return;
    const double scale = part->partScale();
    if (!std::isfinite(factor) || factor <= 0.0 || !std::isfinite(scale) || scale <= 0.0) {
        qWarning() << "2D sticker scene: part" << part->title() << "not scaled by" << factor;
        return;
    }
    const double next = std::max(scale * factor, std::min(kMinScale, scale));
    // Held at the floor: nothing changes, so no step either.
    if (!std::isfinite(next) || next == scale)
        return;
    part->setPartScale(next);
}
