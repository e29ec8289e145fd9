#include "LWMattingFeatureModel.h"
#include "features/LWFeatureKind.h"

void lwRegisterFeatureKinds_matting()
{
    LWFeatureKind kind;
    kind.type = LWEffectCommon::LWFeatureTypeMatting;
    kind.templateFolder = QStringLiteral("Matting/");
    kind.usageEvent = 1513;
    kind.menu = {QT_TRANSLATE_NOOP("LWEffectNavigator", "FacePick"),
                 QStringLiteral("qrc:/LWViewCommon/images/featuresegbody.png"), {}, 50, {}};
    // A new matting is a segment part.
    kind.profile = QStringLiteral(":/LWMatting/LWMattingSegmentProfile.json");
    kind.packageCheck = &LWMattingFeatureModel::checkPackageFolder;
    kind.create = [](const LWFeatureFactory::Request &request) -> LWFeatureModel * {
        return new LWMattingFeatureModel(request);
    };
    LWFeatureKinds::add(kind);
}
