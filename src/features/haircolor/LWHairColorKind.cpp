#include "LWHairColorFeature.h"
#include "features/LWFeatureKind.h"

void lwRegisterFeatureKinds_haircolor()
{
    LWFeatureKind kind;
    kind.type = LWEffectCommon::LWFeatureTypeHairColor;
    kind.usageEvent = 1510;
    kind.menu = {QT_TRANSLATE_NOOP("LWEffectNavigator", "HairColor"),
                 QStringLiteral("qrc:/LWViewCommon/images/featurehaircolor.png"), {}, 40, {}};
    kind.profile = QStringLiteral(":/LWHairColor/LWHairColorProfile.json");
    kind.sceneDocument = QStringLiteral("qrc:/LWHairColor/LWHairColorSceneView.qml");
    kind.packageCheck = &LWHairColorFeature::checkPackageFolder;
    kind.create = [](const LWFeatureFactory::Request &request) -> LWFeatureModel * {
        return new LWHairColorFeature(request);
    };
    LWFeatureKinds::add(kind);
}
