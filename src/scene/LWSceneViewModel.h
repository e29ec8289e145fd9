#pragma once

#include <QJsonValue>
#include <QObject>
#include <QString>

class LWNaviTreeItem;

// The scene shown in the middle of the editor for the selected tree item.
// The interface loads the document named by qmlPath and hands it this
// object; each feature kind has its own subclass. What a scene reports
// back with sceneViewDataChanged reaches the main window controller through
// LWSceneHub.
class LWSceneViewModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString qmlPath READ qmlPath NOTIFY qmlPathChanged)
    Q_PROPERTY(bool is3DScene READ is3DScene NOTIFY is3DSceneChanged)

public:
    explicit LWSceneViewModel(QObject *parent = nullptr);
    ~LWSceneViewModel() override;

    virtual QString qmlPath() const { return QString(); }
    virtual bool is3DScene() const { return false; }

    // The item was selected in the tree while this scene is shown: bring
    // it into view (a sticker part becomes the selected part).
    virtual void focusItem(LWNaviTreeItem *) {}

signals:
    void qmlPathChanged(QString path);
    void is3DSceneChanged(bool is3D);
    void sceneViewDataChanged(QJsonValue val, QString string);
};
