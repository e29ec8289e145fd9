#include "LWMakeupV2SceneViewModel.h"

LWMakeupV2SceneViewModel::LWMakeupV2SceneViewModel(Source *source, QObject *parent)
    : LWSceneViewModel(parent)
    , m_source(source)
{
}

QObjectList LWMakeupV2SceneViewModel::listFilterObject()
{
    if (!m_source)
        return {};
    const QString pupil = m_source->scenePupilPath();
    if (pupil != m_pupilFilterPath) {
        m_pupilFilterPath = pupil;
        emit pupilFilterPathChanged();
    }
    return m_source->sceneFilters();
}

int LWMakeupV2SceneViewModel::standardFaceWidth() const
{
    return m_source ? m_source->sceneStandardFaceWidth() : 0;
}

void LWMakeupV2SceneViewModel::setFilterChecked(bool checked)
{
    if (checked == m_filterChecked)
        return;
    m_filterChecked = checked;
    emit filterCheckedChanged();
}

void LWMakeupV2SceneViewModel::notifyFilterListChanged()
{
    emit listFilterObjectChanged();
    // The standard face comes with the makeup document, which is read
    // after the scene exists; its filters announce themselves once it is.
    emit standardFaceWidthChanged();
}
