#pragma once

#include <QSize>
#include <QString>

// The largest picture the camera's effect engine takes as a texture. Import,
// GIF import and the package check all hold images against this, reading
// only the image header, so an oversized picture is refused before anything
// decodes it in full.
namespace LWImageLimits {

constexpr int kMaxSide = 4096;                        // pixels, either side
constexpr qint64 kMaxPixels = qint64(kMaxSide) * kMaxSide; // 16 Mpx

// Whether a picture of this size can be used; an invalid size passes (the
// file is no picture the header reader knows, and is judged elsewhere).
bool fits(const QSize &size);

// The size the header of an image file declares (for a GIF, its canvas);
// invalid when it cannot be read.
QSize declaredSize(const QString &path);

// True when the file's header declares a size over the limit.
bool isOversized(const QString &path, QSize *size = nullptr);

// "4096 x 4096"
QString limitText();

} // namespace LWImageLimits
