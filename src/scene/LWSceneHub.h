#pragma once

#include "common/Singleton.h"

#include <QJsonValue>
#include <QObject>
#include <QString>

// Where every scene's sceneViewDataChanged arrives. The scenes live below
// the application layer, so they cannot reach the main window controller
// themselves; the application connects the controller here once.
class LWSceneHub : public QObject, public Singleton<LWSceneHub>
{
    Q_OBJECT
    friend class Singleton<LWSceneHub>;

public:
    using Singleton<LWSceneHub>::instance;

signals:
    void sceneViewDataChanged(QJsonValue val, QString string);

private:
    LWSceneHub() = default;
};
