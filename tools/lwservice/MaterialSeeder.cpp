#include "MaterialSeeder.h"

#include "Database.h"
#include "FileStore.h"
#include "GifWriter.h"
#include "ZipWriter.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

const QColor kAccent(0xff, 0x7a, 0x45);
const QColor kLight(0xe8, 0xe9, 0xee);
const QColor kPink(0xff, 0x5c, 0x8a);
const QColor kSky(0x5c, 0xc8, 0xff);

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return bytes;
}

QPainterPath star(const QPointF &centre, double outer, double inner, int points, double turn)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double radius = i % 2 ? inner : outer;
        const double angle = turn + M_PI * i / points - M_PI / 2;
        const QPointF p(centre.x() + radius * qCos(angle), centre.y() + radius * qSin(angle));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heart(const QPointF &centre, double size)
{
    QPainterPath path;
    const double s = size / 2;
    path.moveTo(centre.x(), centre.y() + s);
    path.cubicTo(centre.x() - 1.6 * s, centre.y() - 0.1 * s, centre.x() - 0.9 * s, centre.y() - 1.3 * s,
                 centre.x(), centre.y() - 0.55 * s);
    path.cubicTo(centre.x() + 0.9 * s, centre.y() - 1.3 * s, centre.x() + 1.6 * s, centre.y() - 0.1 * s,
                 centre.x(), centre.y() + s);
    return path;
}

QList<QImage> sparkleFrames()
{
    QList<QImage> frames;
    for (int f = 0; f < 12; ++f) {
        QImage image = canvas(160, 160);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const double pulse = 0.75 + 0.25 * qSin(2 * M_PI * f / 12);
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawPath(star(QPointF(80, 80), 70 * pulse, 16 * pulse, 4, 2 * M_PI * f / 48));
        p.setBrush(kLight);
        p.drawPath(star(QPointF(128, 36), 16 * (1.5 - pulse), 4, 4, 0));
        p.drawPath(star(QPointF(34, 124), 12 * pulse, 3, 4, 0));
        frames.append(image);
    }
    return frames;
}

QList<QImage> heartFrames()
{
    QList<QImage> frames;
    for (int f = 0; f < 10; ++f) {
        QImage image = canvas(160, 160);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const double beat = 1.0 + 0.18 * qMax(0.0, qSin(2 * M_PI * f / 10));
        p.setPen(QPen(kLight, 4));
        p.setBrush(kPink);
        p.drawPath(heart(QPointF(80, 86), 96 * beat));
        frames.append(image);
    }
    return frames;
}

QList<QImage> bubbleFrames()
{
    QList<QImage> frames;
    const QPointF seeds[] = {{30, 0.0}, {70, 0.35}, {110, 0.7}, {135, 0.15}, {52, 0.55}};
    for (int f = 0; f < 12; ++f) {
        QImage image = canvas(160, 160);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        for (const QPointF &seed : seeds) {
            const double phase = std::fmod(seed.y() + f / 12.0, 1.0);
            const double y = 150 - phase * 140;
            const double r = 6 + 12 * phase;
            p.setPen(QPen(kSky, 3));
            p.setBrush(QColor(kSky.red(), kSky.green(), kSky.blue(), 90));
            p.drawEllipse(QPointF(seed.x(), y), r, r);
        }
        frames.append(image);
    }
    return frames;
}

QImage sunburst()
{
    QImage image = canvas(256, 256);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    for (int i = 0; i < 16; ++i) {
        QPainterPath ray;
        const double a = 2 * M_PI * i / 16;
        ray.moveTo(128 + 40 * qCos(a - 0.12), 128 + 40 * qSin(a - 0.12));
        ray.lineTo(128 + 124 * qCos(a), 128 + 124 * qSin(a));
        ray.lineTo(128 + 40 * qCos(a + 0.12), 128 + 40 * qSin(a + 0.12));
        p.drawPath(ray);
    }
    p.setBrush(QColor(0xff, 0xc2, 0x4a));
    p.drawEllipse(QPointF(128, 128), 46, 46);
    return image;
}

QImage catEars()
{
    QImage image = canvas(320, 160);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int side = 0; side < 2; ++side) {
        const double x = side ? 240 : 80;
        const double lean = side ? 18 : -18;
        QPainterPath outer;
        outer.moveTo(x - 62, 150);
        outer.lineTo(x + lean, 12);
        outer.lineTo(x + 62, 150);
        outer.closeSubpath();
        p.setPen(QPen(kLight, 4));
        p.setBrush(QColor(0x3a, 0x3c, 0x46));
        p.drawPath(outer);
        QPainterPath inner;
        inner.moveTo(x - 34, 140);
        inner.lineTo(x + lean * 0.7, 50);
        inner.lineTo(x + 34, 140);
        inner.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kPink);
        p.drawPath(inner);
    }
    return image;
}

QImage starGlasses()
{
    QImage image = canvas(320, 128);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kLight, 6));
    p.setBrush(QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 200));
    p.drawPath(star(QPointF(90, 64), 58, 28, 5, 0));
    p.drawPath(star(QPointF(230, 64), 58, 28, 5, 0));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(130, 52), QPointF(190, 52));
    return image;
}

QImage iconOf(const QImage &image)
{
    QImage icon = canvas(MaterialSeeder::kIconSize, MaterialSeeder::kIconSize);
    QPainter p(&icon);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage scaled = image.scaled(icon.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawImage((icon.width() - scaled.width()) / 2, (icon.height() - scaled.height()) / 2, scaled);
    return icon;
}

} // namespace

MaterialSeeder::MaterialSeeder(const ServiceContext &context)
    : m_context(context)
{
}

bool MaterialSeeder::seedIfEmpty()
{
    if (m_context.db->value(QStringLiteral("SELECT COUNT(*) FROM materials")).toInt() > 0)
        return true;
    return addSequence(QStringLiteral("sparkle"), sparkleFrames(), 0)
        && addSequence(QStringLiteral("heartbeat"), heartFrames(), 1)
        && addSequence(QStringLiteral("bubbles"), bubbleFrames(), 2)
        && addImage(QStringLiteral("sunburst"), sunburst(), 3)
        && addImage(QStringLiteral("cat_ears"), catEars(), 4)
        && addImage(QStringLiteral("star_glasses"), starGlasses(), 5);
}

bool MaterialSeeder::addSequence(const QString &name, const QList<QImage> &frames, int position)
{
    // One folder named after the material, frames numbered the way the
    // editor numbers imported sequences.
    QList<QPair<QString, QByteArray>> entries{{name + QLatin1Char('/'), QByteArray()}};
    QList<QImage> icons;
    for (int i = 0; i < frames.size(); ++i) {
        entries.append({QStringLiteral("%1/%1_%2.png").arg(name).arg(i, 3, 10, QLatin1Char('0')), pngBytes(frames.at(i))});
        icons.append(iconOf(frames.at(i)));
    }
    bool ok = false;
    const QByteArray zip = ZipWriter::build(entries, &ok);
    const QByteArray gif = GifWriter::encode(icons, 8);
    const QString file = name + QStringLiteral(".zip");
    const QString icon = name + QStringLiteral("_icon.gif");
    return ok && FileStore::write(m_context.files->publicPath(QStringLiteral("materials"), file), zip)
        && FileStore::write(m_context.files->publicPath(QStringLiteral("materials"), icon), gif)
        && record(1, name, file, icon, zip.size(), position);
}

bool MaterialSeeder::addImage(const QString &name, const QImage &image, int position)
{
    const QByteArray png = pngBytes(image);
    const QString file = name + QStringLiteral(".png");
    const QString icon = name + QStringLiteral("_icon.png");
    return !png.isEmpty() && FileStore::write(m_context.files->publicPath(QStringLiteral("materials"), file), png)
        && FileStore::write(m_context.files->publicPath(QStringLiteral("materials"), icon), pngBytes(iconOf(image)))
        && record(0, name, file, icon, png.size(), position);
}

bool MaterialSeeder::record(int type, const QString &name, const QString &file, const QString &icon, qint64 size,
                            int position)
{
    return m_context.db->run(QStringLiteral("INSERT INTO materials (type, name, file, icon, size, position) VALUES (?, ?, ?, ?, ?, ?)"),
                             {type, name, file, icon, size, position});
}
