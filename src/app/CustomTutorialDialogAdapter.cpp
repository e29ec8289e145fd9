#include "CustomTutorialDialogAdapter.h"

CustomTutorialDialogAdapter::CustomTutorialDialogAdapter(QObject *parent)
    : QObject(parent)
{
}

void CustomTutorialDialogAdapter::open(const CustomTutorialDialogParam &param, Callback callback)
{
    m_param = param;
    m_callback = std::move(callback);
    setNeverShowChecked(false);
    emit titleChanged();
    emit contentChanged();
    emit url_tutorialChanged();
    emit url_downloadChanged();
    emit openDialog();
}

void CustomTutorialDialogAdapter::setNeverShowChecked(bool checked)
{
    if (m_neverShowChecked == checked)
        return;
    m_neverShowChecked = checked;
    emit neverShowCheckedChanged();
}

void CustomTutorialDialogAdapter::accepted()
{
    finish(true);
}

void CustomTutorialDialogAdapter::rejected()
{
    finish(false);
}

void CustomTutorialDialogAdapter::finish(bool accepted)
{
    Callback callback = std::move(m_callback);
    m_callback = nullptr;
    const bool neverShow = m_neverShowChecked;
    setNeverShowChecked(false);
    if (callback)
        callback({accepted, neverShow});
}
