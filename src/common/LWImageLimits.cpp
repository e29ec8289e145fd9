#include "LWImageLimits.h"

#include <QFile>
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
    QSize size = reader.size();
    // The GIF reader answers with its first frame's size, but every frame
    // is decoded onto the logical screen the header declares.
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray header = file.read(10);
        if (header.size() == 10 && (header.startsWith("GIF87a") || header.startsWith("GIF89a"))) {
            const auto le16 = [&header](int at) { return int(uchar(header.at(at))) | int(uchar(header.at(at + 1))) << 8; };
            const QSize screen(le16(6), le16(8));
            size = size.isValid() ? size.expandedTo(screen) : screen;
        }
    }
    return size;
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
