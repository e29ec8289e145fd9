#include "LWFilterModel.h"
#include "features/LWFeatureKind.h"

void lwRegisterFeatureKinds_filter()
{
    LWFeatureKind kind;
    kind.type = LWEffectCommon::LWFeatureTypeFilter;
    kind.templateFolder = QStringLiteral("Filter/");
    kind.usageEvent = 1502;
    kind.singleInstance = true;
    kind.menu = {QT_TRANSLATE_NOOP("LWEffectNavigator", "Filter"),
                 QStringLiteral("qrc:/LWViewCommon/images/featureFilter.png"), {}, 20, {}};
    kind.profile = QStringLiteral(":/LWFilter/LWFilterProfile.json");
    kind.sceneDocument = QStringLiteral("qrc:/LWFilter/LWFilterSceneView.qml");
    kind.packageCheck = &LWFilterModel::checkPackageFolder;
    kind.create = [](const LWFeatureFactory::Request &request) -> LWFeatureModel * { return new LWFilterModel(request); };
    LWFeatureKinds::add(kind);
}
