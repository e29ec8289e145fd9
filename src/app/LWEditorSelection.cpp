#include "LWEditorSelection.h"

#include "inspector/LWQmlViewModel.h"
#include "navigation/LWEffectNaviTreeModel.h"
#include "navigation/LWNaviTreeItem.h"
#include "navigation/LWNaviTreeSelModel.h"
#include "scene/LWSceneViewModel.h"
#include "undo/LWUndoStack.h"

LWEditorSelection::LWEditorSelection(QObject *parent)
    : QObject(parent)
{
}

LWEditorSelection::~LWEditorSelection() = default;

LWNaviTreeModel *LWEditorSelection::effectTreeModel() const
{
    return m_effectTreeModel.get();
}

LWSceneViewModel *LWEditorSelection::scene() const
{
    return m_scene;
}

QModelIndex LWEditorSelection::firstFeatureIndex() const
{
    return m_effectTreeModel ? m_effectTreeModel->index(0, 0) : QModelIndex();
}

void LWEditorSelection::setInspector(std::shared_ptr<LWQmlViewModel> inspector)
{
    m_inspector = std::move(inspector);
    emit inspectorChanged();
}

void LWEditorSelection::setScene(LWSceneViewModel *scene)
{
    m_scene = scene;
    emit sceneChanged();
}

void LWEditorSelection::setEffect(LWNaviTreeItem *effect)
{
    // The selection model refers to the tree model: let it go first.
    std::shared_ptr<LWNaviTreeSelModel> oldSelection = std::move(m_effectSelModel);
    std::unique_ptr<LWEffectNaviTreeModel> oldModel = std::move(m_effectTreeModel);
    // Steps of the old effect cannot be taken on the new one.
    LWUndoStack::instance()->clear();
    LWUndoStack::instance()->markChanged();
    setInspector(nullptr);
    if (effect) {
        m_effectTreeModel = std::make_unique<LWEffectNaviTreeModel>(effect);
        m_effectSelModel = std::make_shared<LWNaviTreeSelModel>(m_effectTreeModel.get(),
                                                                LWEffectCommon::LWNaviTreeTypeEffect);
        connect(m_effectSelModel.get(), &LWNaviTreeSelModel::naviTreeSelChanged, this, &LWEditorSelection::select);
    } else {
        setScene(nullptr);
        m_selectedEffectItem = nullptr;
    }
    emit effectTreeChanged();
    if (oldSelection)
        oldSelection->disconnect(this);
}

void LWEditorSelection::setResourceRoot(LWNaviTreeItem *resource)
{
    std::shared_ptr<LWNaviTreeSelModel> oldSelection = std::move(m_resourceSelModel);
    std::shared_ptr<LWNaviTreeModel> oldModel = std::move(m_resourceTreeModel);
    m_selectedResourceItem = nullptr;
    if (resource) {
        m_resourceTreeModel = std::make_shared<LWNaviTreeModel>(resource);
        m_resourceSelModel = std::make_shared<LWNaviTreeSelModel>(m_resourceTreeModel.get(),
                                                                  LWEffectCommon::LWNaviTreeTypeResource);
        connect(m_resourceSelModel.get(), &LWNaviTreeSelModel::naviTreeSelChanged, this, &LWEditorSelection::select);
    }
    emit resourceTreeChanged();
    if (oldSelection)
        oldSelection->disconnect(this);
}

void LWEditorSelection::select(LWNaviTreeItem *item, LWEffectCommon::LWNaviTreeType tree)
{
    if (tree == LWEffectCommon::LWNaviTreeTypeResource) {
        m_selectedResourceItem = item;
        if (!item) {
            setInspector(nullptr);
            return;
        }
        if (m_effectSelModel)
            m_effectSelModel->clearWithoutNotice();
        std::shared_ptr<LWQmlViewModel> inspector = item->inspectorViewModel();
        if (inspector != m_inspector) {
            m_inspector = inspector;
            emit resourceFilterChanged(LWEffectCommon::LWResourceTypeAll);
            emit inspectorChanged();
        }
        return;
    }

    m_selectedEffectItem = item;
    if (!item) {
        setInspector(nullptr);
        setScene(nullptr);
        return;
    }
    if (m_resourceSelModel)
        m_resourceSelModel->clearWithoutNotice();
    m_selectedResourceItem = nullptr;
    std::shared_ptr<LWQmlViewModel> inspector = item->inspectorViewModel();
    if (inspector != m_inspector)
        setInspector(inspector);
    LWSceneViewModel *scene = item->sceneViewModel();
    if (scene != m_scene)
        setScene(scene);
    if (m_scene)
        m_scene->focusItem(item);
    const int filter = item->resourceFilter();
    if (filter != m_resourceFilter) {
        m_resourceFilter = filter;
        emit resourceFilterChanged(filter);
    }
}

void LWEditorSelection::pullInspector()
{
    if (m_selectedEffectItem)
        m_selectedEffectItem->naviTreeItemInspectorDataChanged();
    if (m_selectedResourceItem)
        m_selectedResourceItem->naviTreeItemInspectorDataChanged();
}

void LWEditorSelection::respondToContextMenu(const QString &itemId)
{
    if (m_selectedEffectItem)
        m_selectedEffectItem->onResponseContextMenu(itemId);
}
