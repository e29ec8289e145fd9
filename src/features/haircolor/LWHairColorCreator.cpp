#include "features/LWBuiltinFeatures.h"

// Replaced by the feature kind's own construction when the kind is built.
LWFeatureModel *lwCreateHairColorFeature(const LWFeatureFactory::Request &)
{
    return nullptr;
}
