#include "LW2DStickerFeatureModel.h"
#include "LW2DStickerPackageCheck.h"
#include "features/LWFeatureKind.h"

namespace {

// Two kinds share the class: the sticker of the add menu and its second
// version, which only packages bring.
LWFeatureKind stickerKind(LWEffectCommon::LWFeatureType type, int stickerKind)
{
    LWFeatureKind kind;
    kind.type = type;
    kind.templateFolder = LWEffectCommon::featurePackageName(type) + QLatin1Char('/');
    kind.profile = LW2DStickerFeatureModel::profilePath();
    kind.sceneDocument = QStringLiteral("qrc:/LW2DSticker/LW2DStickerSceneView.qml");
    kind.packageCheck = &LW2DStickerPackageCheck::check;
    kind.create = [stickerKind](const LWFeatureFactory::Request &request) -> LWFeatureModel * {
        QString path = request.path;
        if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
            path += QLatin1Char('/');
        return new LW2DStickerFeatureModel(request.effect, request.zOrder, path, request.data, request.loadParam,
                                           stickerKind);
    };
    return kind;
}

} // namespace

void lwRegisterFeatureKinds_sticker2d()
{
    LWFeatureKind sticker = stickerKind(LWEffectCommon::LWFeatureType2DSticker, 1);
    sticker.usageEvent = 1501;
    // The first part is made while the menu's state is set.
    sticker.menu = {QT_TRANSLATE_NOOP("LWEffectNavigator", "2D Sticker"),
                    QStringLiteral("qrc:/LWViewCommon/images/2dFeature.png"), {}, 10, QStringLiteral("2DSticker")};
    LWFeatureKinds::add(sticker);

    LWFeatureKind second = stickerKind(LWEffectCommon::LWFeatureType2DStickerV2, 0);
    second.usageEvent = 1506;
    LWFeatureKinds::add(second);
}
