#include "features/LWBuiltinFeatures.h"

// Replaced by the feature kind's own construction when the kind is built.
LWFeatureModel *lwCreate2DStickerFeature(const LWFeatureFactory::Request &, int)
{
    return nullptr;
}
