#include "LWBGMFeatureModel.h"
#include "features/LWFeatureKind.h"

void lwRegisterFeatureKinds_bgm()
{
    LWFeatureKind kind;
    kind.type = LWEffectCommon::LWFeatureTypeBGM;
    kind.usageEvent = 1511;
    // The music lives in the effect document, not in a folder of its own.
    kind.effectRecordKey = QStringLiteral("bgm");
    kind.profile = QStringLiteral(":/LWBGM/LWBGMProfile.json");
    kind.create = [](const LWFeatureFactory::Request &request) -> LWFeatureModel * {
        return new LWBGMFeatureModel(request);
    };
    LWFeatureKinds::add(kind);
}
