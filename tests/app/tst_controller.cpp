#include "LWTestFeature.h"
#include "LWTestMain.h"
#include "app/LWMainWindowController.h"
#include "inspector/LWQmlViewModel.h"
#include "navigation/LWEffectNaviTreeModel.h"
#include "navigation/LWNaviTreeSelModel.h"
#include "scene/LWSceneViewModel.h"
#include "undo/LWUndoStack.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

namespace {

// A resource-tree stand-in: a root with leaves.
class Leaf : public LWNaviTreeItem
{
public:
    Leaf(LWNaviTreeItem *root, QList<Leaf *> *siblings)
        : LWNaviTreeItem(root), m_root(root), m_siblings(siblings)
    {
        if (siblings)
            siblings->append(this);
    }
    LWNaviTreeItem *parentItem() const override { return m_root; }
    LWNaviTreeItem *child(int row) const override { return m_children.value(row); }
    int childCount() const override { return m_children.size(); }
    int columnCount() const override { return 1; }
    QVariant data(int) const override { return title(); }
    int row() const override { return m_siblings ? m_siblings->indexOf(const_cast<Leaf *>(this)) : 0; }
    QList<Leaf *> m_children;

private:
    LWNaviTreeItem *m_root;
    QList<Leaf *> *m_siblings;
};

QModelIndex featureIndex(int row)
{
    return LWMainWindowController::instance()->effectNaviTreeModel()->index(row, 0);
}

} // namespace

class TstController : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        LWTestFeature::registerKinds();
        LWMainWindowController::instance(); // wires the undo stack to the workspace, as at start
    }
    void init()
    {
        LWEffectPackManager::instance()->createProj();
    }
    void cleanup() { LWEffectPackManager::instance()->clearWorkspace(); }

    void treeFollowsTheEffect()
    {
        auto *controller = LWMainWindowController::instance();
        auto *manager = LWEffectPackManager::instance();
        QVERIFY(controller->effectNaviTreeModel());
        QCOMPARE(controller->effectNaviTreeModel()->rootItem(), manager->effect());
        QAbstractItemModelTester tester(controller->effectNaviTreeModel(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        manager->createFeatureToWorkSpaceEffect("LWFeatureType2DSticker");
        manager->createFeatureToWorkSpaceEffect("LWFeatureTypeFilter");
        QCOMPARE(controller->effectNaviTreeModel()->rowCount(), 2);
        QCOMPARE(LWNaviTreeModel::itemFromIndex(featureIndex(0))->title(), QString("Filter"));
        QVERIFY(!manager->isSaved());

        controller->onActionUndo();
        QCOMPARE(controller->effectNaviTreeModel()->rowCount(), 1);
        controller->onActionRedo();
        QCOMPARE(controller->effectNaviTreeModel()->rowCount(), 2);
        QCOMPARE(LWNaviTreeModel::itemFromIndex(featureIndex(0))->title(), QString("Filter"));

        // Removing through the item's menu drops the row and the selection.
        controller->effectNaviTreeSelModel()->applyCurrentIndex(featureIndex(1), QItemSelectionModel::ClearAndSelect);
        QVERIFY(controller->selectedEffectItem());
        LWNaviTreeModel::itemFromIndex(featureIndex(1))->menuItemAction("menuItemRemove");
        QCOMPARE(controller->effectNaviTreeModel()->rowCount(), 1);
        QVERIFY(!controller->selectedEffectItem());
        controller->onActionUndo();
        QCOMPARE(controller->effectNaviTreeModel()->rowCount(), 2);
    }

    void selectionSwitchesInspectorAndScene()
    {
        auto *controller = LWMainWindowController::instance();
        auto *effect = LWEffectPackManager::instance()->effect();
        effect->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        effect->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        effect->createFeature(LWEffectCommon::LWFeatureTypeFilter, {});
        auto shared = std::make_shared<LWQmlViewModel>();
        auto own = std::make_shared<LWQmlViewModel>();
        LWSceneViewModel scene;
        effect->featureAt(1)->asNaviTreeItem()->setInspectorViewModel(shared);
        effect->featureAt(2)->asNaviTreeItem()->setInspectorViewModel(shared);
        effect->featureAt(0)->asNaviTreeItem()->setInspectorViewModel(own);
        effect->featureAt(0)->asNaviTreeItem()->setSceneViewModel(&scene);

        QSignalSpy inspectors(controller, &LWMainWindowController::inspectorViewModelChanged);
        QSignalSpy scenes(controller, &LWMainWindowController::sceneViewModelChanged);
        auto *selection = controller->effectNaviTreeSelModel();
        selection->setCurrentIndex(featureIndex(1), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(controller->inspectorViewModel(), shared.get());
        selection->setCurrentIndex(featureIndex(2), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(inspectors.size(), 1); // same inspector: no second signal
        QCOMPARE(scenes.size(), 0);
        selection->setCurrentIndex(featureIndex(0), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(controller->inspectorViewModel(), own.get());
        QCOMPARE(controller->sceneViewModel(), &scene);
        QCOMPARE(inspectors.size(), 2);
        QCOMPARE(scenes.size(), 1);

        // Selection steps undo without unsaving a saved project.
        LWEffectPackManager::instance()->setSaved(true);
        controller->onActionUndo();
        QCOMPARE(controller->inspectorViewModel(), shared.get());
        selection->clearWithoutNotice();
    }

    void undoWithNothingKeepsSaved()
    {
        auto *controller = LWMainWindowController::instance();
        auto *manager = LWEffectPackManager::instance();
        LWUndoStack::instance()->clear();
        manager->setSaved(true);
        controller->onActionUndo();
        controller->onActionRedo();
        QVERIFY(manager->isSaved());
    }

    void resourceSelectionTakesOver()
    {
        auto *controller = LWMainWindowController::instance();
        auto *effect = LWEffectPackManager::instance()->effect();
        effect->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        effect->featureAt(0)->asNaviTreeItem()->setInspectorViewModel(std::make_shared<LWQmlViewModel>());

        QList<Leaf *> leaves;
        Leaf root(nullptr, nullptr);
        root.m_children = {};
        auto *texture = new Leaf(&root, &leaves);
        root.m_children = leaves;
        auto resourceInspector = std::make_shared<LWQmlViewModel>();
        texture->setInspectorViewModel(resourceInspector);
        emit LWEffectPackManager::instance()->resourceInWorkspaceChanged(&root);
        QVERIFY(controller->resourceNaviTreeModel());

        controller->effectNaviTreeSelModel()->setCurrentIndex(featureIndex(0), QItemSelectionModel::ClearAndSelect);
        QVERIFY(controller->selectedEffectItem());
        const int steps = LWUndoStack::instance()->count();
        QSignalSpy filters(controller, &LWMainWindowController::resourceModelDataChanged);
        controller->resourceNaviTreeSelModel()->applyCurrentIndex(controller->resourceNaviTreeModel()->index(0, 0),
                                                                 QItemSelectionModel::ClearAndSelect);
        QCOMPARE(controller->inspectorViewModel(), resourceInspector.get());
        QVERIFY(!controller->effectNaviTreeSelModel()->hasSelection());
        QCOMPARE(LWUndoStack::instance()->count(), steps);
        QCOMPARE(filters.size(), 1);
        QCOMPARE(filters.at(0).at(0).toInt(), int(LWEffectCommon::LWResourceTypeAll));
        emit LWEffectPackManager::instance()->resourceInWorkspaceChanged(nullptr);
    }

    // An item's own request reaches the controller's trees: it becomes the
    // selected item, with its inspector, or opens in the tree view.
    void itemRequestsSelectAndExpand()
    {
        auto *controller = LWMainWindowController::instance();
        auto *effect = LWEffectPackManager::instance()->effect();
        effect->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        effect->createFeature(LWEffectCommon::LWFeatureType2DSticker, {});
        LWNaviTreeItem *target = effect->featureAt(1)->asNaviTreeItem();
        auto *model = controller->effectNaviTreeModel();
        QSignalSpy expand(model, &LWNaviTreeModel::expandRequest);
        target->requestSelection(false);
        QCOMPARE(controller->selectedEffectItem(), target);
        QCOMPARE(controller->inspectorViewModel(), target->inspectorViewModel().get());
        target->requestExpand();
        QCOMPARE(expand.size(), 1);
        QCOMPARE(LWNaviTreeModel::itemFromIndex(expand.at(0).at(0).toModelIndex()), target);
        // Removing a feature ends the selection and drops its inspector.
        effect->featureAt(0)->onActionRemoveFeature();
        QCOMPARE(controller->selectedEffectItem(), nullptr);
        QCOMPARE(controller->inspectorViewModel(), nullptr);
    }

    void featureCountsEvent()
    {
        auto *controller = LWMainWindowController::instance();
        QSignalSpy warned(controller, &LWMainWindowController::checkFeatureCountsModelChanged);
        auto *manager = LWEffectPackManager::instance();
        manager->createFeatureToWorkSpaceEffect("LWFeatureTypeFilter");
        QCOMPARE(warned.size(), 0);
        manager->createFeatureToWorkSpaceEffect("LWFeatureTypeFilter");
        QCOMPARE(warned.size(), 1);
        QCOMPARE(manager->effect()->modelCount(), 2);
    }

    void newEffectClearsUndo()
    {
        auto *manager = LWEffectPackManager::instance();
        manager->createFeatureToWorkSpaceEffect("LWFeatureType2DSticker");
        QVERIFY(LWUndoStack::instance()->canUndo());
        manager->createProj();
        QVERIFY(!LWUndoStack::instance()->canUndo());
        QVERIFY(!LWMainWindowController::instance()->inspectorViewModel());
    }
};

LW_TEST_MAIN(TstController)
#include "tst_controller.moc"
