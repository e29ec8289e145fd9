#include "LWImageLimits.h"

#include <QImageReader>

namespace LWImageLimits {

bool fits(const QSize &size)
{
    if (!size.isValid())
        return true;
    return size.width() <= kMaxSide && size.height() <= kMaxSide
           && qint64(size.width()) * size.height() <= kMaxPixels;
}

QSize declaredSize(const QString &path)
{
    QImageReader reader(path);
    return reader.size();
}

bool isOversized(const QString &path, QSize *size)
{
    const QSize declared = declaredSize(path);
    if (size)
        *size = declared;
    return !fits(declared);
}

QString limitText()
{
    return QStringLiteral("%1 x %1").arg(kMaxSide);
}

} // namespace LWImageLimits
