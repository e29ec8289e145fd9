#include "LWHairColorFeature.h"
#include "features/LWBuiltinFeatures.h"

namespace {
// The factory table links this file into every program that builds
// effects, lwpack's checks included.
[[maybe_unused]] const bool kChecksAdded = (LWHairColorFeature::addPackageChecks(), true);
} // namespace

LWFeatureModel *lwCreateHairColorFeature(const LWFeatureFactory::Request &request)
{
    return new LWHairColorFeature(request);
}
