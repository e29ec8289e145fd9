#include "LW2DStickerPart.h"

#include "inspector/LWPropChoiceViewModel.h"

#include "LW2DSticker.h"
#include "LW2DStickerFrames.h"
#include "LW2DStickerPartInspector.h"
#include "LW2DStickerRemoveComponentUndoCommand.h"
#include "LW2DStickerScenePartMoveUndoCommand.h"
#include "LW2DStickerScenePartScaleUndoCommand.h"
#include "NS2DStickerParameter.h"
#include "common/LWEffectCommon.h"
#include "features/LWMenuItemModel.h"
#include "inspector/LWInspectorViewModel.h"
#include "inspector/LWPropIntViewModel.h"
#include "resources/LWResourceManager.h"
#include "features/sticker2d/LW2DStickerPartSceneViewModel.h"
#include "undo/LWUndoStack.h"

#include <QDebug>
#include <QImageReader>
#include <cmath>

namespace {

constexpr double kTiny = 1e-6;

double manhattan(const QPointF &p)
{
    return std::abs(p.x()) + std::abs(p.y());
}

double length(const QPointF &p)
{
    return std::hypot(p.x(), p.y());
}

QList<int> indicesOf(const QVector<LW2DStickerAnchor> &anchors)
{
    QList<int> indices;
    for (const LW2DStickerAnchor &anchor : anchors)
        indices.append(anchor.index);
    return indices;
}

LWQmlViewModel *findNode(LWQmlViewModel *node, const QString &id)
{
    if (!node)
        return nullptr;
    if (node->id() == id)
        return node;
    for (const auto &child : node->children()) {
        if (LWQmlViewModel *found = findNode(child.get(), id))
            return found;
    }
    return nullptr;
}

} // namespace

LW2DStickerPart::LW2DStickerPart(LW2DSticker *sticker, const QString &name, const QJsonObject &part,
                                 bool fromProject)
    : LWNaviTreeItem(sticker)
    , m_sticker(sticker)
    , m_data(LW2DStickerPartData::fromJson(name, part, fromProject))
{
    setUp();
}

LW2DStickerPart::LW2DStickerPart(LW2DSticker *sticker, const LW2DStickerPartData &data)
    : LWNaviTreeItem(sticker)
    , m_sticker(sticker)
    , m_data(data)
{
    setUp();
}

LW2DStickerPart::~LW2DStickerPart() = default;

LW2DSticker *LW2DStickerPart::sticker() const
{
    return m_sticker.data();
}

void LW2DStickerPart::setUp()
{
    setTitle(m_data.title);
    // Setting the check box marks the project changed; a part that is
    // merely read must not.
    if (!m_data.checked)
        setChecked(false);
    setNaviItemIcon(QStringLiteral("qrc:/LWViewCommon/images/2dFeaturePart.png"));
    setSubItems({QVariant::fromValue<QObject *>(new LWMenuItemModel(tr("Delete"), removeMenuId(), this)),
                 QVariant::fromValue<QObject *>(new LWMenuItemModel(tr("Rename"), renameMenuId(), this))});
    setResourceFilter(LWEffectCommon::LWResourceType2DTextureFrame);
    if (m_sticker)
        setSceneViewModel(m_sticker->scene());
    buildInspector();
}

void LW2DStickerPart::buildInspector()
{
    // The preview button counts its clicks from 0 in every panel.
    const QJsonObject data = LW2DStickerPartInspector::toInspector(m_data, trackingArea(), 0);
    auto inspector = LWInspectorViewModel::fromProfile(profilePath(), data);
    m_lastPanelValue = inspector->value().toObject();
    setInspectorViewModel(inspector);
}

// --- tree ----------------------------------------------------------------------

LWNaviTreeItem *LW2DStickerPart::parentItem() const
{
    return m_sticker ? m_sticker->treeItem() : nullptr;
}

QVariant LW2DStickerPart::data(int column) const
{
    return column == 0 ? QVariant(title()) : QVariant();
}

int LW2DStickerPart::row() const
{
    return m_sticker ? qMax(0, m_sticker->indexOfModel(this)) : 0;
}

void LW2DStickerPart::menuItemAction(QString menuItemId)
{
    if (menuItemId == removeMenuId())
        naviTreeItemRemove();
    else if (menuItemId == renameMenuId())
        setNaviItemEditing(true);
}

void LW2DStickerPart::naviTreeItemRemove()
{
    if (m_sticker && m_sticker->indexOfModel(this) >= 0)
        LWUndoStack::instance()->push(new LW2DStickerRemoveComponentUndoCommand(m_sticker, this));
}

void LW2DStickerPart::naviTreeItemSelect()
{
    // An inspector undo taken while another item was selected reached that
    // item, not this one: catch up with the panel now.
    pullInspector();
}

void LW2DStickerPart::naviTreeItemInspectorDataChanged()
{
    pullInspector();
}

void LW2DStickerPart::pullInspector()
{
    const std::shared_ptr<LWQmlViewModel> root = inspectorViewModel();
    if (!root || m_pulling)
        return;
    const QJsonObject value = root->value().toObject();
    if (value == m_lastPanelValue)
        return;
    m_pulling = true;
    const int oldFrameCount = m_data.frameCount;
    const LW2DStickerPartInspector::Changes changes = LW2DStickerPartInspector::apply(value, m_lastPanelValue, m_data);
    m_lastPanelValue = value;
    if (changes.texture)
        replaceTexture(changes.resourceId);
    if (changes.traceRegion)
        changeTrackingArea(changes.region);
    if (m_data.frameCount != oldFrameCount)
        emit frameCountChanged(m_data.frameCount);
    m_pulling = false;
}

// --- texture ---------------------------------------------------------------------

bool LW2DStickerPart::hasResolvedTexture() const
{
    return m_data.hasTexture() && LWResourceManager::instance()->findRecord(m_data.resourceId) != nullptr;
}

QString LW2DStickerPart::frameFolderName() const
{
    if (!hasResolvedTexture())
        return LW2DStickerPartData::noTexture();
    return LW2DStickerFrames::safeName(LWResourceManager::instance()->recordName(m_data.resourceId));
}

QString LW2DStickerPart::stickerPartPath() const
{
    LWResourceManager *library = LWResourceManager::instance();
    if (!hasResolvedTexture() || library->type(m_data.resourceId) != LWEffectCommon::LWResourceType2DTextureFrame)
        return QString();
    return library->absolutePath(m_data.resourceId) + QLatin1Char('/') + library->recordName(m_data.resourceId);
}

void LW2DStickerPart::replaceTexture(const QString &resourceId)
{
    m_data.resourceId = resourceId;
    const QStringList frames = hasResolvedTexture() ? LW2DStickerFrames::resourceFrames(resourceId) : QStringList();
    if (!frames.isEmpty()) {
        m_data.frameCount = frames.size();
        const QSize size = QImageReader(frames.first()).size();
        if (size.isValid()) {
            m_data.width = size.width();
            m_data.height = size.height();
        }
    }
    emit stickerPartPathChanged(stickerPartPath());
    emit frameCountChanged(m_data.frameCount);
    emit frameWidthChanged(m_data.width);
    emit frameHeightChanged(m_data.height);
    showFrameCount();
}

void LW2DStickerPart::showFrameCount()
{
    const std::shared_ptr<LWQmlViewModel> root = inspectorViewModel();
    auto *node = qobject_cast<LWPropIntViewModel *>(findNode(root.get(), QStringLiteral("frameCount")));
    if (!node || node->intValue() == m_data.frameCount)
        return;
    const bool pulling = m_pulling;
    m_pulling = true; // the panel announces the change; it is ours already
    node->applyUndoValue(m_data.frameCount);
    m_pulling = pulling;
    m_lastPanelValue = root->value().toObject();
}

void LW2DStickerPart::setFrameWidth(double width)
{
    if (m_data.width == width)
        return;
    m_data.width = width;
    emit frameWidthChanged(width);
}

void LW2DStickerPart::setFrameHeight(double height)
{
    if (m_data.height == height)
        return;
    m_data.height = height;
    emit frameHeightChanged(height);
}

// --- placement ---------------------------------------------------------------------

double LW2DStickerPart::partScale() const
{
    const NS2DStickerParameter::FaceTypeRelateData &face = faceData();
    const LW2DStickerAnchor &a = m_data.anchors.scaleA;
    const LW2DStickerAnchor &b = m_data.anchors.scaleB;
    const QPointF image = a.pos() - b.pos();
    // Anchors on one pixel, or on points this face does not have, give no scale.
    if (manhattan(image) < kTiny || !face.hasPoint(a.index) || !face.hasPoint(b.index))
        return 1.0;
    return length(face.point(a.index) - face.point(b.index)) / length(image);
}

QPointF LW2DStickerPart::framePos() const
{
    const NS2DStickerParameter::FaceTypeRelateData &face = faceData();
    const LW2DStickerAnchor first = m_data.anchors.positionX.value(0);
    return face.point(first.index) - partScale() * first.pos();
}

const NS2DStickerParameter::FaceTypeRelateData &LW2DStickerPart::faceData() const
{
    return m_sticker ? m_sticker->faceTypeData() : NS2DStickerParameter::faceTypeData(NS2DStickerParameter::FaceTypeHuman);
}

QList<int> LW2DStickerPart::listTracePoint() const
{
    return indicesOf(m_data.anchors.positionX);
}

int LW2DStickerPart::trackingArea() const
{
    return faceData().regionOf(listTracePoint());
}

void LW2DStickerPart::setFramePos(const QPointF &position)
{
    const double scale = partScale();
    if (scale < kTiny || !std::isfinite(scale) || !std::isfinite(position.x()) || !std::isfinite(position.y()))
        return;
    if (manhattan((framePos() - position) / scale) < kTiny)
        return;
    LWUndoStack::instance()->push(new LW2DStickerScenePartMoveUndoCommand(this, position));
}

void LW2DStickerPart::setPartScale(double scale)
{
    // A scale that is not a positive number would put the anchors at
    // infinity or fold them onto one point.
    if (!std::isfinite(scale) || scale <= 0.0) {
        qWarning() << "2D sticker part: ignoring scale" << scale;
        return;
    }
    LWUndoStack::instance()->push(new LW2DStickerScenePartScaleUndoCommand(this, scale));
}

void LW2DStickerPart::applyFramePos(const QPointF &position)
{
    const double scale = partScale();
    if (scale < kTiny)
        return;
    const QPointF d = (framePos() - position) / scale;
    if (manhattan(d) < kTiny)
        return;
    m_data.anchors.translate(d);
    emitPlacementChanged();
}

void LW2DStickerPart::applyPartScale(double scale)
{
    const double current = partScale();
    if (!std::isfinite(scale) || scale <= 0.0 || current < kTiny)
        return;
    m_data.anchors.multiply(current / scale);
    emitPlacementChanged();
}

void LW2DStickerPart::restoreAnchors(const LW2DStickerAnchors &anchors)
{
    const bool tracesChanged = indicesOf(anchors.positionX) != listTracePoint();
    m_data.anchors = anchors;
    emitPlacementChanged();
    if (tracesChanged)
        emit listTracePointChanged();
}

void LW2DStickerPart::emitPlacementChanged()
{
    emit framePosChanged(framePos());
    emit partScaleChanged(partScale());
}

void LW2DStickerPart::notifyGeometryChanged()
{
    emitPlacementChanged();
}

void LW2DStickerPart::changeTrackingArea(int region)
{
    const NS2DStickerParameter::FaceTypeRelateData &face = faceData();
    const QList<int> indices = face.traceRegion(region);
    // An area this face has no points for would leave the part pinned to
    // nothing; it keeps what it follows.
    if (indices.isEmpty()) {
        qDebug() << "2D sticker part: tracking area" << region << "has no points on this face";
        return;
    }
    if (indices == listTracePoint())
        return;
    double scale = partScale();
    if (scale < kTiny)
        scale = 1.0;
    const QVector<LW2DStickerAnchor> &old = m_data.anchors.positionX;
    const LW2DStickerAnchor *reference = nullptr;
    for (const LW2DStickerAnchor &anchor : old) {
        if (face.hasPoint(anchor.index)) {
            reference = &anchor;
            break;
        }
    }
    QVector<LW2DStickerAnchor> next;
    for (int index : indices) {
        auto kept = std::find_if(old.cbegin(), old.cend(), [index](const LW2DStickerAnchor &a) { return a.index == index; });
        if (kept != old.cend()) {
            next.append(*kept);
            continue;
        }
        LW2DStickerAnchor anchor;
        anchor.index = index;
        anchor.setPos(reference ? reference->pos() + (face.point(index) - face.point(reference->index)) / scale
                                : face.point(index));
        next.append(anchor);
    }
    m_data.anchors.positionX = next;
    emit listTracePointChanged();
    emitPlacementChanged();
}

void LW2DStickerPart::receiveTemplateResources(const QStringList &resourceIds)
{
    const std::shared_ptr<LWQmlViewModel> root = inspectorViewModel();
    LWPropChoiceViewModel *frames = LWPropChoiceViewModel::findIn(root.get(), QStringLiteral("textureResId"));
    for (const QString &id : resourceIds) {
        if (frames && frames->chooseKey(id))
            return;
    }
    qDebug() << "2D sticker part: no frame sequence among the dropped resources" << resourceIds;
}
