#include "LWFilterModel.h"
#include "features/LWBuiltinFeatures.h"

namespace {
// The factory table links this file into every program that builds
// effects, lwpack's checks included.
[[maybe_unused]] const bool kChecksAdded = (LWFilterModel::addPackageChecks(), true);
} // namespace

LWFeatureModel *lwCreateFilterFeature(const LWFeatureFactory::Request &request)
{
    return new LWFilterModel(request);
}
