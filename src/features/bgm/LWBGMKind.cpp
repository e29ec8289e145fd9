#include "LWBGMFeatureModel.h"
#include "features/LWFeatureKind.h"

void lwRegisterFeatureKinds_bgm()
{
    LWFeatureKind kind;
    kind.type = LWEffectCommon::LWFeatureTypeBGM;
    kind.usageEvent = 1511;
    // The music lives in the effect document, not in a folder of its own,
    // which holds one record: a second music would be lost on saving.
    kind.effectRecordKey = QStringLiteral("bgm");
    kind.singleInstance = true;
    // Offered after the other kinds, so an author can add music without a
    // template or a package.
    kind.menu = {QT_TRANSLATE_NOOP("LWEffectNavigator", "Background Music"),
                 QStringLiteral("qrc:/LWViewCommon/images/featurebgm.png"), {}, 60, {}};
    kind.profile = QStringLiteral(":/LWBGM/LWBGMProfile.json");
    kind.create = [](const LWFeatureFactory::Request &request) -> LWFeatureModel * {
        return new LWBGMFeatureModel(request);
    };
    LWFeatureKinds::add(kind);
}
