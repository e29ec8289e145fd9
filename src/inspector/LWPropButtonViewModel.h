#pragma once

#include "LWPropViewModel.h"

// A toggle button whose state is a bool.
class LWPropButtonViewModel : public LWPropViewModel
{
    Q_OBJECT
    Q_PROPERTY(bool status READ status WRITE setStatus NOTIFY statusChanged)

public:
    using UndoValue = bool;

    LWPropButtonViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                          LWQmlViewModel *parent);

    QString qmlPath() const override;
    QJsonValue value() const override { return m_status; }

    bool status() const { return m_status; }
    void setStatus(bool status);

    UndoValue undoValue() const { return m_status; }
    void applyUndoValue(bool status);

signals:
    void statusChanged(bool status);

private:
    bool m_status = false;
};
