#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QVector>

// Output of the generators, relative to the assets folder given on the
// command line (a file assets/<path> becomes the resource ":/<path>").
namespace AssetIO {

void setRoot(const QString &root);
QString path(const QString &relative);

// PNG unless the name ends in .jpg; opaque images drop their alpha
// channel so the files stay small. Every PNG is 8 bits per channel: the
// resource import refuses deeper ones.
bool saveImage(const QImage &image, const QString &relative);
// Writes the image unchanged in the given format (the app icon's .ico).
bool saveImageAs(const QImage &image, const QString &relative, const char *format);
bool saveText(const QByteArray &text, const QString &relative);

// "x y" per line in pixels, one decimal.
QByteArray pointLines(const QVector<QPointF> &points, int decimals = 1);

QImage canvas(int width, int height, const QColor &fill = Qt::transparent);

} // namespace AssetIO
