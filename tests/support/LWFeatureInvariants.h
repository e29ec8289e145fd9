#pragma once

// What must hold after any undo or redo of the open project, checked by
// the feature tests after every step (checkInvariantsAfterEveryStep):
// - the effect tree shows the effect exactly;
// - the selected item's inspector holds what the item holds: pulling its
//   value into the item changes nothing the project would save;
// - the project saved, read back and saved again is the same project.

#include "LWTestTree.h"
#include "app/LWMainWindowController.h"
#include "common/LWJsonFile.h"
#include "undo/LWUndoStack.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace LWTest {

// The document without the identities every save makes afresh.
inline QJsonValue withoutTags(const QJsonValue &value)
{
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue &element : value.toArray())
            array.append(withoutTags(element));
        return array;
    }
    if (!value.isObject())
        return value;
    QJsonObject object;
    const QJsonObject source = value.toObject();
    for (auto it = source.begin(); it != source.end(); ++it) {
        if (it.key() != QLatin1String("tag"))
            object.insert(it.key(), withoutTags(it.value()));
    }
    return object;
}

// The effect document a project save writes, into a folder of its own.
inline QJsonObject savedEffect(LWEffectModel *effect, const QString &folder)
{
    SaveParam param;
    param.path = folder;
    param.bSaveProject = true;
    if (!effect->save(param))
        return {{"unsaved", true}};
    return withoutTags(LWJsonFile::read(folder + QStringLiteral("/effect.json"))).toObject();
}

inline QString effectInvariantProblem()
{
    LWEffectModel *effect = LWEffectPackManager::instance()->effect();
    if (!effect)
        return {};
    auto *controller = LWMainWindowController::instance();
    LWNaviTreeModel *tree = controller->effectNaviTreeModel();
    if (tree && tree->rootItem() == effect && !modelMatchesTree(*tree))
        return QStringLiteral("the effect tree does not show the effect as it is");

    QTemporaryDir before;
    QTemporaryDir after;
    QTemporaryDir reread;
    const QJsonObject saved = savedEffect(effect, before.path());
    if (LWNaviTreeItem *item = controller->selectedEffectItem(); item && item->inspectorViewModel()) {
        const int steps = LWUndoStack::instance()->count();
        item->naviTreeItemInspectorDataChanged();
        const QJsonObject pulled = savedEffect(effect, after.path());
        if (pulled != saved || LWUndoStack::instance()->count() != steps)
            return QStringLiteral("the inspector of \"%1\" holds other values than the item:\n%2\n%3")
                .arg(item->title(), QString::fromUtf8(QJsonDocument(saved).toJson()),
                     QString::fromUtf8(QJsonDocument(pulled).toJson()));
    }
    std::unique_ptr<LWEffectModel> copy(LWEffectModel::load(before.path()));
    const QJsonObject again = savedEffect(copy.get(), reread.path());
    if (again != saved)
        return QStringLiteral("the project read back is not the one saved:\n%1\n%2")
            .arg(QString::fromUtf8(QJsonDocument(saved).toJson()), QString::fromUtf8(QJsonDocument(again).toJson()));
    return {};
}

// From now on every undo and redo of the project checks the invariants and
// fails the running test when one does not hold.
inline void checkInvariantsAfterEveryStep()
{
    static const QMetaObject::Connection checking =
        QObject::connect(LWUndoStack::instance(), &LWUndoStack::stepTaken, [] {
            const QString problem = effectInvariantProblem();
            if (!problem.isEmpty())
                QTest::qFail(qPrintable(QStringLiteral("after an undo or redo: ") + problem), __FILE__, __LINE__);
        });
    Q_UNUSED(checking);
}

} // namespace LWTest
