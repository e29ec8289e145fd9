#pragma once

#include <QByteArray>
#include <QList>

class QImage;

// Writes an endlessly looping animated GIF. Qt reads GIF but cannot write
// it, and the material catalogue needs animated icons. Colours go to the
// 216-colour web palette; pixels under half opacity become transparent.
namespace GifWriter {

QByteArray encode(const QList<QImage> &frames, int delayCentiseconds);

} // namespace GifWriter
