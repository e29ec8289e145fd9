#pragma once

#include "scene/LWSceneViewModel.h"

#include <QString>

// The scene of a LUT filter: a fixed backdrop with the standard face over
// it. The view needs nothing from the filter but the document to load.
class LWFilterSceneViewModel : public LWSceneViewModel
{
    Q_OBJECT

public:
    using LWSceneViewModel::LWSceneViewModel;

    QString qmlPath() const override { return QStringLiteral("qrc:/LWFilter/LWFilterSceneView.qml"); }
};
