#include "LWQmlViewDataSource.h"

LWQmlViewDataSource::~LWQmlViewDataSource() = default;

void LWQmlViewDataSource::dataChanged(QString, QJsonValue, QJsonValue)
{
}
