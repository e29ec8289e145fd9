#include "LWBeaconnEventParam.h"

#include <QMetaEnum>

namespace {

QMetaEnum keyTable()
{
    return QMetaEnum::fromType<LWBeaconnEventParam::LWBeaconEventParamType>();
}

} // namespace

QString LWBeaconnEventParam::keyOf(int value)
{
    return QString::fromLatin1(keyTable().valueToKey(value));
}

int LWBeaconnEventParam::valueOf(const QString &key)
{
    bool ok = false;
    const int value = keyTable().keyToValue(key.toLatin1().constData(), &ok);
    return ok ? value : -1;
}
