#pragma once

#include <QJsonValue>
#include <QString>

// What an owner may hand to the root of its inspector so that nodes can ask
// for values that are not in the bound data (check sections ask for the
// owner's uniform definitions, for example).
class LWQmlViewDataSource
{
public:
    virtual ~LWQmlViewDataSource();
    virtual QJsonValue value(QString dataId) = 0;
    virtual void dataChanged(QString id, QJsonValue value, QJsonValue previous);
};
