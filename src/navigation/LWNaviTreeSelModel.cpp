#include "LWNaviTreeSelModel.h"

#include "LWNaviTreeItem.h"
#include "LWNaviTreeModel.h"
#include "navigation/LWNaviSelectedUndoCommand.h"
#include "undo/LWUndoStack.h"

#include <QPointer>

LWNaviTreeSelModel::LWNaviTreeSelModel(LWNaviTreeModel *model, LWEffectCommon::LWNaviTreeType treeType,
                                       QObject *parent)
    : QItemSelectionModel(model, parent)
    , m_treeType(treeType)
{
    // So that naviTreeSelChanged can also travel through queued connections
    // and signal spies.
    qRegisterMetaType<LWNaviTreeItem *>("LWNaviTreeItem*");
    qRegisterMetaType<LWEffectCommon::LWNaviTreeType>("LWEffectCommon::LWNaviTreeType");
    connect(this, &QItemSelectionModel::selectionChanged, this, &LWNaviTreeSelModel::onSelectionChanged);
    followRequests(model);
}

LWNaviTreeSelModel::~LWNaviTreeSelModel() = default;

void LWNaviTreeSelModel::attachToModel(LWNaviTreeModel *model, LWEffectCommon::LWNaviTreeType treeType)
{
    if (QAbstractItemModel *old = this->model())
        disconnect(old, nullptr, this, nullptr);
    m_treeType = treeType;
    setModel(model);
    followRequests(model);
}

void LWNaviTreeSelModel::followRequests(LWNaviTreeModel *model)
{
    if (!model)
        return;
    // An item asked to become current: the author's kind of change makes an
    // undo step, the others are applied as they are.
    connect(model, &LWNaviTreeModel::selectRequest, this, [this](const QModelIndex &index, bool withUndo) {
        if (withUndo)
            setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        else
            applyCurrentIndex(index, QItemSelectionModel::SelectCurrent);
    });
    // Rows going away: on the effect tree whatever leaves it ends the
    // selection, so the inspector and the scene of what was selected go
    // too; on the resource tree only the current item's leaving does.
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &parent, int first, int last) {
                for (QModelIndex index = currentIndex(); index.isValid(); index = index.parent()) {
                    if (index.parent() == parent && index.row() >= first && index.row() <= last) {
                        m_currentLeaving = true;
                        break;
                    }
                }
            });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] {
        const bool leaving = m_currentLeaving;
        m_currentLeaving = false;
        if (m_treeType == LWEffectCommon::LWNaviTreeTypeEffect || leaving)
            resetAndClearNavitreeItem(false);
    });
}

void LWNaviTreeSelModel::select(const QModelIndex &index, QItemSelectionModel::SelectionFlags command)
{
    QItemSelectionModel::select(index, command);
    if (LWNaviTreeItem *item = LWNaviTreeModel::itemFromIndex(index)) {
        item->naviTreeItemSelect();
        item->setNaviItemEditing(false);
        emit naviTreeSelChanged(item, m_treeType);
    }
}

void LWNaviTreeSelModel::setCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags command)
{
    if (index == currentIndex()) {
        applyCurrentIndex(index, command);
        return;
    }
    std::weak_ptr<LWNaviTreeSelModel> self = weak_from_this();
    if (self.expired()) {
        applyCurrentIndex(index, command);
        return;
    }
    // A step of its own, but not a change of the project.
    LWUndoStack::instance()->push(new LWNaviSelectedUndoCommand(self, index, command), false);
}

void LWNaviTreeSelModel::applyCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags command)
{
    if (index.row() == -1)
        clearSelection();
    if ((int(command) & kMarkerFlag) && m_treeType == LWEffectCommon::LWNaviTreeTypeEffect)
        ++m_markedSelections;
    QItemSelectionModel::setCurrentIndex(index, command & ~QItemSelectionModel::SelectionFlags(kMarkerFlag));
}

void LWNaviTreeSelModel::restoreCurrentIndex(const QModelIndex &index)
{
    // Clear as well as select: the step taken back is the whole selection.
    applyCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Current);
    if (!currentIndex().isValid())
        emit naviTreeSelChanged(nullptr, m_treeType);
}

void LWNaviTreeSelModel::clearWithoutNotice()
{
    clearSelection();
    clearCurrentIndex();
}

void LWNaviTreeSelModel::setItemEditing(const QModelIndex &index, bool editing)
{
    if (LWNaviTreeItem *item = LWNaviTreeModel::itemFromIndex(index))
        item->setNaviItemEditing(editing);
}

void LWNaviTreeSelModel::setItemEditing(const QModelIndex &index)
{
    setItemEditing(index, true);
}

void LWNaviTreeSelModel::resetAndClearNavitreeItem(bool p_bUndo)
{
    if (currentIndex().isValid()) {
        if (p_bUndo) {
            setCurrentIndex(QModelIndex(), QItemSelectionModel::ClearAndSelect);
        } else {
            clearSelection();
            QItemSelectionModel::setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        }
    }
    emit naviTreeSelChanged(nullptr, m_treeType);
}

void LWNaviTreeSelModel::setSelectItemUsingShift(const QModelIndex &index)
{
    const QModelIndex current = currentIndex();
    if (index == current) {
        applyCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        return;
    }
    if (!current.isValid()) {
        setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        return;
    }
    // A range exists only between siblings.
    if (index.parent() != current.parent())
        return;
    const QModelIndex first = index < current ? index : current;
    const QModelIndex last = index < current ? current : index;
    QItemSelectionModel::select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
}

void LWNaviTreeSelModel::setSelectItemUsingCtrl(const QModelIndex &index)
{
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        setCurrentIndex(index, QItemSelectionModel::Toggle);
        return;
    }
    if (index.parent() != current.parent())
        return;
    // The current item (and so the inspector) stays; only the set changes.
    QItemSelectionModel::select(QItemSelection(index, index), QItemSelectionModel::Toggle);
}

void LWNaviTreeSelModel::removeSelectedIndexs()
{
    // Each removal changes the selection: collect the items first.
    QList<QPointer<LWNaviTreeItem>> items;
    for (const QModelIndex &index : selectedIndexes()) {
        if (LWNaviTreeItem *item = LWNaviTreeModel::itemFromIndex(index))
            items.append(item);
    }
    for (const QPointer<LWNaviTreeItem> &item : items) {
        if (item)
            item->naviTreeItemRemove();
    }
}

QString LWNaviTreeSelModel::getSelectedItemTitle() const
{
    QStringList titles;
    for (const QModelIndex &index : selectedIndexes()) {
        if (const LWNaviTreeItem *item = LWNaviTreeModel::itemFromIndex(index))
            titles.append(item->title());
    }
    return titles.join(QLatin1Char(','));
}

void LWNaviTreeSelModel::onSelectionChanged(const QItemSelection &, const QItemSelection &deselected)
{
    for (const QModelIndex &index : deselected.indexes()) {
        if (LWNaviTreeItem *item = LWNaviTreeModel::itemFromIndex(index))
            item->setNaviItemEditing(false);
    }
}
