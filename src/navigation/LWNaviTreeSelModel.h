#pragma once

#include "common/LWEffectCommon.h"

#include <QItemSelectionModel>
#include <memory>

class LWNaviTreeItem;
class LWNaviTreeModel;

// The selection model of a navigation tree. Every change of the
// current item by the author is an undo step (LWNaviSelectedUndoCommand)
// that does not make the project unsaved; title editing ends when an item
// loses the selection; shift and ctrl clicks extend the selection; every
// selection is reported with the tree it comes from. An item's request to
// become current (LWNaviTreeItem::requestSelection) is followed here, and
// rows leaving the tree end the selection (any row on the effect tree, the
// current one on the resource tree), reported as no item.
//
// Undo commands hold it weakly: create it with std::make_shared. A model
// not held by a shared pointer still works, but its current-item changes
// are then applied directly, without an undo step.
class LWNaviTreeSelModel : public QItemSelectionModel, public std::enable_shared_from_this<LWNaviTreeSelModel>
{
    Q_OBJECT

public:
    // Marker bit of the selection flags: on the effect tree, making the
    // current item current again with it counts a marked selection.
    static constexpr int kMarkerFlag = 0x100;

    explicit LWNaviTreeSelModel(LWNaviTreeModel *model = nullptr,
                                LWEffectCommon::LWNaviTreeType treeType = LWEffectCommon::LWNaviTreeTypeEffect,
                                QObject *parent = nullptr);
    ~LWNaviTreeSelModel() override;

    void attachToModel(LWNaviTreeModel *model, LWEffectCommon::LWNaviTreeType treeType);
    LWEffectCommon::LWNaviTreeType treeType() const { return m_treeType; }
    int markedSelectionCount() const { return m_markedSelections; }

    using QItemSelectionModel::select;
    // The standard selection, then the item's selection hook, the end of its
    // title editing and naviTreeSelChanged.
    void select(const QModelIndex &index, QItemSelectionModel::SelectionFlags command) override;
    // The same index: applied directly. Another index: an undo step.
    void setCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags command) override;

    // The direct path of setCurrentIndex (also what the undo command redoes).
    void applyCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags command);
    // What the undo command's undo does: the index becomes current again with
    // select-current; when that leaves no current item the selection is
    // reported empty.
    void restoreCurrentIndex(const QModelIndex &index);
    // Clears the selection and the current item without an undo step and
    // without naviTreeSelChanged (the controller, when the other tree takes
    // the selection).
    void clearWithoutNotice();

    Q_INVOKABLE void setItemEditing(const QModelIndex &index, bool editing);
    Q_INVOKABLE void setItemEditing(const QModelIndex &index);
    Q_INVOKABLE void resetAndClearNavitreeItem(bool p_bUndo);
    Q_INVOKABLE void setSelectItemUsingShift(const QModelIndex &index);
    Q_INVOKABLE void setSelectItemUsingCtrl(const QModelIndex &index);
    Q_INVOKABLE void removeSelectedIndexs();
    Q_INVOKABLE QString getSelectedItemTitle() const;

public slots:
    void onSelectionChanged(const QItemSelection &selected, const QItemSelection &deselected);

signals:
    void naviTreeSelChanged(LWNaviTreeItem *treeItem, LWEffectCommon::LWNaviTreeType p_type);

private:
    void followRequests(LWNaviTreeModel *model);

    LWEffectCommon::LWNaviTreeType m_treeType;
    int m_markedSelections = 0;
    bool m_currentLeaving = false;
};
