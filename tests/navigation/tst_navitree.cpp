#include "LWTestMain.h"
#include "LWTestTree.h"

#include "navigation/LWEffectNaviTreeModel.h"
#include "undo/LWUndoStack.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

namespace {

// root
//   a
//     a0
//     a1
//   b
//   c
//     c0
struct Tree
{
    Tree()
    {
        auto *a = new LWTestNode("a", &root);
        new LWTestNode("a0", a);
        new LWTestNode("a1", a);
        new LWTestNode("b", &root);
        auto *c = new LWTestNode("c", &root);
        new LWTestNode("c0", c);
    }
    LWTestNode *node(int row) const { return root.node(row); }

    LWTestNode root{"root"};
};

} // namespace

class TstNaviTree : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QList<QPersistentModelIndex>>();
        qRegisterMetaType<QAbstractItemModel::LayoutChangeHint>();
    }

    void rootHasInvalidIndex()
    {
        Tree tree;
        LWNaviTreeModel model(&tree.root);
        QVERIFY(!model.indexOfItem(&tree.root).isValid());
        QVERIFY(!model.indexOfItem(nullptr).isValid());
        const QModelIndex b = model.indexOfItem(tree.node(1));
        QCOMPARE(b.row(), 1);
        QCOMPARE(b.column(), 0);
        QCOMPARE(model.index(1, 0), b);
        QVERIFY(!model.parent(b).isValid());
        QCOMPARE(model.parent(model.index(1, 0, model.index(0, 0))), model.index(0, 0));
    }

    void onlyRole257CarriesTheItem()
    {
        Tree tree;
        LWNaviTreeModel model(&tree.root);
        const QModelIndex a1 = model.index(1, 0, model.index(0, 0));
        QCOMPARE(a1.data(257).value<LWNaviTreeItem *>(), tree.node(0)->node(1));
        QCOMPARE(LWNaviTreeModel::itemFromIndex(a1), tree.node(0)->node(1));
        QVERIFY(!a1.data(Qt::DisplayRole).isValid());
        QVERIFY(!a1.data(Qt::EditRole).isValid());
        QVERIFY(!a1.data(258).isValid());
        QCOMPARE(model.roleNames(), (QHash<int, QByteArray>{{257, "name"}}));
        QVERIFY(model.flags(a1) & Qt::ItemIsEditable);
        QVERIFY(model.flags(a1) & Qt::ItemIsSelectable);
        QCOMPARE(model.flags(QModelIndex()) & Qt::ItemIsEditable, Qt::ItemFlags());
        QCOMPARE(model.columnCount(), 1);
        QCOMPARE(model.rowCount(), 3);
        QVERIFY(!model.index(0, 1).isValid());
        QCOMPARE(model.heightOfRow(a1), 40);
        QCOMPARE(model.heightOfRow(QModelIndex()), 40);
    }

    void currentItemProperty()
    {
        Tree tree;
        LWNaviTreeModel model(&tree.root);
        QSignalSpy spy(&model, &LWNaviTreeModel::currentItemChanged);
        model.setProperty("currentItem", QVariant::fromValue(model.index(2, 0)));
        model.setCurrentItem(model.index(2, 0));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(model.currentItem(), model.index(2, 0));
    }

    // The models pass Qt's own model checks while the owners insert and
    // remove children and rows move within and between parents.
    void passesModelTesterThroughEdits()
    {
        Tree tree;
        LWEffectNaviTreeModel model(&tree.root);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        LWTestTreeRecorder recorder(&model);
        QVERIFY(LWTest::modelMatchesTree(model));

        // Insertions: the owner's list tells the model as it changes.
        new LWTestNode("d", &tree.root, 0);
        QVERIFY(LWTest::modelMatchesTree(model));
        new LWTestNode("a2", tree.node(1), 1);
        QVERIFY(LWTest::modelMatchesTree(model));
        new LWTestNode("e", &tree.root, 4);
        QVERIFY(LWTest::modelMatchesTree(model));
        QCOMPARE(LWTest::titles(&tree.root), (QStringList{"d", "a", "b", "c", "e"}));
        QCOMPARE(LWTest::titles(tree.node(1)), (QStringList{"a0", "a2", "a1"}));
        QCOMPARE(recorder.log, (QStringList{"+0", "+1", "+4"}));

        // Removals by the owners, of a leaf and of a branch.
        LWTestNode *d = tree.root.removeModelAt(0);
        QVERIFY(LWTest::modelMatchesTree(model));
        QCOMPARE(tree.root.indexOfModel(d), -1);
        QVERIFY(tree.node(0)->removeModel(tree.node(0)->node(1)));
        QCOMPARE(LWTest::titles(tree.node(0)), (QStringList{"a0", "a1"}));
        QVERIFY(LWTest::modelMatchesTree(model));

        // Moves within one parent, down and up.
        QVERIFY(model.moveRow(model.index(0, 0), model.index(2, 0), 1));
        QCOMPARE(LWTest::titles(&tree.root), (QStringList{"b", "c", "a", "e"}));
        QVERIFY(LWTest::modelMatchesTree(model));
        QVERIFY(model.moveRow(model.index(3, 0), model.index(0, 0)));
        QCOMPARE(LWTest::titles(&tree.root), (QStringList{"e", "b", "c", "a"}));
        QVERIFY(LWTest::modelMatchesTree(model));

        // Between parents, and into a node without children.
        const QModelIndex aIndex = model.index(3, 0);
        QVERIFY(model.moveIn(model.index(0, 0, aIndex), model.index(2, 0)));
        QCOMPARE(LWTest::titles(tree.node(2)), (QStringList{"a0", "c0"}));
        QCOMPARE(LWTest::titles(tree.node(3)), (QStringList{"a1"}));
        QVERIFY(LWTest::modelMatchesTree(model));
        QVERIFY(model.moveIn(model.index(3, 0), model.index(1, 0)));
        QCOMPARE(LWTest::titles(&tree.root), (QStringList{"e", "b", "c"}));
        QCOMPARE(LWTest::titles(tree.node(1)), (QStringList{"a"}));
        QVERIFY(LWTest::modelMatchesTree(model));

        // Several rows at once, both ways; an owner's own move.
        new LWTestNode("f", &tree.root);
        new LWTestNode("g", &tree.root);
        QCOMPARE(LWTest::titles(&tree.root), (QStringList{"e", "b", "c", "f", "g"}));
        QVERIFY(model.moveRows(QModelIndex(), 0, 2, QModelIndex(), 4));
        QCOMPARE(LWTest::titles(&tree.root), (QStringList{"c", "f", "e", "b", "g"}));
        QVERIFY(LWTest::modelMatchesTree(model));
        QVERIFY(model.moveRows(QModelIndex(), 2, 3, QModelIndex(), 0));
        QCOMPARE(LWTest::titles(&tree.root), (QStringList{"e", "b", "g", "c", "f"}));
        QVERIFY(LWTest::modelMatchesTree(model));
        tree.root.moveModel(4, 0);
        QCOMPARE(LWTest::titles(&tree.root), (QStringList{"f", "e", "b", "g", "c"}));
        QVERIFY(LWTest::modelMatchesTree(model));

        // A node cannot move into its own branch.
        const QModelIndex b = model.index(2, 0);
        QVERIFY(!model.moveIn(b, model.index(0, 0, b)));
        QVERIFY(LWTest::modelMatchesTree(model));

        delete d;
    }

    void insertionLooksStandard()
    {
        Tree tree;
        LWNaviTreeModel model(&tree.root);
        int countDuring = -1;
        QModelIndex rowZeroDuring;
        connect(&model, &QAbstractItemModel::rowsAboutToBeInserted, this, [&](const QModelIndex &parent) {
            countDuring = model.rowCount(parent);
            rowZeroDuring = model.index(0, 0, parent);
        });
        LWTestNode *a = tree.node(0);
        new LWTestNode("x", &tree.root, 0);
        // While "about to" insert, the new row is not there yet.
        QCOMPARE(countDuring, 3);
        QCOMPARE(LWNaviTreeModel::itemFromIndex(rowZeroDuring), a);
        QCOMPARE(model.rowCount(), 4);
    }

    // A branch taken out of the tree (as an undo command holds it) is not
    // shown: what happens inside it is not announced, and putting it back
    // shows it whole.
    void detachedBranchIsNotShown()
    {
        Tree tree;
        LWNaviTreeModel model(&tree.root);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        LWTestTreeRecorder recorder(&model);
        LWTestNode *c = tree.node(2);
        QCOMPARE(c->treeModel(), &model);
        tree.root.removeModel(c);
        QCOMPARE(c->treeModel(), nullptr);
        QCOMPARE(c->node(0)->treeModel(), nullptr);
        QVERIFY(!model.indexOfItem(c->node(0)).isValid());
        new LWTestNode("c1", c);
        c->removeModelAt(0);
        QCOMPARE(recorder.log, QStringList{"-2"});
        tree.root.insertModel(2, c);
        QCOMPARE(recorder.log, (QStringList{"-2", "+2"}));
        QVERIFY(LWTest::modelMatchesTree(model));
        QCOMPARE(LWTest::titles(c), QStringList{"c1"});
    }

    // An item asks for the selection or an open branch; the selection model
    // attached to the model follows, with an undo step only when asked.
    void itemRequestsReachTheViews()
    {
        Tree tree;
        LWNaviTreeModel model(&tree.root);
        auto selection = std::make_shared<LWNaviTreeSelModel>(&model);
        QSignalSpy expand(&model, &LWNaviTreeModel::expandRequest);
        const int steps = LWUndoStack::instance()->count();
        tree.node(1)->requestSelection(false);
        QCOMPARE(selection->currentIndex(), model.index(1, 0));
        QCOMPARE(LWUndoStack::instance()->count(), steps);
        tree.node(2)->node(0)->requestSelection(true);
        QCOMPARE(selection->currentIndex(), model.index(0, 0, model.index(2, 0)));
        QCOMPARE(LWUndoStack::instance()->count(), steps + 1);
        tree.node(2)->requestExpand();
        QCOMPARE(expand.count(), 1);
        QCOMPARE(expand.at(0).at(0).value<QModelIndex>(), model.index(2, 0));
        // Nothing for the root, or for an item no model shows.
        tree.root.requestExpand();
        LWTestNode loose("loose");
        loose.requestSelection(false);
        loose.requestExpand();
        QCOMPARE(expand.count(), 1);
        QCOMPARE(selection->currentIndex(), model.index(0, 0, model.index(2, 0)));
        LWUndoStack::instance()->clear();
    }

    void dropOntoItselfOrJustBelowChangesNothing()
    {
        Tree tree;
        LWNaviTreeModel model(&tree.root);
        QSignalSpy aboutToMove(&model, &QAbstractItemModel::rowsAboutToBeMoved);
        QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
        QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
        const QModelIndex b = model.index(1, 0);
        QVERIFY(!model.moveRow(b, b));
        QVERIFY(!model.moveRow(b, model.index(2, 0)));
        QVERIFY(!model.moveRows(QModelIndex(), 1, 1, QModelIndex(), 2));
        QVERIFY(!model.moveRows(QModelIndex(), 0, 2, QModelIndex(), 1));
        QCOMPARE(aboutToMove.count(), 0);
        QCOMPARE(moved.count(), 0);
        QCOMPARE(layout.count(), 0);
        QCOMPARE(LWTest::titles(&tree.root), (QStringList{"a", "b", "c"}));
    }

    void destinationMustAcceptEachChild()
    {
        Tree tree;
        LWNaviTreeModel model(&tree.root);
        QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
        const QModelIndex a = model.index(0, 0);
        const QModelIndex c = model.index(2, 0);

        // The makeup rule: only its own children may be dropped onto it.
        tree.node(2)->acceptRule = LWTestNode::AcceptOwnChildren;
        QVERIFY(!model.moveIn(model.index(0, 0, a), c));
        QCOMPARE(moved.count(), 0);
        tree.node(0)->acceptRule = LWTestNode::AcceptOwnChildren;
        QVERIFY(model.moveRow(model.index(0, 0, a), model.index(1, 0, a), 1));
        QCOMPARE(LWTest::titles(tree.node(0)), (QStringList{"a1", "a0"}));

        tree.root.acceptRule = LWTestNode::AcceptNone;
        QVERIFY(!model.moveRow(model.index(0, 0), model.index(2, 0)));
        QCOMPARE(moved.count(), 1);
        QCOMPARE(LWTest::titles(&tree.root), (QStringList{"a", "b", "c"}));
    }

    void firstChildMakesLayoutChange()
    {
        Tree tree;
        LWNaviTreeModel model(&tree.root);
        QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
        QVERIFY(model.moveIn(model.index(0, 0, model.index(0, 0)), model.index(2, 0)));
        QCOMPARE(layout.count(), 0); // c had a child already
        QVERIFY(model.moveIn(model.index(0, 0, model.index(0, 0)), model.index(1, 0)));
        QCOMPARE(layout.count(), 1);
        QCOMPARE(LWTest::titles(tree.node(1)), (QStringList{"a1"}));
        QVERIFY(LWTest::modelMatchesTree(model));
    }

    void rootDestroyedEmptiesTheModel()
    {
        auto *tree = new Tree;
        LWNaviTreeModel model(&tree->root);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        delete tree;
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!model.index(0, 0).isValid());
    }

    void itemDefaults()
    {
        LWTestNode item("x");
        QVERIFY(item.checked());
        QCOMPARE(item.type(), 32);
        QCOMPARE(item.addNaviItemType(), -1);
        QVERIFY(!item.canAddNaviItem());
        QVERIFY(!item.isBranch());
        QVERIFY(!item.naviItemEditing());
        QVERIFY(!item.naviItemFlag());
        QVERIFY(!item.naviItemSecondFlag());
        QCOMPARE(item.resourceFilter(), 20);
        QVERIFY(!item.owner());
        QVERIFY(!item.context());
        QVERIFY(!item.branchObject());
        QVERIFY(!item.inspectorViewModel());
        QVERIFY(!item.sceneViewModel());
        // The base takes a rename as the title; nothing for an empty or
        // unchanged one.
        QVERIFY(item.naviTreeItemRename(" y "));
        QCOMPARE(item.title(), QString("y"));
        QCOMPARE(item.property("title").toString(), QString("y"));
        QVERIFY(!item.naviTreeItemRename("y"));
        QVERIFY(!item.naviTreeItemRename("  "));
        QCOMPARE(item.title(), QString("y"));
        QVERIFY(item.property("checked").toBool());
        QCOMPARE(item.property("addNaviItemType").toInt(), -1);
    }

    void titleChangesOnce()
    {
        LWTestNode item("x");
        QSignalSpy spy(&item, &LWNaviTreeItem::titleChanged);
        item.setTitle("x");
        QCOMPARE(spy.count(), 0);
        QVERIFY(item.setProperty("title", "y"));
        item.setTitle("y");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QString("y"));
        QCOMPARE(item.renamedTo, (QStringList{"x", "y"}));
    }

    // Unchecking marks the project unsaved although it is no undo step.
    void checkingMarksTheProjectChanged()
    {
        LWUndoStack::instance()->clear();
        LWTestNode item("part");
        QSignalSpy changed(&item, &LWNaviTreeItem::checkedChanged);
        QSignalSpy pushed(LWUndoStack::instance(), &LWUndoStack::pushOccured);
        item.setChecked(false);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(item.checkHooks, QList<bool>{false}); // the hook runs once
        QCOMPARE(pushed.count(), 1);
        QVERIFY(LWUndoStack::instance()->lastChangeTime() > 0);
        QCOMPARE(LWUndoStack::instance()->count(), 0);
        item.setChecked(false);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(pushed.count(), 2); // in every case
    }

    void editingAndAddButton()
    {
        LWTestNode item("x");
        QSignalSpy editing(&item, &LWNaviTreeItem::naviItemEditingChanged);
        item.setNaviItemEditing(true);
        item.setNaviItemEditing(true);
        QCOMPARE(editing.count(), 1);

        QSignalSpy canAdd(&item, &LWNaviTreeItem::canAddNaviItemChanged);
        QSignalSpy action(&item, &LWNaviTreeItem::addNaviItemActionChanged);
        QSignalSpy type(&item, &LWNaviTreeItem::addNaviItemTypeChanged);
        QSignalSpy branch(&item, &LWNaviTreeItem::isBranchChanged);
        item.setAddNaviItem(true, "addComponent", 3, true);
        QVERIFY(item.canAddNaviItem());
        QCOMPARE(item.addNaviItemAction(), QString("addComponent"));
        QCOMPARE(item.addNaviItemType(), 3);
        QVERIFY(item.isBranch());
        QCOMPARE(canAdd.count() + action.count() + type.count() + branch.count(), 4);

        QSignalSpy icon(&item, &LWNaviTreeItem::naviItemIconChanged);
        item.setNaviItemIcon("qrc:/2dFeature.png");
        QCOMPARE(icon.count(), 1);
        QCOMPARE(item.property("naviItemIcon").toString(), QString("qrc:/2dFeature.png"));
    }

    void branchValuesFallBackToTheParent()
    {
        Tree tree;
        QObject owner;
        QObject branch;
        auto context = std::make_shared<QObject>();
        LWTestNode *a = tree.node(0);
        LWTestNode *a0 = a->node(0);
        a->setOwner(&owner);
        a->setBranchObject(&branch);
        tree.root.setContext(context);
        tree.root.setResourceFilter(6);
        QCOMPARE(a0->owner(), &owner);
        QCOMPARE(a0->branchObject(), &branch);
        QCOMPARE(a0->context(), context);
        QCOMPARE(a0->resourceFilter(), 6);
        QVERIFY(!tree.node(1)->owner());
        a->setResourceFilter(7);
        QCOMPARE(a0->resourceFilter(), 7);
        QCOMPARE(tree.node(1)->resourceFilter(), 6);
    }

    void containerOperations()
    {
        LWModelContainer<LWTestNode> list;
        LWTestNode a("a"), b("b"), c("c");
        QCOMPARE(list.indexOfModel(&a), -1);
        list.appendModel(&a);
        list.prependModel(&b);
        list.insertModel(1, &c);
        QCOMPARE(list.models(), (QList<LWTestNode *>{&b, &c, &a}));
        QCOMPARE(list.indexOfModel(&a), 2);
        QCOMPARE(list.modelCount(), 3);
        QVERIFY(list.removeModel(&c));
        QVERIFY(!list.removeModel(&c));
        QCOMPARE(list.indexOfModel(&c), -1);
        QCOMPARE(list.removeModelAt(0), &b);
        QCOMPARE(list.firstCounter(), 0);
        QCOMPARE(list.secondCounter(), 0);
        QVERIFY(list.containerName().isEmpty());
        QVERIFY(!list.containsModelName("a"));
        QCOMPARE(list.uniqueModelName("Untitled"), QString("Untitled"));
    }

    void removingBeyondTheListLogs()
    {
        LWModelContainer<LWTestNode> list;
        LWTestNode a("a"), b("b");
        list.appendModel(&a);
        list.appendModel(&b);
        QTest::ignoreMessage(QtWarningMsg, "error remove, 5 2");
        QCOMPARE(list.removeModelAt(5), nullptr);
        QCOMPARE(list.modelCount(), 2);
    }
};

LW_TEST_MAIN(TstNaviTree)
#include "tst_navitree.moc"
