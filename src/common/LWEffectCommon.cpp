#include "LWEffectCommon.h"

#include <QMetaEnum>

namespace {

const char kFeaturePrefix[] = "LWFeatureType";

template <typename E>
int valueFromKey(const QString &key)
{
    const QMetaEnum meta = QMetaEnum::fromType<E>();
    bool ok = false;
    const int value = meta.keyToValue(key.toUtf8().constData(), &ok);
    return ok ? value : -1;
}

template <typename E>
QString keyFromValue(E value)
{
    return QString::fromLatin1(QMetaEnum::fromType<E>().valueToKey(int(value)));
}

} // namespace

int LWEffectCommon::featureTypeFromKey(const QString &key)
{
    // QMetaEnum also accepts scoped and numeric spellings; only the plain
    // key is a key here.
    if (!key.startsWith(QLatin1String(kFeaturePrefix)))
        return -1;
    return valueFromKey<LWFeatureType>(key);
}

QString LWEffectCommon::featureTypeKey(LWFeatureType type)
{
    return keyFromValue(type);
}

QString LWEffectCommon::featurePackageName(LWFeatureType type)
{
    return packageNameFromKey(featureTypeKey(type));
}

QString LWEffectCommon::packageNameFromKey(const QString &key)
{
    QString name = key;
    return name.replace(QLatin1String(kFeaturePrefix), QString(), Qt::CaseSensitive);
}

int LWEffectCommon::featureTypeFromPackageName(const QString &packageName)
{
    const QString name = packageName == QLatin1String("multi_view") ? QStringLiteral("MultiViewer")
                                                                     : packageName;
    return featureTypeFromKey(QLatin1String(kFeaturePrefix) + name);
}

int LWEffectCommon::resourceTypeFromKey(const QString &key)
{
    return valueFromKey<LWResourceType>(key);
}

QString LWEffectCommon::resourceTypeKey(LWResourceType type)
{
    return keyFromValue(type);
}

int LWEffectCommon::constraintTypeFromKey(const QString &key)
{
    return valueFromKey<LWConstraintType>(key);
}

QString LWEffectCommon::constraintTypeKey(LWConstraintType type)
{
    return keyFromValue(type);
}
