#include "LWInspectorResources.h"

LWInspectorResources::~LWInspectorResources() = default;

QList<LWInspectorResourceEntry> LWInspectorResources::collectByType(int, int) const
{
    return {};
}

QString LWInspectorResources::absolutePath(const QString &) const
{
    return {};
}

QString LWInspectorResources::firstImage(const QString &) const
{
    return {};
}

int LWInspectorResources::frameCount(const QString &) const
{
    return 0;
}

qint64 LWInspectorResources::sizeOnDisk(const QString &, bool *exists) const
{
    if (exists)
        *exists = false;
    return 0;
}

QString LWInspectorResources::displayName(const QString &) const
{
    return {};
}

int LWInspectorResources::type(const QString &) const
{
    return 0;
}

bool LWInspectorResources::qualifies(const QString &, int constraint, QString *) const
{
    return constraint == 0;
}

QString LWInspectorResources::importPicked(int, const QList<QUrl> &)
{
    return {};
}

bool LWInspectorResources::pickQualifies(int, const QList<QUrl> &, int, QString *) const
{
    return true;
}
