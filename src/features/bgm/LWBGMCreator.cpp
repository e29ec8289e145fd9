#include "LWBGMFeatureModel.h"
#include "features/LWBuiltinFeatures.h"

LWFeatureModel *lwCreateBGMFeature(const LWFeatureFactory::Request &request)
{
    return new LWBGMFeatureModel(request);
}
