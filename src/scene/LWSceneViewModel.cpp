#include "LWSceneViewModel.h"

#include "LWSceneHub.h"

LWSceneViewModel::LWSceneViewModel(QObject *parent)
    : QObject(parent)
{
    connect(this, &LWSceneViewModel::sceneViewDataChanged, LWSceneHub::instance(),
            &LWSceneHub::sceneViewDataChanged);
}

LWSceneViewModel::~LWSceneViewModel() = default;
