#include "LWFeatureFactory.h"

#include "LWFeatureKind.h"

#include <QHash>

namespace LWFeatureFactory {

namespace {

// Creators set in place of a kind's own (tests bring stand-in kinds).
QHash<int, Creator> &replaced()
{
    static QHash<int, Creator> creators;
    return creators;
}

} // namespace

LWFeatureModel *create(LWEffectCommon::LWFeatureType type, const Request &request)
{
    if (const Creator creator = replaced().value(int(type), nullptr))
        return creator(request);
    const LWFeatureKind *kind = LWFeatureKinds::find(type);
    return kind && kind->create ? kind->create(request) : nullptr;
}

void setCreator(LWEffectCommon::LWFeatureType type, Creator creator)
{
    replaced().insert(int(type), creator);
}

} // namespace LWFeatureFactory
