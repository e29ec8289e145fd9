#include "LWOnlineTypes.h"

#include "LWBeaconnEventParam.h"
#include "LWLoginModel.h"
#include "LWQrCodeItem.h"

#include <QQmlEngine>

namespace LWOnlineTypes {

void registerQmlTypes()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    qmlRegisterType<LWLoginModel>("Glowsmith.Online", 1, 0, "LWLoginModel");
    qmlRegisterType<LWQrCodeItem>("Glowsmith.Online", 1, 0, "LWQrCode");
    qmlRegisterUncreatableMetaObject(LWBeaconnEventParam::staticMetaObject, "Glowsmith.Online", 1, 0,
                                     "LWBeaconnEventParam", QStringLiteral("usage-event values only"));
}

} // namespace LWOnlineTypes
