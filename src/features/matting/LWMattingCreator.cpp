#include "LWMattingFeatureModel.h"
#include "features/LWBuiltinFeatures.h"

namespace {
// The factory table links this file into every program that builds
// effects, lwpack's checks included.
[[maybe_unused]] const bool kChecksAdded = (LWMattingFeatureModel::addPackageChecks(), true);
} // namespace

LWFeatureModel *lwCreateMattingFeature(const LWFeatureFactory::Request &request)
{
    return new LWMattingFeatureModel(request);
}
