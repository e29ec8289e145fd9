#include "LWFaceMakeUpV2Model.h"
#include "LWFaceMakeupV2PackageCheck.h"
#include "features/LWBuiltinFeatures.h"

namespace {

// The package checks must be in place before any package is looked at,
// also by tools that never build a makeup; the factory table links this
// file into every program that reads packages.
const bool kChecksRegistered = (LWFaceMakeupV2PackageCheck::registerChecks(), true);

} // namespace

LWFeatureModel *lwCreateFaceMakeupFeature(const LWFeatureFactory::Request &request)
{
    Q_UNUSED(kChecksRegistered);
    LWFaceMakeupV2PackageCheck::registerChecks();
    // The pending choice belongs to a makeup made from the add menu; a
    // makeup read from a package or project brings its own filters.
    const bool fromLink = request.loadParam.bLoadFromProject || request.data.contains(QStringLiteral("type"));
    return new LWFaceMakeUpV2Model(request.effect, request.zOrder, request.path, request.data, request.loadParam,
                                   fromLink ? QString() : request.makeupChoice);
}
