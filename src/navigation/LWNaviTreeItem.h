#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>

class LWNaviTreeModel;
class LWQmlViewModel;   // the inspector tree's node base
class LWSceneViewModel; // the scene shown while the item is selected

// One node of a navigation tree: the effect, a feature, a sticker part, a
// makeup filter, a resource group or a resource. The tree models own no
// structure: they ask the nodes for parents, children and rows through the
// virtual operations below, which each node kind answers for itself, and
// the node that owns a list of children announces every change of it
// (LWNaviTreeChange; LWModelContainer does so for its lists).
//
// Lookups of owner, context and branch object fall back to the nearest
// ancestor that has one, so a whole branch shares what its top node set.
class LWNaviTreeItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(bool checked READ checked WRITE setChecked NOTIFY checkedChanged)
    Q_PROPERTY(QVariantList subItems READ subItems NOTIFY subItemsChanged)
    Q_PROPERTY(QString naviItemIcon READ naviItemIcon NOTIFY naviItemIconChanged)
    Q_PROPERTY(bool naviItemEditing READ naviItemEditing WRITE setNaviItemEditing NOTIFY naviItemEditingChanged)
    Q_PROPERTY(bool canAddNaviItem READ canAddNaviItem NOTIFY canAddNaviItemChanged)
    Q_PROPERTY(QString addNaviItemAction READ addNaviItemAction NOTIFY addNaviItemActionChanged)
    Q_PROPERTY(int addNaviItemType READ addNaviItemType NOTIFY addNaviItemTypeChanged)
    Q_PROPERTY(QVariantList addNaviItems READ addNaviItems NOTIFY addNaviItemsChanged)
    Q_PROPERTY(bool isBranch READ isBranch NOTIFY isBranchChanged)

public:
    // The type tag of a plain navigation item.
    static constexpr int kNaviTreeItemType = 32;
    // Resource filter value meaning "ask the parent".
    static constexpr int kResourceFilterInherit = 20;

    explicit LWNaviTreeItem(QObject *parent = nullptr);
    ~LWNaviTreeItem() override;

    // Structure, answered by each node kind.
    virtual LWNaviTreeItem *parentItem() const = 0;
    virtual LWNaviTreeItem *child(int row) const;
    virtual int childCount() const;
    virtual int columnCount() const = 0;
    virtual QVariant data(int column) const = 0;
    virtual int row() const = 0;
    virtual int type() const { return kNaviTreeItemType; }

    // The model that shows this item: the one showing the root it hangs
    // under, as long as every node on the way up lists the node below it.
    // Null for an item being built, or held detached by an undo command.
    LWNaviTreeModel *treeModel() const;
    // Asks the views of the showing model to make this item current (with
    // an undo step or without) or to open it; nothing when none shows it.
    void requestSelection(bool withUndo = false);
    void requestExpand();

    virtual std::shared_ptr<LWQmlViewModel> inspectorViewModel() const { return m_inspectorViewModel; }
    virtual void setInspectorViewModel(std::shared_ptr<LWQmlViewModel> viewModel);
    virtual LWSceneViewModel *sceneViewModel() const { return m_sceneViewModel; }
    virtual QObject *owner() const;
    virtual std::shared_ptr<QObject> context() const;

    // Hooks called by the selection model and the controller.
    virtual void naviTreeItemSelect() {}
    virtual void naviTreeItemInspectorDataChanged() {}
    virtual void naviTreeItemUpdateResourceInScene() {}

    // Actions of the interface layer.
    Q_INVOKABLE virtual void naviTreeItemRemove() {}
    // The editor's title editing ends with the new name: every node takes it
    // as its title (what the project saves as its name) and the project
    // counts as changed. False for an empty or unchanged name.
    Q_INVOKABLE virtual bool naviTreeItemRename(QString newName);
    Q_INVOKABLE virtual void menuItemAction(QString menuItemId);

    // Used by the model's row moves. The child taken out is detached,
    // not destroyed.
    virtual bool naviTreeItemAcceptChild(LWNaviTreeItem *item) const;
    virtual void naviTreeItemInsertChild(int row, LWNaviTreeItem *item);
    virtual LWNaviTreeItem *naviTreeItemTakeChild(int row);
    virtual void naviTreeItemMoveChild(int from, int to);

    // The add button. The four values are set together.
    virtual bool canAddNaviItem() const { return m_canAddNaviItem; }
    virtual void setAddNaviItem(bool canAdd, const QString &action, int itemType, bool branch);
    virtual QString addNaviItemAction() const { return m_addNaviItemAction; }
    virtual int addNaviItemType() const { return m_addNaviItemType; }
    virtual bool isBranch() const { return m_isBranch; }

    virtual QString title() const { return m_title; }
    virtual void setTitle(const QString &title);
    virtual bool checked() const { return m_checked; }
    virtual void setChecked(bool checked);
    virtual void setNaviItemEditing(bool editing);
    virtual bool naviItemEditing() const { return m_naviItemEditing; }

    // A flag query whose meaning the node kinds give (false here).
    virtual bool naviItemFlag() const { return false; }

    virtual QVariantList addNaviItems() const { return m_addNaviItems; }

    virtual QObject *branchObject() const;
    // The resource type the library shows while this item is selected; 20
    // asks the parent.
    virtual int resourceFilter() const;

    virtual QVariantList subItems() const { return m_subItems; }
    virtual QString naviItemIcon() const { return m_naviItemIcon; }

    // See naviItemFlag.
    virtual bool naviItemSecondFlag() const { return false; }

    // Plain setters for what the subclasses decide.
    void setOwner(QObject *owner) { m_owner = owner; }
    void setContext(std::shared_ptr<QObject> context) { m_context = std::move(context); }
    void setBranchObject(QObject *object) { m_branchObject = object; }
    void setSceneViewModel(LWSceneViewModel *sceneViewModel) { m_sceneViewModel = sceneViewModel; }
    void setResourceFilter(int filter) { m_resourceFilter = filter; }
    void setSubItems(const QVariantList &items);
    void setAddNaviItems(const QVariantList &items);
    void setNaviItemIcon(const QString &icon);

public slots:
    // The check hook, reached through checkedChanged (connected at
    // construction).
    virtual void onCheckedChanged(bool p_bChecked);
    virtual void onResponseContextMenu(QString p_strItemId);

signals:
    void naviItemIconChanged(QString icon);
    void titleChanged(QString title);
    void checkedChanged(bool checked);
    void subItemsChanged();
    void naviItemEditingChanged(bool editing);
    void addNaviItemsChanged();
    void addNaviItemTypeChanged();
    void addNaviItemActionChanged();
    void canAddNaviItemChanged();
    void isBranchChanged();

protected:
    // Called by setTitle after storing a different title.
    virtual void onTitleChanged(const QString &title);

private:
    friend class LWNaviTreeModel;
    // The parent to fall back on, never this item itself.
    LWNaviTreeItem *fallbackParent() const;

    QPointer<LWNaviTreeModel> m_shownBy; // set on a root by the model showing it

    QObject *m_owner = nullptr;                              // not owned
    LWSceneViewModel *m_sceneViewModel = nullptr;            // not owned
    std::shared_ptr<LWQmlViewModel> m_inspectorViewModel;    // shared with the controller
    std::shared_ptr<QObject> m_context;                      // shared by the branch
    QObject *m_branchObject = nullptr;                       // not owned
    QString m_title;
    bool m_checked = true;
    QVariantList m_subItems;
    QVariantList m_addNaviItems;
    QString m_naviItemIcon;
    bool m_naviItemEditing = false;
    bool m_canAddNaviItem = false;
    QString m_addNaviItemAction;
    int m_addNaviItemType = -1;
    bool m_isBranch = false;
    int m_resourceFilter = kResourceFilterInherit;
};
