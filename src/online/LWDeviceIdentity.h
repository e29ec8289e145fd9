#pragma once

#include <QString>

// The identifier of this machine in every online request: derived from the
// hardware address of the first active network adapter (see
// LWServiceProtocol::deviceIdFromHardwareAddress).
namespace LWDeviceIdentity {

QString deviceId();

} // namespace LWDeviceIdentity
