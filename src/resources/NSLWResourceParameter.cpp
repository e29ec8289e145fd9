#include "NSLWResourceParameter.h"

#include <QStringList>
#include <QUuid>

namespace NSLWResourceParameter {

QString newResourceId()
{
    return QUuid::createUuid().toString(QUuid::Id128);
}

QString plainFilePathOf(const QString &sourceFilePath)
{
    static const QString kMarker = QStringLiteral("32jr3jf39");
    static const QStringList kQualities = {QStringLiteral("HighQuility"), QStringLiteral("MediumQuility"),
                                           QStringLiteral("LowQuility")};
    const QStringList parts = sourceFilePath.split(QLatin1Char('_'));
    if (parts.size() < 3)
        return sourceFilePath;
    const QString &quality = parts.at(parts.size() - 1);
    const QString &marker = parts.at(parts.size() - 2);
    if (marker != kMarker || !kQualities.contains(quality))
        return sourceFilePath;
    return sourceFilePath.left(sourceFilePath.size() - (quality.size() + marker.size() + 2));
}

} // namespace NSLWResourceParameter
