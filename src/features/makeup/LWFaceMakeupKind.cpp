#include "LWFaceMakeUpV2Model.h"
#include "LWFaceMakeupV2PackageCheck.h"
#include "features/LWFeatureKind.h"

void lwRegisterFeatureKinds_makeup()
{
    LWFeatureKind kind;
    kind.type = LWEffectCommon::LWFeatureTypeFaceMakeupV2;
    kind.templateFolder = QStringLiteral("FaceMakeupV2/");
    kind.usageEvent = 1503;
    // The menu's choice is the makeup's first filter.
    kind.menu = {QT_TRANSLATE_NOOP("LWEffectNavigator", "Makeup V2"),
                 QStringLiteral("qrc:/LWViewCommon/images/meizhuang.png"),
                 {{QT_TRANSLATE_NOOP("LWEffectNavigator", "Eyebrow"), QStringLiteral("brow")},
                  {QT_TRANSLATE_NOOP("LWEffectNavigator", "Mask"), QStringLiteral("mask")},
                  {QT_TRANSLATE_NOOP("LWEffectNavigator", "Eye"), QStringLiteral("eye_part")},
                  {QT_TRANSLATE_NOOP("LWEffectNavigator", "Pupil"), QStringLiteral("pupil")},
                  {QT_TRANSLATE_NOOP("LWEffectNavigator", "Lip V2"), QStringLiteral("lips_v2")}},
                 30,
                 {}};
    kind.profile = LWFaceMakeUpV2Model::faceProfilePath();
    kind.sceneDocument = QStringLiteral("qrc:/LWFaceMakeUpV2/LWMakeUpSceneView.qml");
    kind.packageCheck = &LWFaceMakeupV2PackageCheck::check;
    kind.create = [](const LWFeatureFactory::Request &request) -> LWFeatureModel * {
        // The pending choice belongs to a makeup made from the add menu; a
        // makeup read from a package or project brings its own filters.
        const bool fromLink = request.loadParam.bLoadFromProject || request.data.contains(QStringLiteral("type"));
        return new LWFaceMakeUpV2Model(request.effect, request.zOrder, request.path, request.data, request.loadParam,
                                       fromLink ? QString() : request.makeupChoice);
    };
    LWFeatureKinds::add(kind);
}
