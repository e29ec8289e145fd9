#include "LWImageLimits.h"

#include <QFile>
#include <QImageReader>

#include <limits>

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
    // Frames are checked one by one, a folder of hundreds at each import:
    // the header alone answers for PNG (the size a decoder uses is the
    // first chunk's) and GIF, one small read on one opening.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return QImageReader(path).size();
    const QByteArray header = file.read(24);
    const auto be32 = [&header](int at) {
        return qint64(uchar(header.at(at))) << 24 | qint64(uchar(header.at(at + 1))) << 16
               | qint64(uchar(header.at(at + 2))) << 8 | qint64(uchar(header.at(at + 3)));
    };
    if (header.size() == 24 && header.startsWith("\x89PNG\r\n\x1a\n") && header.mid(12, 4) == "IHDR") {
        const qint64 width = be32(16), height = be32(20);
        // Beyond what QSize holds, and far beyond any limit: report it as
        // the largest size, which no limit lets through.
        const auto side = [](qint64 value) { return int(qMin<qint64>(value, std::numeric_limits<int>::max())); };
        return QSize(side(width), side(height));
    }
    file.close();
    QImageReader reader(path);
    QSize size = reader.size();
    // The GIF reader answers with its first frame's size, but every frame
    // is decoded onto the logical screen the header declares.
    if (header.size() >= 10 && (header.startsWith("GIF87a") || header.startsWith("GIF89a"))) {
        const auto le16 = [&header](int at) { return int(uchar(header.at(at))) | int(uchar(header.at(at + 1))) << 8; };
        const QSize screen(le16(6), le16(8));
        size = size.isValid() ? size.expandedTo(screen) : screen;
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
