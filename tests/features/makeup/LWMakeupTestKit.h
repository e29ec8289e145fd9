#pragma once

// What the makeup tests share: a fresh project wired like the application,
// makeups made the way the add menu makes them, edits on the filters'
// panels pulled through the controller, package folders written by hand,
// export into a folder and the reading of what it wrote, and the check that
// the effect tree shows a makeup's filters row for row.

#include "LWFeatureInvariants.h"
#include "app/LWAppHost.h"
#include "app/LWMainWindowController.h"
#include "common/LWJsonFile.h"
#include "features/makeup/LWFaceMakeUpV2Model.h"
#include "features/makeup/LWFaceMakeupV2FilterBase.h"
#include "inspector/LWQmlViewModel.h"
#include "navigation/LWNaviTreeModel.h"
#include "resources/LWResourceManager.h"
#include "undo/LWUndoStack.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QPainter>
#include <QQmlEngine>
#include <QtTest>

namespace LWMakeupTestKit {

inline LWEffectPackManager *packs()
{
    return LWEffectPackManager::instance();
}

inline LWEffectModel *effect()
{
    return packs()->effect();
}

inline void wireApplication(QQmlEngine &engine)
{
    LWMainWindowController::instance();
    LWAppHost::publishServices(engine);
    LWTest::checkInvariantsAfterEveryStep();
}

inline void newProject()
{
    packs()->createProj();
    LWUndoStack::instance()->clear();
}

inline LWFaceMakeUpV2Model *makeupAt(int row)
{
    return effect() && row < effect()->modelCount() ? dynamic_cast<LWFaceMakeUpV2Model *>(effect()->featureAt(row))
                                                      : nullptr;
}

// A makeup made from the add menu (with the menu's filter choice).
inline LWFaceMakeUpV2Model *newMakeup(const QString &choice = QString())
{
    packs()->createFeatureToWorkSpaceEffectWithChoice(QStringLiteral("LWFeatureTypeFaceMakeupV2"), choice);
    return makeupAt(0);
}

inline LWFaceMakeupV2FilterBase *addFilter(LWFaceMakeUpV2Model *makeup, const QString &type)
{
    const int before = makeup->modelCount();
    makeup->addPart(type);
    return makeup->modelCount() == before + 1 ? makeup->modelAt(before) : nullptr;
}

inline void select(LWNaviTreeItem *item)
{
    item->requestSelection(false);
}

template <typename T>
T *node(LWNaviTreeItem *item, const QString &id, LWQmlViewModel *root = nullptr)
{
    if (!root)
        root = item->inspectorViewModel().get();
    if (!root)
        return nullptr;
    for (const LWQmlViewModel::Ptr &child : root->children()) {
        if (child->id() == id) {
            if (auto *typed = qobject_cast<T *>(child.get()))
                return typed;
        }
        if (T *found = node<T>(item, id, child.get()))
            return found;
    }
    return nullptr;
}

// The effect tree shows the makeup's filters, row for row.
inline bool treeMatches(LWFaceMakeUpV2Model *makeup)
{
    LWNaviTreeModel *tree = LWMainWindowController::instance()->effectNaviTreeModel();
    const QModelIndex parent = tree ? tree->indexOfItem(makeup) : QModelIndex();
    if (!parent.isValid() || tree->rowCount(parent) != makeup->modelCount())
        return false;
    for (int row = 0; row < makeup->modelCount(); ++row) {
        LWFaceMakeupV2FilterBase *filter = makeup->modelAt(row);
        if (LWNaviTreeModel::itemFromIndex(tree->index(row, 0, parent)) != filter || filter->row() != row
            || filter->parentItem() != makeup)
            return false;
    }
    return true;
}

// Exports the effect into folder and returns the makeup document written
// for the makeup.
inline QJsonObject exportMakeup(LWFaceMakeUpV2Model *makeup, const QString &folder)
{
    SaveParam param;
    param.path = folder;
    param.bSaveProject = false;
    if (!effect()->save(param))
        qWarning("export failed: %s", qPrintable(folder));
    return LWJsonFile::read(folder + "/" + makeup->path() + makeup->makeupJsonPath());
}

inline QJsonObject filterAt(const QJsonObject &document, int index)
{
    return document.value("filters").toArray().at(index).toObject();
}

inline QRect rectOf(const QJsonObject &filter)
{
    const QJsonObject r = filter.value("rect").toObject();
    return QRect(r.value("x").toInt(), r.value("y").toInt(), r.value("width").toInt(), r.value("height").toInt());
}

// The frame files of an exported record.
inline QStringList framesOf(const QString &featureFolder, const QJsonObject &record)
{
    QStringList files;
    for (int i = 0; i < record.value("imageCount").toInt(); ++i)
        files << featureFolder + "/" + record.value("path").toString() + record.value("name").toString()
                     + QString("%1.png").arg(i, 3, 10, QChar('0'));
    return files;
}

inline QImage argb(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

// The document with the generated folder and file names of the records
// taken out: two exports of the same makeup differ only there.
inline QJsonObject withoutNames(QJsonObject document)
{
    QJsonArray filters;
    for (const QJsonValue &value : document.value("filters").toArray()) {
        QJsonObject filter = value.toObject();
        for (const QString &key : filter.keys()) {
            QJsonObject record = filter.value(key).toObject();
            if (!record.contains("imageCount"))
                continue;
            record.remove("path");
            record.remove("name");
            filter.insert(key, record);
        }
        filters.append(filter);
    }
    document.insert("filters", filters);
    return document;
}

// The pictures of every record of two exports are the same, pixel for pixel.
inline bool samePictures(const QString &folderA, const QJsonObject &a, const QString &folderB, const QJsonObject &b)
{
    const QJsonArray filtersA = a.value("filters").toArray();
    const QJsonArray filtersB = b.value("filters").toArray();
    if (filtersA.size() != filtersB.size())
        return false;
    for (int i = 0; i < filtersA.size(); ++i) {
        const QJsonObject fa = filtersA.at(i).toObject();
        const QJsonObject fb = filtersB.at(i).toObject();
        for (const QString &key : fa.keys()) {
            if (!fa.value(key).toObject().contains("imageCount"))
                continue;
            const QStringList framesA = framesOf(folderA, fa.value(key).toObject());
            const QStringList framesB = framesOf(folderB, fb.value(key).toObject());
            if (framesA.size() != framesB.size())
                return false;
            for (int f = 0; f < framesA.size(); ++f) {
                const QImage ia = argb(framesA.at(f));
                if (ia.isNull() || ia != argb(framesB.at(f)))
                    return false;
            }
        }
    }
    return true;
}

// A 1280 x 1280 frame, transparent but for the rectangle.
inline QImage faceFrame(const QRect &visible, QColor color, QSize size = QSize(1280, 1280))
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillRect(visible, color);
    return image;
}

inline bool save(const QImage &image, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, "PNG");
}

// The bounding rectangle of the picture's pixels that are not transparent.
inline QRect visibleRect(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    QRect rect;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)))
                rect |= QRect(x, y, 1, 1);
        }
    }
    return rect;
}

// A package folder holding one makeup "FaceMakeupV2/" with the document.
inline QString writePackage(const QString &folder, const QJsonObject &document, bool withDocument = true)
{
    const QString feature = folder + "/FaceMakeupV2";
    QDir().mkpath(feature);
    LWJsonFile::write(folder + "/config.json",
                      {{"name", "LW_test"},
                       {"version", "2.8.0"},
                       {"effect", QJsonObject{{"Link", QJsonArray{QJsonObject{
                                                         {"type", "FaceMakeupV2"}, {"zorder", 5000}, {"path", "FaceMakeupV2/"}}}}}}});
    LWJsonFile::write(feature + "/content.json", {{"tag", "FaceMakeup_002"},
                                                  {"version", "1.0"},
                                                  {"requirement", QJsonObject{{"faceDetect", true}, {"matting", false}}},
                                                  {"content", QJsonObject{{"path", "makeup.json"}}}});
    if (withDocument)
        LWJsonFile::write(feature + "/makeup.json", document);
    return feature;
}

inline QJsonObject document(const QJsonArray &filters, const QJsonObject &more = {})
{
    QJsonObject doc{{"faceSDKType", 2},
                    {"standardFaceSize", QJsonObject{{"width", 1280}, {"height", 1280}}},
                    {"standardFaceKeyPoints", "mask/texcoord.txt"},
                    {"filters", filters},
                    {"version", "1.1"}};
    for (auto it = more.begin(); it != more.end(); ++it)
        doc.insert(it.key(), it.value());
    return doc;
}

inline QJsonObject record(const QString &path, const QString &name, int count = 1)
{
    return {{"path", path}, {"name", name}, {"imageCount", count}, {"imageInterval", 0.05}};
}

// Imports a package folder into a new project; its makeup stands first.
inline LWFaceMakeUpV2Model *importIntoNewProject(const QString &packageFolder)
{
    newProject();
    return packs()->importEffect(packageFolder) ? makeupAt(0) : nullptr;
}

} // namespace LWMakeupTestKit
