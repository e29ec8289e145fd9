#pragma once

// Registers the online types the interface creates itself: the sign-in
// model and the QR code item (module "Glowsmith.Online 1.0"), and the
// usage-event values (LWBeaconnEventParam).
namespace LWOnlineTypes {

void registerQmlTypes();

} // namespace LWOnlineTypes
