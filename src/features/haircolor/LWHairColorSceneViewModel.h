#pragma once

#include "scene/LWSceneViewModel.h"

#include <QString>

// The scene of a hair colour: the filter's backdrop with a standard face of
// its own. Like the filter scene it only names its document.
class LWHairColorSceneViewModel : public LWSceneViewModel
{
    Q_OBJECT

public:
    using LWSceneViewModel::LWSceneViewModel;

    QString qmlPath() const override { return QStringLiteral("qrc:/LWHairColor/LWHairColorSceneView.qml"); }
};
