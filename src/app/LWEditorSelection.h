#pragma once

#include "common/LWEffectCommon.h"

#include <QJsonValue>
#include <QModelIndex>
#include <QObject>
#include <QPointer>
#include <memory>

class LWEffectNaviTreeModel;
class LWNaviTreeItem;
class LWNaviTreeModel;
class LWNaviTreeSelModel;
class LWQmlViewModel;
class LWSceneViewModel;

// The editor's two trees and what is selected in them: it builds the tree
// models and their selection models whenever the workspace has a new effect
// or resource root, and follows the selection to the inspector and scene
// the editor shows. Only one tree has a selection at a time.
class LWEditorSelection : public QObject
{
    Q_OBJECT

public:
    explicit LWEditorSelection(QObject *parent = nullptr);
    ~LWEditorSelection() override;

    LWNaviTreeModel *effectTreeModel() const;
    LWNaviTreeSelModel *effectSelectionModel() const { return m_effectSelModel.get(); }
    LWNaviTreeModel *resourceTreeModel() const { return m_resourceTreeModel.get(); }
    LWNaviTreeSelModel *resourceSelectionModel() const { return m_resourceSelModel.get(); }
    LWQmlViewModel *inspector() const { return m_inspector.get(); }
    LWSceneViewModel *scene() const;
    LWNaviTreeItem *selectedEffectItem() const { return m_selectedEffectItem; }
    LWNaviTreeItem *selectedResourceItem() const { return m_selectedResourceItem; }
    // The effect's first feature in the effect tree; invalid without one.
    QModelIndex firstFeatureIndex() const;

    void setEffect(LWNaviTreeItem *effect);
    void setResourceRoot(LWNaviTreeItem *resource);
    // A selection reported by one of the selection models.
    void select(LWNaviTreeItem *item, LWEffectCommon::LWNaviTreeType tree);
    // An edit reached the inspector: the selected items pull its value.
    void pullInspector();
    // Hands a context menu choice to the selected effect item.
    void respondToContextMenu(const QString &itemId);

signals:
    void effectTreeChanged();
    void resourceTreeChanged();
    void inspectorChanged();
    void sceneChanged();
    // The library should show resources of the type (8: all).
    void resourceFilterChanged(int type);

private:
    void setInspector(std::shared_ptr<LWQmlViewModel> inspector);
    void setScene(LWSceneViewModel *scene);

    QPointer<LWNaviTreeItem> m_selectedEffectItem;
    QPointer<LWNaviTreeItem> m_selectedResourceItem;
    int m_resourceFilter = 20;
    std::shared_ptr<LWQmlViewModel> m_inspector; // shared with the selected item
    std::unique_ptr<LWEffectNaviTreeModel> m_effectTreeModel;
    std::shared_ptr<LWNaviTreeSelModel> m_effectSelModel;
    std::shared_ptr<LWNaviTreeModel> m_resourceTreeModel;
    std::shared_ptr<LWNaviTreeSelModel> m_resourceSelModel;
    QPointer<LWSceneViewModel> m_scene; // not owned: the selected item's
};
