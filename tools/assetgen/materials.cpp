#include "materials.h"

#include "GifWriter.h"
#include "ZipWriter.h"

#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QTextStream>
#include <QtMath>

namespace Materials {

namespace {

constexpr int kFrameSize = 256;
constexpr int kIconSize = 96;

const QColor kAccent(0xff, 0x7a, 0x45);
const QColor kGold(0xff, 0xc2, 0x4a);
const QColor kLight(0xf4, 0xf1, 0xea);
const QColor kPink(0xff, 0x5c, 0x8a);
const QColor kSky(0x5c, 0xc8, 0xff);
const QColor kInk(0x3a, 0x3c, 0x46);

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QColor alpha(QColor colour, int value)
{
    colour.setAlpha(value);
    return colour;
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
    path.cubicTo(centre.x() - 1.6 * s, centre.y() - 0.1 * s, centre.x() - 0.9 * s, centre.y() - 1.3 * s, centre.x(),
                 centre.y() - 0.55 * s);
    path.cubicTo(centre.x() + 0.9 * s, centre.y() - 1.3 * s, centre.x() + 1.6 * s, centre.y() - 0.1 * s, centre.x(),
                 centre.y() + s);
    return path;
}

// A four-pointed glint that turns and pulses, with two small companions.
QList<QImage> sparkleFrames()
{
    QList<QImage> frames;
    const QPointF centre(kFrameSize / 2.0, kFrameSize / 2.0);
    for (int f = 0; f < 12; ++f) {
        QImage image = canvas(kFrameSize, kFrameSize);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const double pulse = 0.75 + 0.25 * qSin(2 * M_PI * f / 12);
        QRadialGradient glow(centre, 120 * pulse);
        glow.setColorAt(0, alpha(kGold, 150));
        glow.setColorAt(1, alpha(kGold, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, 120 * pulse, 120 * pulse);
        p.setBrush(kAccent);
        p.drawPath(star(centre, 110 * pulse, 24 * pulse, 4, 2 * M_PI * f / 48));
        p.setBrush(kLight);
        p.drawPath(star(centre, 40 * pulse, 9 * pulse, 4, 2 * M_PI * f / 48));
        p.drawPath(star(QPointF(206, 56), 26 * (1.5 - pulse), 6, 4, 0));
        p.drawPath(star(QPointF(54, 200), 20 * pulse, 5, 4, 0));
        frames.append(image);
    }
    return frames;
}

// A heart that beats twice a cycle with a ring that widens on the beat.
QList<QImage> heartFrames()
{
    QList<QImage> frames;
    const QPointF centre(kFrameSize / 2.0, kFrameSize / 2.0 + 8);
    for (int f = 0; f < 10; ++f) {
        QImage image = canvas(kFrameSize, kFrameSize);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const double phase = f / 10.0;
        const double beat = 1.0 + 0.18 * qMax(0.0, qSin(2 * M_PI * phase));
        p.setPen(QPen(alpha(kPink, int(200 * (1 - phase))), 6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 70 + 50 * phase, 70 + 50 * phase);
        QLinearGradient fill(centre.x(), centre.y() - 80, centre.x(), centre.y() + 80);
        fill.setColorAt(0, QColor(0xff, 0x8f, 0xb0));
        fill.setColorAt(1, kPink);
        p.setPen(QPen(kLight, 6));
        p.setBrush(fill);
        p.drawPath(heart(centre, 150 * beat));
        p.setPen(Qt::NoPen);
        p.setBrush(alpha(kLight, 180));
        p.drawEllipse(QPointF(centre.x() - 34 * beat, centre.y() - 34 * beat), 12 * beat, 8 * beat);
        frames.append(image);
    }
    return frames;
}

// Bubbles rising and growing, each starting at its own point of the cycle.
QList<QImage> bubbleFrames()
{
    QList<QImage> frames;
    const QPointF seeds[] = {{48, 0.0}, {112, 0.35}, {176, 0.7}, {216, 0.15}, {84, 0.55}, {150, 0.85}};
    for (int f = 0; f < 12; ++f) {
        QImage image = canvas(kFrameSize, kFrameSize);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        for (const QPointF &seed : seeds) {
            const double phase = std::fmod(seed.y() + f / 12.0, 1.0);
            const double y = 240 - phase * 224;
            const double r = 8 + 20 * phase;
            p.setPen(QPen(kSky, 4));
            p.setBrush(alpha(kSky, 70));
            p.drawEllipse(QPointF(seed.x(), y), r, r);
            p.setPen(Qt::NoPen);
            p.setBrush(alpha(kLight, 200));
            p.drawEllipse(QPointF(seed.x() - r * 0.35, y - r * 0.35), r * 0.22, r * 0.22);
        }
        frames.append(image);
    }
    return frames;
}

QImage sunburst()
{
    QImage image = canvas(kFrameSize, kFrameSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    for (int i = 0; i < 16; ++i) {
        QPainterPath ray;
        const double a = 2 * M_PI * i / 16;
        const double length = i % 2 ? 104 : 124;
        ray.moveTo(128 + 40 * qCos(a - 0.12), 128 + 40 * qSin(a - 0.12));
        ray.lineTo(128 + length * qCos(a), 128 + length * qSin(a));
        ray.lineTo(128 + 40 * qCos(a + 0.12), 128 + 40 * qSin(a + 0.12));
        p.drawPath(ray);
    }
    QRadialGradient core(QPointF(116, 116), 60);
    core.setColorAt(0, QColor(0xff, 0xe3, 0x8a));
    core.setColorAt(1, kGold);
    p.setBrush(core);
    p.drawEllipse(QPointF(128, 128), 50, 50);
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
        outer.quadTo(x + lean - 8, 40, x + lean, 12);
        outer.quadTo(x + lean + 8, 40, x + 62, 150);
        outer.closeSubpath();
        p.setPen(QPen(kLight, 5));
        p.setBrush(kInk);
        p.drawPath(outer);
        QPainterPath inner;
        inner.moveTo(x - 34, 140);
        inner.quadTo(x + lean * 0.7 - 4, 72, x + lean * 0.7, 50);
        inner.quadTo(x + lean * 0.7 + 4, 72, x + 34, 140);
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
    p.setPen(QPen(kLight, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient lens(0, 8, 0, 120);
    lens.setColorAt(0, alpha(kGold, 220));
    lens.setColorAt(1, alpha(kAccent, 220));
    p.setBrush(lens);
    p.drawPath(star(QPointF(90, 66), 58, 28, 5, 0));
    p.drawPath(star(QPointF(230, 66), 58, 28, 5, 0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(134, 40, 52, 28), 20 * 16, 140 * 16);
    return image;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG", 0); // 0: smallest file
    return bytes;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    QTextStream(stderr) << "assetgen: cannot write " << path << "\n";
    return false;
}

QJsonObject entry(int type, const QString &name, const QString &file, const QString &icon)
{
    return QJsonObject{{QStringLiteral("type"), type},
                       {QStringLiteral("name"), name},
                       {QStringLiteral("file"), file},
                       {QStringLiteral("icon"), icon}};
}

bool writeSequence(const QString &folder, const Sequence &sequence, QJsonArray *catalogue)
{
    // One folder named after the material, frames numbered the way the
    // editor numbers imported sequences.
    QList<QPair<QString, QByteArray>> entries{{sequence.name + QLatin1Char('/'), QByteArray()}};
    QList<QImage> icons;
    for (int i = 0; i < sequence.frames.size(); ++i) {
        entries.append({QStringLiteral("%1/%1_%2.png").arg(sequence.name).arg(i, 3, 10, QLatin1Char('0')),
                        pngBytes(sequence.frames.at(i))});
        icons.append(icon(sequence.frames.at(i)));
    }
    bool zipped = false;
    const QByteArray zip = ZipWriter::build(entries, &zipped);
    const QString file = sequence.name + QStringLiteral(".zip");
    const QString iconFile = sequence.name + QStringLiteral("_icon.gif");
    catalogue->append(entry(1, sequence.name, file, iconFile));
    return zipped && write(folder + QLatin1Char('/') + file, zip)
        && write(folder + QLatin1Char('/') + iconFile, GifWriter::encode(icons, sequence.delayCentiseconds));
}

bool writePicture(const QString &folder, const Picture &picture, QJsonArray *catalogue)
{
    const QString file = picture.name + QStringLiteral(".png");
    const QString iconFile = picture.name + QStringLiteral("_icon.png");
    catalogue->append(entry(0, picture.name, file, iconFile));
    return write(folder + QLatin1Char('/') + file, pngBytes(picture.image))
        && write(folder + QLatin1Char('/') + iconFile, pngBytes(icon(picture.image)));
}

} // namespace

QList<Sequence> sequences()
{
    return {{QStringLiteral("sparkle"), sparkleFrames(), 8},
            {QStringLiteral("heartbeat"), heartFrames(), 8},
            {QStringLiteral("bubbles"), bubbleFrames(), 8}};
}

QList<Picture> pictures()
{
    return {{QStringLiteral("sunburst"), sunburst()},
            {QStringLiteral("cat_ears"), catEars()},
            {QStringLiteral("star_glasses"), starGlasses()}};
}

QImage icon(const QImage &image)
{
    QImage square = canvas(kIconSize, kIconSize);
    QPainter p(&square);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage scaled = image.scaled(square.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawImage((square.width() - scaled.width()) / 2, (square.height() - scaled.height()) / 2, scaled);
    return square;
}

bool generate(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    QJsonArray catalogue;
    bool ok = true;
    for (const Sequence &sequence : sequences())
        ok = writeSequence(folder, sequence, &catalogue) && ok;
    for (const Picture &picture : pictures())
        ok = writePicture(folder, picture, &catalogue) && ok;
    return write(folder + QStringLiteral("/catalogue.json"), QJsonDocument(catalogue).toJson()) && ok;
}

} // namespace Materials
