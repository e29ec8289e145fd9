#include "LWFeatureFactory.h"

#include "LWBuiltinFeatures.h"

#include <QHash>

namespace LWFeatureFactory {

namespace {

QHash<int, Creator> &table()
{
    static QHash<int, Creator> creators = [] {
        using C = LWEffectCommon;
        QHash<int, Creator> builtIn;
        builtIn.insert(C::LWFeatureType2DSticker, [](const Request &r) { return lwCreate2DStickerFeature(r, 1); });
        builtIn.insert(C::LWFeatureType2DStickerV2, [](const Request &r) { return lwCreate2DStickerFeature(r, 0); });
        builtIn.insert(C::LWFeatureTypeFaceMakeupV2, &lwCreateFaceMakeupFeature);
        builtIn.insert(C::LWFeatureTypeFilter, &lwCreateFilterFeature);
        builtIn.insert(C::LWFeatureTypeHairColor, &lwCreateHairColorFeature);
        builtIn.insert(C::LWFeatureTypeMatting, &lwCreateMattingFeature);
        builtIn.insert(C::LWFeatureTypeBGM, &lwCreateBGMFeature);
        return builtIn;
    }();
    return creators;
}

} // namespace

LWFeatureModel *create(LWEffectCommon::LWFeatureType type, const Request &request)
{
    const Creator creator = table().value(int(type), nullptr);
    return creator ? creator(request) : nullptr;
}

void setCreator(LWEffectCommon::LWFeatureType type, Creator creator)
{
    table().insert(int(type), creator);
}

} // namespace LWFeatureFactory
