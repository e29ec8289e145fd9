#pragma once

#include "LWPropChoiceViewModel.h"

// A choice among the project's 2D textures, drawn by the drop-down view.
// Picking applies at once (no undo step), like a resource pick.
class LWProp2DTextureOptionViewModel : public LWPropChoiceViewModel
{
    Q_OBJECT

public:
    LWProp2DTextureOptionViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                   LWQmlViewModel *parent);

    QString qmlPath() const override;
    // The chosen resource id, "__LWOptionNone" for none.
    QJsonValue value() const override { return m_selectedKey; }

protected:
    QList<Entry> resourceEntries() const override;
};
