#pragma once

#include "LWSectionViewModel.h"

// A collapsible panel with a title and an icon. Inside a growable list it
// can offer to remove itself.
class LWSecPanelViewModel : public LWSectionViewModel
{
    Q_OBJECT
    Q_PROPERTY(bool hideRemoveButton READ hideRemoveButton NOTIFY hideRemoveButtonChanged)

public:
    LWSecPanelViewModel(const QJsonValue &component, const QJsonValue &data, const QJsonObject &profile,
                        LWQmlViewModel *parent);

    QString qmlPath() const override;
    bool hideRemoveButton() const { return m_hideRemoveButton; }
    Q_INVOKABLE void removeButtonClicked();

signals:
    void hideRemoveButtonChanged(bool hide);

private:
    bool m_hideRemoveButton = true;
};
