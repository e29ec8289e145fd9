#pragma once

// The frames the benchmarks work on, drawn the same way everywhere so that
// their figures compare.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QString>

namespace LWBenchFrames {

// Frames that compress like real artwork: soft shading, shapes, some grain.
inline QImage frame(int size, int index)
{
    QImage image(size, size, QImage::Format_ARGB32);
    QRandomGenerator random(quint32(index) + 1);
    for (int y = 0; y < size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const int grain = int(random.bounded(24));
            line[x] = qRgba((x + index * 3) % 256, (y + grain) % 256, (x + y) / 4 % 256, 255);
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor::fromHsv(index * 7 % 360, 200, 230));
    painter.drawEllipse(QPointF(size / 2.0, size / 2.0), size / 4.0 + index % 40, size / 5.0);
    return image;
}

// count frames "frame_000.png" ... of size x size into folder; 0 on success.
inline int make(const QString &folder, int count, int size)
{
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        const QString path = QStringLiteral("%1/frame_%2.png").arg(folder).arg(i, 3, 10, QLatin1Char('0'));
        if (!frame(size, i).save(path, "PNG"))
            return 1;
    }
    return 0;
}

} // namespace LWBenchFrames
