#include "lut.h"

#include <QtMath>

#include <algorithm>

namespace Lut {

namespace {
int to8(double v)
{
    return qRound(std::clamp(v, 0.0, 1.0) * 255);
}
} // namespace

QImage draw(const Grade &grade)
{
    QImage image(size, size, QImage::Format_RGB32);
    for (int b = 0; b < levels; ++b) {
        const int ox = (b % 8) * tile, oy = (b / 8) * tile;
        for (int g = 0; g < levels; ++g) {
            QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(oy + g)) + ox;
            for (int r = 0; r < levels; ++r) {
                double cr = r / 63.0, cg = g / 63.0, cb = b / 63.0;
                if (grade)
                    grade(cr, cg, cb);
                line[r] = qRgb(to8(cr), to8(cg), to8(cb));
            }
        }
    }
    return image;
}

QImage identity()
{
    return draw(nullptr);
}

} // namespace Lut
