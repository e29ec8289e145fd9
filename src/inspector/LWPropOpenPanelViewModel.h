#pragma once

#include "LWPropViewModel.h"

// A row with a button that opens a pop-up panel (particle colours, model
// texture information); the panel's value is this control's value.
class LWPropOpenPanelViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(LWQmlViewModel *contentItem READ contentItem CONSTANT)
    Q_PROPERTY(int popupHeight READ popupHeight NOTIFY popupHeightChanged)

public:
    LWPropOpenPanelViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                             LWQmlViewModel *parent);

    QString qmlPath() const override;
    QJsonValue value() const override;

    LWQmlViewModel *contentItem() const { return m_content.get(); }
    int popupHeight() const { return m_content ? m_content->height() : 0; }

signals:
    void popupHeightChanged();

private:
    Ptr m_content; // owned (also a child, so owner messages reach it)
};
