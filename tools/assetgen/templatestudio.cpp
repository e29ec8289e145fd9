#include "templatestudio.h"

#include "app/LWMainWindowController.h"
#include "common/LWDataPaths.h"
#include "common/LWFolderUtil.h"
#include "features/makeup/LWFaceMakeUpV2Model.h"
#include "features/makeup/LWFaceMakeupV2FilterBase.h"
#include "features/sticker2d/LW2DStickerFeatureModel.h"
#include "features/sticker2d/LW2DStickerPart.h"
#include "inspector/LWPropChoiceViewModel.h"
#include "inspector/LWPropColorViewModel.h"
#include "inspector/LWPropFloatViewModel.h"
#include "inspector/LWPropIntViewModel.h"
#include "inspector/LWSecOptionViewModel.h"
#include "navigation/LWNaviTreeModel.h"
#include "navigation/LWNaviTreeSelModel.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"
#include "package/LWPackageCheck.h"
#include "package/LWZipUtil.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QtMath>

namespace {

LWEffectPackManager *packs()
{
    return LWEffectPackManager::instance();
}

// Frames keep their alpha channel unless they have none to keep.
bool savePng(const QImage &image, const QString &path)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    bool opaque = true;
    for (int y = 0; y < out.height() && opaque; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(out.constScanLine(y));
        for (int x = 0; x < out.width() && opaque; ++x)
            opaque = qAlpha(line[x]) == 255;
    }
    if (opaque)
        out = out.convertToFormat(QImage::Format_RGB888);
    QImageWriter writer(path, "png");
    writer.setCompression(100);
    return writer.write(out);
}

LWQmlViewModel *findNode(LWQmlViewModel *root, const QString &id)
{
    if (!root)
        return nullptr;
    if (root->id() == id)
        return root;
    for (const LWQmlViewModel::Ptr &child : root->children()) {
        if (LWQmlViewModel *found = findNode(child.get(), id))
            return found;
    }
    if (auto *options = qobject_cast<LWSecOptionViewModel *>(root)) {
        for (int page = 0; page < options->pageCount(); ++page) {
            for (const LWQmlViewModel::Ptr &child : options->page(page)) {
                if (LWQmlViewModel *found = findNode(child.get(), id))
                    return found;
            }
        }
    }
    return nullptr;
}

LWSecOptionViewModel *firstOptionSection(LWQmlViewModel *root)
{
    if (!root)
        return nullptr;
    if (auto *options = qobject_cast<LWSecOptionViewModel *>(root))
        return options;
    for (const LWQmlViewModel::Ptr &child : root->children()) {
        if (LWSecOptionViewModel *found = firstOptionSection(child.get()))
            return found;
    }
    return nullptr;
}

} // namespace

TemplateStudio::TemplateStudio(const QString &scratch)
    : m_scratch(scratch)
{
}

void TemplateStudio::problem(const QString &text)
{
    m_problems.append(text);
}

void TemplateStudio::newProject()
{
    packs()->createProj();
    if (!packs()->effect())
        problem(QStringLiteral("no project could be created"));
}

LWFeatureModel *TemplateStudio::addFeature(const QString &typeKey, const QString &choice)
{
    LWEffectModel *effect = packs()->effect();
    const int before = effect ? effect->modelCount() : 0;
    if (choice.isEmpty())
        packs()->createFeatureToWorkSpaceEffect(typeKey);
    else
        packs()->createFeatureToWorkSpaceEffectWithChoice(typeKey, choice);
    effect = packs()->effect();
    if (!effect || effect->modelCount() != before + 1) {
        problem(QStringLiteral("the add menu made no %1").arg(typeKey));
        return nullptr;
    }
    return effect->featureAt(0);
}

QString TemplateStudio::writeFrames(const QString &name, const QList<QImage> &frames)
{
    // A folder of its own for every import: the folder name becomes the
    // resource's name.
    const QString folder = QStringLiteral("%1/%2/%3").arg(m_scratch).arg(m_folders++).arg(name);
    QDir().mkpath(folder);
    for (int i = 0; i < frames.size(); ++i) {
        const QString file = QStringLiteral("%1/%2_%3.png").arg(folder, name).arg(i, 3, 10, QLatin1Char('0'));
        if (!savePng(frames.at(i), file))
            problem(QStringLiteral("cannot write %1").arg(file));
    }
    return folder;
}

LW2DStickerPart *TemplateStudio::addPart(LW2DStickerFeatureModel *sticker, const QString &name,
                                         const QList<QImage> &frames)
{
    if (!sticker) {
        problem(QStringLiteral("no sticker for %1").arg(name));
        return nullptr;
    }
    LW2DStickerPart *part = sticker->importTextureFrom(writeFrames(name, frames));
    if (!part || part->title() != name || part->frameCount() != frames.size()) {
        problem(QStringLiteral("component %1 was not imported as drawn").arg(name));
        return nullptr;
    }
    return part;
}

void TemplateStudio::place(LW2DStickerPart *part, int trackingArea, const QPointF &topLeft, double width)
{
    if (!part)
        return;
    if (part->trackingArea() != trackingArea)
        chooseNumber(part, QStringLiteral("faceTraceRegion"), trackingArea);
    const double scale = width / part->frameWidth();
    part->setPartScale(scale);
    part->setFramePos(topLeft);
    const QPointF error = part->framePos() - topLeft;
    if (part->trackingArea() != trackingArea || qAbs(part->partScale() - scale) > 1e-6
        || error.manhattanLength() > 1e-3)
        problem(QStringLiteral("component %1 is not where it was put").arg(part->title()));
}

LWFaceMakeupV2FilterBase *TemplateStudio::addFilter(LWFaceMakeUpV2Model *makeup, const QString &type)
{
    if (!makeup) {
        problem(QStringLiteral("no makeup for the %1 layer").arg(type));
        return nullptr;
    }
    const int before = makeup->modelCount();
    makeup->addPart(type);
    if (makeup->modelCount() != before + 1) {
        problem(QStringLiteral("the makeup made no %1 layer").arg(type));
        return nullptr;
    }
    return makeup->modelAt(before);
}

QString TemplateStudio::importSequence(const QString &name, const QList<QImage> &frames)
{
    ImportResourceParam param;
    param.returnResourceId = true;
    param.withUndo = false;
    const QString id = packs()->importTextureFolderToWorkSpaceResource(writeFrames(name, frames), param);
    if (id.isEmpty())
        problem(QStringLiteral("the frames of %1 were not imported").arg(name));
    return id;
}

QString TemplateStudio::importPicture(const QString &name, const QImage &image)
{
    const QString folder = QStringLiteral("%1/%2").arg(m_scratch).arg(m_folders++);
    QDir().mkpath(folder);
    const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!savePng(image, file))
        problem(QStringLiteral("cannot write %1").arg(file));
    ImportResourceParam param;
    param.returnResourceId = true;
    param.withUndo = false;
    const QString id = packs()->importFileToWorkSpaceResource(file, param);
    if (id.isEmpty())
        problem(QStringLiteral("the picture %1 was not imported").arg(name));
    return id;
}

void TemplateStudio::select(LWNaviTreeItem *item)
{
    auto *controller = LWMainWindowController::instance();
    LWNaviTreeModel *tree = controller->effectNaviTreeModel();
    if (!tree || !controller->effectNaviTreeSelModel())
        return;
    controller->effectNaviTreeSelModel()->applyCurrentIndex(tree->indexOfItem(item),
                                                             QItemSelectionModel::ClearAndSelect);
}

LWQmlViewModel *TemplateStudio::node(LWNaviTreeItem *item, const QString &id)
{
    if (!item)
        return nullptr;
    select(item);
    if (LWMainWindowController::instance()->selectedEffectItem() != item) {
        problem(QStringLiteral("%1 could not be selected").arg(item->title()));
        return nullptr;
    }
    LWQmlViewModel *found = findNode(item->inspectorViewModel().get(), id);
    if (!found)
        problem(QStringLiteral("the panel of %1 has no %2").arg(item->title(), id));
    return found;
}

void TemplateStudio::choose(LWNaviTreeItem *item, const QString &id, const QString &resourceId)
{
    auto *choice = qobject_cast<LWPropChoiceViewModel *>(node(item, id));
    for (int i = 0; choice && i < choice->entryCount(); ++i) {
        if (choice->entry(i).value.toString() == resourceId) {
            choice->setOptionIndex(i);
            if (choice->optionIndex() != i)
                problem(QStringLiteral("%1 refused %2").arg(id, resourceId));
            return;
        }
    }
    problem(QStringLiteral("%1 does not offer %2").arg(id, resourceId));
}

void TemplateStudio::chooseNumber(LWNaviTreeItem *item, const QString &id, int value)
{
    auto *choice = qobject_cast<LWPropChoiceViewModel *>(node(item, id));
    for (int i = 0; choice && i < choice->entryCount(); ++i) {
        if (choice->entry(i).value.isDouble() && qRound(choice->entry(i).value.toDouble()) == value) {
            choice->setOptionIndex(i);
            return;
        }
    }
    problem(QStringLiteral("%1 does not offer %2").arg(id).arg(value));
}

void TemplateStudio::setNumber(LWNaviTreeItem *item, const QString &id, double value)
{
    LWQmlViewModel *found = node(item, id);
    if (auto *number = qobject_cast<LWPropFloatViewModel *>(found))
        number->setFloatValue(value);
    else if (auto *whole = qobject_cast<LWPropIntViewModel *>(found))
        whole->setIntValue(qRound(value));
    else
        problem(QStringLiteral("%1 is not a number").arg(id));
}

void TemplateStudio::setColor(LWNaviTreeItem *item, const QString &id, const QColor &color)
{
    if (auto *colour = qobject_cast<LWPropColorViewModel *>(node(item, id)))
        colour->setColorValue(color);
    else
        problem(QStringLiteral("%1 is not a colour").arg(id));
}

void TemplateStudio::setPage(LWNaviTreeItem *item, int page)
{
    select(item);
    LWSecOptionViewModel *options = item ? firstOptionSection(item->inspectorViewModel().get()) : nullptr;
    if (!options || page >= options->pageCount()) {
        problem(QStringLiteral("the panel has no page %1").arg(page));
        return;
    }
    options->setOptionIndex(page);
}

void TemplateStudio::exportPackage(const QString &zipPath)
{
    if (!packs()->exportEffect(zipPath)) {
        problem(QStringLiteral("%1 was not exported").arg(zipPath));
        return;
    }
    const QString unpacked = LWFolderUtil::makeScratchFolder(m_scratch);
    if (!LWZipUtil::unzip(zipPath, unpacked))
        problem(QStringLiteral("%1 does not unpack").arg(zipPath));
    const LWPackageCheck::Report report = LWPackageCheck::checkFolder(unpacked, QFileInfo(zipPath).size());
    for (const QString &line : report.problems)
        problem(QFileInfo(zipPath).fileName() + QStringLiteral(": ") + line);
    LWFolderUtil::removeFolder(unpacked);
}
