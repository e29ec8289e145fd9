#pragma once

// What the tests of the filter, hair colour, matting and background music
// share: a fresh temporary project with its library, features created the
// way the add menu creates them, edits made on the inspector's nodes so the
// controller pulls them into the feature, package folders written by hand,
// export into a folder, import of a folder, save and reopen, and the check
// that the effect tree shows exactly the effect's features.

#include "LWFeatureInvariants.h"
#include "app/LWAppHost.h"
#include "app/LWMainWindowController.h"
#include "common/LWJsonFile.h"
#include "inspector/LWQmlViewModel.h"
#include "navigation/LWNaviTreeModel.h"
#include "navigation/LWNaviTreeSelModel.h"
#include "resources/LWResourceManager.h"
#include "undo/LWUndoStack.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWProjectModel.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QtTest>

namespace LWSimpleFeatureKit {

inline LWEffectPackManager *packs()
{
    return LWEffectPackManager::instance();
}

inline LWEffectModel *effect()
{
    return packs()->effect();
}

inline LWResourceManager *library()
{
    return LWResourceManager::instance();
}

// The application's wiring: inspector edits reach the controller, the
// controls list the real library. Call once, from initTestCase.
inline void wireApplication(QQmlEngine &engine)
{
    LWMainWindowController::instance();
    LWAppHost::publishServices(engine);
    LWTest::checkInvariantsAfterEveryStep();
}

// A temporary project with an empty library and nothing to undo.
inline void newProject()
{
    packs()->createProj();
    LWUndoStack::instance()->clear();
}

// Creates a feature the way the add menu does and returns it (the newest
// feature stands first).
template <typename T>
T *create(const QString &typeKey, const QString &choice = QString())
{
    if (choice.isEmpty())
        packs()->createFeatureToWorkSpaceEffect(typeKey);
    else
        packs()->createFeatureToWorkSpaceEffectWithChoice(typeKey, choice);
    return effect() && effect()->modelCount() ? dynamic_cast<T *>(effect()->featureAt(0)) : nullptr;
}

template <typename T>
T *featureAt(int row)
{
    return effect() && row < effect()->modelCount() ? dynamic_cast<T *>(effect()->featureAt(row)) : nullptr;
}

// The effect tree shows the effect's features, row for row.
inline bool treeMatchesEffect()
{
    LWNaviTreeModel *tree = LWMainWindowController::instance()->effectNaviTreeModel();
    if (!tree || !effect() || tree->rowCount() != effect()->modelCount())
        return false;
    for (int row = 0; row < effect()->modelCount(); ++row) {
        if (LWNaviTreeModel::itemFromIndex(tree->index(row, 0)) != effect()->featureAt(row)->asNaviTreeItem())
            return false;
    }
    return true;
}

// Selects the feature, so that edits of its panel are pulled into it.
inline void select(LWFeatureModel *feature)
{
    auto *controller = LWMainWindowController::instance();
    const QModelIndex index = controller->effectNaviTreeModel()->indexOfItem(feature->asNaviTreeItem());
    controller->effectNaviTreeSelModel()->applyCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    QCOMPARE(controller->selectedEffectItem(), feature->asNaviTreeItem());
}

// The first node of the panel with the id and class, depth first (option
// sections list the nodes of every page).
template <typename T>
T *node(LWQmlViewModel *root, const QString &id)
{
    if (!root)
        return nullptr;
    for (const LWQmlViewModel::Ptr &child : root->children()) {
        if (child->id() == id) {
            if (auto *typed = qobject_cast<T *>(child.get()))
                return typed;
        }
        if (T *found = node<T>(child.get(), id))
            return found;
    }
    return nullptr;
}

template <typename T>
T *firstOfType(LWQmlViewModel *root)
{
    if (!root)
        return nullptr;
    for (const LWQmlViewModel::Ptr &child : root->children()) {
        if (auto *typed = qobject_cast<T *>(child.get()))
            return typed;
        if (T *found = firstOfType<T>(child.get()))
            return found;
    }
    return nullptr;
}

inline LWQmlViewModel *panelOf(LWFeatureModel *feature)
{
    return feature->asNaviTreeItem()->inspectorViewModel().get();
}

// Exports the effect into a fresh folder and returns its config.json.
inline QJsonObject exportInto(const QString &folder)
{
    SaveParam param;
    param.path = folder;
    param.bSaveProject = false;
    if (!effect()->save(param))
        qWarning("export failed: %s", qPrintable(folder));
    return LWJsonFile::read(folder + "/config.json");
}

// A package folder with one feature: its Link entry in config.json and
// its content file.
inline void writePackage(const QString &folder, const QString &type, const QString &featureFolder,
                         const QString &contentFileName, const QJsonObject &content, const QJsonObject &bgm = {})
{
    QDir().mkpath(folder + "/" + featureFolder);
    QJsonObject effectObject;
    QJsonArray links;
    if (!type.isEmpty()) {
        links.append(QJsonObject{{"type", type}, {"zorder", 5000}, {"path", QString(featureFolder + "/")}});
        LWJsonFile::write(folder + "/" + featureFolder + "/" + contentFileName, content);
    }
    effectObject.insert("Link", links);
    if (!bgm.isEmpty())
        effectObject.insert("bgm", bgm);
    LWJsonFile::write(folder + "/config.json", {{"name", "LW_test"}, {"version", "2.0.0"}, {"effect", effectObject}});
}

// Imports a package folder into a new project; the imported feature
// stands first.
inline bool importIntoNewProject(const QString &packageFolder)
{
    newProject();
    return packs()->importEffect(packageFolder);
}

// Saves the project into folder/name and opens it again.
inline void saveAndReopen(const QString &projectFolder)
{
    packs()->saveProjAs(projectFolder);
    const QString name = QFileInfo(projectFolder).fileName();
    packs()->openProj(projectFolder + "/" + name + ".lwproj");
}

inline QString writeImage(const QString &path, QSize size, const char *format = nullptr, QColor color = Qt::gray)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image.save(path, format) ? path : QString();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A tag as every export writes it: the folder name, "_", 32 hex digits.
inline bool isFreshTag(const QString &tag, const QString &name)
{
    return QRegularExpression("^" + QRegularExpression::escape(name) + "_[0-9a-f]{32}$").match(tag).hasMatch();
}

inline QByteArray compact(const QJsonValue &value)
{
    return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).mid(1).chopped(1);
}

} // namespace LWSimpleFeatureKit

#define LW_COMPARE_JSON(actual, expected) \
    QCOMPARE(LWSimpleFeatureKit::compact(actual), LWSimpleFeatureKit::compact(expected))
