#pragma once

#include <QJsonValue>
#include <QString>

// A hidden value: a member of the owner's data that the panel does not show
// but that must come back unchanged in the assembled value. A member the
// data lacks is created from the component's "defaultValue".
class LWViewData
{
public:
    LWViewData(const QString &id, const QJsonValue &component, const QJsonValue &value);
    virtual ~LWViewData() = default;

    QString id() const { return m_id; }
    const QJsonValue &component() const { return m_component; }
    virtual QJsonValue value() const { return m_value; }

private:
    QString m_id;
    QJsonValue m_component;
    QJsonValue m_value;
};
