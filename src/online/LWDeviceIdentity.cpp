#include "LWDeviceIdentity.h"

#include "LWServiceProtocol.h"

#include <QNetworkInterface>

namespace LWDeviceIdentity {

QString deviceId()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &adapter : interfaces) {
        const auto flags = adapter.flags();
        if ((flags & QNetworkInterface::IsUp) && (flags & QNetworkInterface::IsRunning)
            && !(flags & QNetworkInterface::IsLoopBack))
            return LWServiceProtocol::deviceIdFromHardwareAddress(adapter.hardwareAddress());
    }
    return QString();
}

} // namespace LWDeviceIdentity
