#include "LWFeatureKind.h"

#include "package/LWPackageConfig.h"

#include <QMap>
#include <algorithm>

// Defined by the build: calls the registration of every kind folder.
void lwRegisterFeatureKindFolders();

namespace {

QMap<int, LWFeatureKind> &registry()
{
    static QMap<int, LWFeatureKind> kinds;
    return kinds;
}

// The kinds register themselves on first use, and at start-up (below) so that
// a program that only checks packages knows every kind's checks.
QMap<int, LWFeatureKind> &kinds()
{
    static const bool registered = (lwRegisterFeatureKindFolders(), true);
    Q_UNUSED(registered);
    return registry();
}

[[maybe_unused]] const bool kRegisteredAtStart = (kinds(), true);

// Types the vocabulary names without a feature class: creating one reports
// its usage event and builds nothing.
int classlessUsageEvent(LWEffectCommon::LWFeatureType type)
{
    using C = LWEffectCommon;
    switch (type) {
    case C::LWFeatureTypeModel:
    case C::LWFeatureTypeParticle:
    case C::LWFeatureTypeLight:
    case C::LWFeatureTypeCamera:
    case C::LWFeatureTypePostEffect: return 1504;
    case C::LWFeatureTypeFaceDistortionV2: return 1505;
    case C::LWFeatureTypeBodyDistortion: return 1509;
    case C::LWFeatureTypeLegDistortion: return 1508;
    case C::LWFeatureTypeMultiViewer: return 1507;
    case C::LWFeatureTypeFaceStretch: return 1512;
    default: return 0;
    }
}

} // namespace

QString LWFeatureKind::contentFileName() const
{
    return LWPackageConfig::contentFileName(packageName);
}

QString LWFeatureKind::typeKey() const
{
    return QStringLiteral("LWFeatureType") + packageName;
}

namespace LWFeatureKinds {

void add(LWFeatureKind kind)
{
    if (kind.packageName.isEmpty())
        kind.packageName = LWEffectCommon::featurePackageName(kind.type);
    if (kind.packageCheck)
        LWPackageCheck::addFeatureCheck(kind.packageName, kind.packageCheck);
    registry().insert(int(kind.type), std::move(kind));
}

const LWFeatureKind *find(LWEffectCommon::LWFeatureType type)
{
    const auto &table = kinds();
    const auto it = table.constFind(int(type));
    return it == table.cend() ? nullptr : &it.value();
}

QList<const LWFeatureKind *> all()
{
    QList<const LWFeatureKind *> list;
    for (const LWFeatureKind &kind : kinds())
        list.append(&kind);
    return list;
}

QList<const LWFeatureKind *> menuKinds()
{
    QList<const LWFeatureKind *> list;
    for (const LWFeatureKind *kind : all()) {
        if (kind->menu.label)
            list.append(kind);
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const LWFeatureKind *a, const LWFeatureKind *b) { return a->menu.order < b->menu.order; });
    return list;
}

int usageEvent(LWEffectCommon::LWFeatureType type)
{
    const LWFeatureKind *kind = find(type);
    return kind ? kind->usageEvent : classlessUsageEvent(type);
}

bool isSingleInstance(LWEffectCommon::LWFeatureType type)
{
    if (const LWFeatureKind *kind = find(type))
        return kind->singleInstance;
    // The leg distortion has no class yet but is single like the filter.
    return type == LWEffectCommon::LWFeatureTypeLegDistortion;
}

} // namespace LWFeatureKinds
