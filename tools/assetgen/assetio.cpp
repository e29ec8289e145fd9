#include "assetio.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>

namespace AssetIO {

namespace {
QString g_root;

bool isOpaque(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return true;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return false;
        }
    }
    return true;
}

bool fail(const QString &file, const QString &why)
{
    QTextStream(stderr) << "assetgen: cannot write " << file << ": " << why << "\n";
    return false;
}
} // namespace

void setRoot(const QString &root)
{
    g_root = root;
}

QString path(const QString &relative)
{
    return g_root + QLatin1Char('/') + relative;
}

bool saveImage(const QImage &image, const QString &relative)
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    const bool jpeg = relative.endsWith(QLatin1String(".jpg"));
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    if (jpeg || isOpaque(out))
        out = out.convertToFormat(QImage::Format_RGB888);
    QImageWriter writer(file, jpeg ? "jpg" : "png");
    if (jpeg)
        writer.setQuality(92);
    else
        writer.setCompression(100); // Qt maps 0..100 onto zlib levels 0..9
    if (!writer.write(out))
        return fail(file, writer.errorString());
    return true;
}

bool saveImageAs(const QImage &image, const QString &relative, const char *format)
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QImageWriter writer(file, format);
    if (!writer.write(image))
        return fail(file, writer.errorString());
    return true;
}

bool saveText(const QByteArray &text, const QString &relative)
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit())
        return fail(file, out.errorString());
    return true;
}

QByteArray pointLines(const QVector<QPointF> &points, int decimals)
{
    QByteArray text;
    for (const QPointF &p : points)
        text += QByteArray::number(p.x(), 'f', decimals) + ' ' + QByteArray::number(p.y(), 'f', decimals) + '\n';
    return text;
}

QImage canvas(int width, int height, const QColor &fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

} // namespace AssetIO
