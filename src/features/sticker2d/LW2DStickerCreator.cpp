#include "LW2DStickerFeatureModel.h"
#include "LW2DStickerPackageCheck.h"
#include "features/LWBuiltinFeatures.h"

namespace {

// The package checks must be known before any sticker is built: a package
// is checked without opening it (lwpack check). This file is linked
// wherever the feature factory is, so its start-up runs in every program.
const bool kChecksRegistered = [] {
    LW2DStickerPackageCheck::registerChecks();
    return true;
}();

} // namespace

LWFeatureModel *lwCreate2DStickerFeature(const LWFeatureFactory::Request &request, int stickerKind)
{
    Q_UNUSED(kChecksRegistered);
    QString path = request.path;
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return new LW2DStickerFeatureModel(request.effect, request.zOrder, path, request.data, request.loadParam,
                                       stickerKind);
}
