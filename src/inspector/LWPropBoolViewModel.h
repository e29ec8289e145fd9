#pragma once

#include "LWPropViewModel.h"

// A check box.
class LWPropBoolViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(bool checked READ checked WRITE setChecked NOTIFY checkedChanged)
    Q_PROPERTY(bool visible READ visible NOTIFY visibleChanged)

public:
    using UndoValue = bool;

    LWPropBoolViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                        LWQmlViewModel *parent);

    QString qmlPath() const override;
    QJsonValue value() const override { return m_checked; }

    bool checked() const { return m_checked; }
    void setChecked(bool checked);
    bool visible() const { return m_visible; }

    UndoValue undoValue() const { return m_checked; }
    void applyUndoValue(bool checked);

signals:
    void checkedChanged(bool checked);
    void visibleChanged();

private:
    bool m_checked = false;
    bool m_visible = true;
};
