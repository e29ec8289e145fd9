#include "LWFeatureFactory.h"

#include <QHash>

namespace LWFeatureFactory {

namespace {

QHash<int, Creator> &table()
{
    static QHash<int, Creator> creators = [] {
        QHash<int, Creator> builtIn;
        // The feature kinds register here as they are built.
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
