#pragma once

#include "common/Singleton.h"

#include <QJsonValue>
#include <QObject>
#include <QString>
#include <memory>

class LWInspectorResources;

// The inspector's one seam to the rest of the editor. Nodes announce their
// committed edits here and hear the editor's broadcasts from here; the
// application connects the announcement to the main window controller and
// relays the controller's signals, and installs the resource library. Keeps the engine free of the application layer.
class LWInspectorHub : public QObject, public Singleton<LWInspectorHub>
{
    Q_OBJECT
    friend class Singleton<LWInspectorHub>;

public:
    using Singleton<LWInspectorHub>::instance;

    // Never null: without an installed one an empty library answers.
    LWInspectorResources *resources() const;
    // Takes ownership; null puts the empty library back.
    void setResources(std::unique_ptr<LWInspectorResources> resources);

public slots:
    // Every node's qmlViewDataChanged() lands here.
    void announceInspectorDataChanged();

signals:
    // A committed edit, undo or redo: the owner should pull the tree's value.
    void inspectorDataChanged();
    // Relayed from the controller: a scene handle moved a value.
    void sceneViewDataChanged(QJsonValue value, QString key);
    // Relayed from the controller: resources of a type (8: all) changed.
    void resourceModelDataChanged(int type);
    void resLibDataChanged();

private:
    LWInspectorHub();
    ~LWInspectorHub() override;

    std::unique_ptr<LWInspectorResources> m_resources; // owned
};
