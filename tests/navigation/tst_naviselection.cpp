#include "LWTestMain.h"
#include "LWTestTree.h"

#include "navigation/LWEffectNaviTreeModel.h"
#include "undo/LWUndoStack.h"

#include <QSignalSpy>

namespace {

// root
//   f0
//   f1
//     p0
//     p1
//   f2
struct Fixture
{
    Fixture(LWEffectCommon::LWNaviTreeType type = LWEffectCommon::LWNaviTreeTypeEffect)
    {
        new LWTestNode("f0", &root);
        auto *f1 = new LWTestNode("f1", &root);
        new LWTestNode("p0", f1);
        new LWTestNode("p1", f1);
        new LWTestNode("f2", &root);
        model = std::make_unique<LWEffectNaviTreeModel>(&root);
        selection = std::make_shared<LWNaviTreeSelModel>(model.get(), type);
    }
    QModelIndex feature(int row) const { return model->index(row, 0); }
    QModelIndex part(int row) const { return model->index(row, 0, feature(1)); }
    LWNaviTreeItem *item(const QModelIndex &index) const { return LWNaviTreeModel::itemFromIndex(index); }
    QList<LWNaviTreeItem *> selectedItems() const
    {
        QList<LWNaviTreeItem *> items;
        for (const QModelIndex &index : selection->selectedIndexes())
            items.append(item(index));
        return items;
    }

    LWTestNode root{"root"};
    std::unique_ptr<LWEffectNaviTreeModel> model;
    std::shared_ptr<LWNaviTreeSelModel> selection;
};

const auto kClick = QItemSelectionModel::ClearAndSelect;

} // namespace

class TstNaviSelection : public QObject
{
    Q_OBJECT

    LWUndoStack *stack() const { return LWUndoStack::instance(); }

private slots:
    void init() { stack()->clear(); }

    void selectionIsAnUndoStepThatLeavesTheProjectSaved()
    {
        Fixture f;
        QSignalSpy pushed(stack(), &LWUndoStack::pushOccured);
        QSignalSpy selected(f.selection.get(), &LWNaviTreeSelModel::naviTreeSelChanged);
        f.selection->setCurrentIndex(f.feature(0), kClick);
        QCOMPARE(stack()->count(), 1);
        QCOMPARE(f.selection->currentIndex(), f.feature(0));
        QCOMPARE(f.selectedItems(), QList<LWNaviTreeItem *>{f.item(f.feature(0))});
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.at(0).at(0).value<LWNaviTreeItem *>(), f.item(f.feature(0)));
        QCOMPARE(selected.at(0).at(1).value<LWEffectCommon::LWNaviTreeType>(), LWEffectCommon::LWNaviTreeTypeEffect);
        QCOMPARE(static_cast<LWTestNode *>(f.item(f.feature(0)))->selectCount, 1);
        QCOMPARE(pushed.count(), 0);
        QVERIFY(!stack()->undoMarksChange());
    }

    void clickingTheCurrentItemAddsNoStep()
    {
        Fixture f;
        f.selection->setCurrentIndex(f.feature(1), kClick);
        QCOMPARE(stack()->count(), 1);
        f.selection->setCurrentIndex(f.feature(1), kClick);
        f.selection->setCurrentIndex(f.feature(1), QItemSelectionModel::SelectCurrent);
        QCOMPARE(stack()->count(), 1);
        QCOMPARE(f.selection->currentIndex(), f.feature(1));
    }

    void undoWalksBackOneFeatureAtATime()
    {
        Fixture f;
        QSignalSpy pushed(stack(), &LWUndoStack::pushOccured);
        QSignalSpy selected(f.selection.get(), &LWNaviTreeSelModel::naviTreeSelChanged);
        for (int row = 0; row < 3; ++row)
            f.selection->setCurrentIndex(f.feature(row), kClick);
        QCOMPARE(stack()->count(), 3);

        stack()->undo();
        QCOMPARE(f.selection->currentIndex(), f.feature(1));
        QCOMPARE(f.selectedItems(), QList<LWNaviTreeItem *>{f.item(f.feature(1))});
        QCOMPARE(selected.last().at(0).value<LWNaviTreeItem *>(), f.item(f.feature(1)));
        stack()->undo();
        QCOMPARE(f.selection->currentIndex(), f.feature(0));
        QCOMPARE(f.selectedItems(), QList<LWNaviTreeItem *>{f.item(f.feature(0))});
        stack()->undo();
        QVERIFY(!f.selection->currentIndex().isValid());
        QVERIFY(f.selectedItems().isEmpty());
        QCOMPARE(selected.last().at(0).value<LWNaviTreeItem *>(), nullptr);
        QVERIFY(!stack()->canUndo());

        stack()->redo();
        stack()->redo();
        QCOMPARE(f.selection->currentIndex(), f.feature(1));
        QCOMPARE(pushed.count(), 0); // the project stays saved throughout
    }

    void markedSelectionsAreCountedOnTheEffectTree()
    {
        const auto marked = QItemSelectionModel::SelectionFlags(LWNaviTreeSelModel::kMarkerFlag)
                            | QItemSelectionModel::SelectCurrent;
        Fixture f;
        f.selection->setCurrentIndex(f.feature(0), marked); // an undo step, counted on redo
        QCOMPARE(f.selection->markedSelectionCount(), 1);
        f.selection->setCurrentIndex(f.feature(0), marked);
        f.selection->setCurrentIndex(f.feature(0), kClick);
        QCOMPARE(f.selection->markedSelectionCount(), 2);
        QCOMPARE(stack()->count(), 1);
        QCOMPARE(f.selectedItems(), QList<LWNaviTreeItem *>{f.item(f.feature(0))});

        Fixture resources(LWEffectCommon::LWNaviTreeTypeResource);
        resources.selection->setCurrentIndex(resources.feature(0), kClick);
        resources.selection->setCurrentIndex(resources.feature(0), marked);
        QCOMPARE(resources.selection->markedSelectionCount(), 0);
    }

    void ctrlClicks()
    {
        Fixture f;
        // No current item: an undo step that toggles the item on.
        f.selection->setSelectItemUsingCtrl(f.feature(0));
        QCOMPARE(stack()->count(), 1);
        QCOMPARE(f.selectedItems(), QList<LWNaviTreeItem *>{f.item(f.feature(0))});

        // Another parent: nothing.
        f.selection->setSelectItemUsingCtrl(f.part(0));
        QCOMPARE(f.selectedItems(), QList<LWNaviTreeItem *>{f.item(f.feature(0))});
        QCOMPARE(f.selection->currentIndex(), f.feature(0));

        // Same parent: toggled directly, the current item stays.
        f.selection->setSelectItemUsingCtrl(f.feature(2));
        QCOMPARE(f.selection->selectedIndexes().size(), 2);
        QVERIFY(f.selection->isSelected(f.feature(2)));
        QCOMPARE(f.selection->currentIndex(), f.feature(0));
        f.selection->setSelectItemUsingCtrl(f.feature(2));
        QVERIFY(!f.selection->isSelected(f.feature(2)));
        QCOMPARE(stack()->count(), 1);
    }

    void shiftClicks()
    {
        Fixture f;
        f.selection->setSelectItemUsingShift(f.feature(2));
        QCOMPARE(stack()->count(), 1);
        QCOMPARE(f.selection->currentIndex(), f.feature(2));

        f.selection->setSelectItemUsingShift(f.feature(0));
        QCOMPARE(stack()->count(), 1);
        QCOMPARE(f.selection->selectedIndexes().size(), 3);
        QCOMPARE(f.selection->currentIndex(), f.feature(2));

        // A range exists only between siblings.
        f.selection->setSelectItemUsingShift(f.part(1));
        QCOMPARE(f.selection->selectedIndexes().size(), 3);

        // The current item itself: back to it alone, directly.
        f.selection->setSelectItemUsingShift(f.feature(2));
        QCOMPARE(f.selectedItems(), QList<LWNaviTreeItem *>{f.item(f.feature(2))});
        QCOMPARE(stack()->count(), 1);
    }

    void deselectingEndsTitleEditing()
    {
        Fixture f;
        f.selection->setCurrentIndex(f.feature(0), kClick);
        f.selection->setItemEditing(f.feature(0));
        LWNaviTreeItem *first = f.item(f.feature(0));
        QVERIFY(first->naviItemEditing());
        f.selection->setCurrentIndex(f.feature(2), kClick);
        QVERIFY(!first->naviItemEditing());

        // Selecting an item ends its own editing too.
        LWNaviTreeItem *third = f.item(f.feature(2));
        f.selection->setItemEditing(f.feature(2), true);
        QVERIFY(third->naviItemEditing());
        f.selection->select(f.feature(2), QItemSelectionModel::Select);
        QVERIFY(!third->naviItemEditing());
    }

    void selectedTitles()
    {
        Fixture f;
        f.selection->setCurrentIndex(f.feature(1), kClick);
        QCOMPARE(f.selection->getSelectedItemTitle(), QString("f1"));
        f.selection->setSelectItemUsingCtrl(f.feature(2));
        QCOMPARE(f.selection->getSelectedItemTitle(), QString("f1,f2"));
    }

    void removeSelectedAsksEachItem()
    {
        Fixture f;
        QStringList removed;
        for (LWTestNode *node : f.root.models())
            node->onRemove = [&](LWTestNode *n) { removed.append(n->title()); };
        f.selection->setCurrentIndex(f.feature(0), kClick);
        f.selection->setSelectItemUsingCtrl(f.feature(2));
        f.selection->removeSelectedIndexs();
        removed.sort();
        QCOMPARE(removed, (QStringList{"f0", "f2"}));
    }

    void resetAndClear()
    {
        Fixture f;
        QSignalSpy selected(f.selection.get(), &LWNaviTreeSelModel::naviTreeSelChanged);
        f.selection->setCurrentIndex(f.feature(0), kClick);
        f.selection->resetAndClearNavitreeItem(true);
        QCOMPARE(stack()->count(), 2);
        QVERIFY(!f.selection->currentIndex().isValid());
        QVERIFY(!f.selection->hasSelection());
        QCOMPARE(selected.last().at(0).value<LWNaviTreeItem *>(), nullptr);
        stack()->undo();
        QCOMPARE(f.selection->currentIndex(), f.feature(0));

        f.selection->resetAndClearNavitreeItem(false);
        QCOMPARE(stack()->count(), 2);
        QVERIFY(!f.selection->currentIndex().isValid());
        QVERIFY(!f.selection->hasSelection());
        QCOMPARE(selected.last().at(0).value<LWNaviTreeItem *>(), nullptr);
    }

    void clearWithoutNoticeIsSilent()
    {
        Fixture f;
        f.selection->setCurrentIndex(f.feature(0), kClick);
        QSignalSpy selected(f.selection.get(), &LWNaviTreeSelModel::naviTreeSelChanged);
        f.selection->clearWithoutNotice();
        QVERIFY(!f.selection->hasSelection());
        QVERIFY(!f.selection->currentIndex().isValid());
        QCOMPARE(selected.count(), 0);
        QCOMPARE(stack()->count(), 1);
    }

    void notSharedMeansNoUndoStep()
    {
        Fixture f;
        LWNaviTreeSelModel plain(f.model.get());
        plain.setCurrentIndex(f.feature(1), kClick);
        QCOMPARE(plain.currentIndex(), f.feature(1));
        QCOMPARE(stack()->count(), 0);
    }

    void stepOfAVanishedSelectionModelDoesNothing()
    {
        Fixture f;
        f.selection->setCurrentIndex(f.feature(0), kClick);
        f.selection->setCurrentIndex(f.feature(1), kClick);
        f.selection.reset();
        stack()->undo();
        stack()->redo();
        QCOMPARE(stack()->index(), 2);
    }

    void stepOfARemovedRowDoesNothing()
    {
        Fixture f;
        f.selection->setCurrentIndex(f.feature(0), kClick);
        f.selection->setCurrentIndex(f.feature(2), kClick);
        stack()->undo();
        QCOMPARE(f.selection->currentIndex(), f.feature(0));
        QVERIFY(f.root.removeModelAt(2));
        // Whatever leaves the effect tree ends the selection.
        QVERIFY(!f.selection->currentIndex().isValid());
        stack()->redo(); // f2 is no longer in the tree
        QVERIFY(!f.selection->currentIndex().isValid());
    }
};

LW_TEST_MAIN(TstNaviSelection)
#include "tst_naviselection.moc"
