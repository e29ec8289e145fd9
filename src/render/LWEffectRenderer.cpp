#include "LWEffectRenderer.h"

#include "features/sticker2d/NS2DStickerParameter.h"
#include "render/LWFaceMapping.h"
#include "render/LWFaceWarp.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

using namespace LWRenderPackage;
namespace Rules = LWRenderRules;

namespace {

// Pictures the asset generator draws for the human standard face: where
// its hair and its person are, and the scene behind the person.
const QString kHairMask = QStringLiteral(":/LWPreview/hairMaskHuman.png");
const QString kPersonMask = QStringLiteral(":/LWPreview/personMaskHuman.png");
const QString kPersonBorder = QStringLiteral(":/LWPreview/personBorderHuman.png");
const QString kEmptyScene = QStringLiteral(":/LWPreview/emptySceneHuman.png");
// What a segment matting shows in place of the background.
const QString kReplacedBackground = QStringLiteral(":/LWFilter/bg_facedistortion.png");

// The makeup scene shows each pupil this big, centred on the pupil point.
constexpr double kPupilSize = 60;

Rules::Rgb rgbOf(QRgb p)
{
    return {qRed(p) / 255.0f, qGreen(p) / 255.0f, qBlue(p) / 255.0f};
}

QRgb toRgb(const Rules::Rgb &c)
{
    auto to8 = [](float v) { return int(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
    return qRgb(to8(c.r), to8(c.g), to8(c.b));
}

Rules::Rgb mix(const Rules::Rgb &a, const Rules::Rgb &b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// The angle of the line from point a to point b.
double angleOf(const QPointF &a, const QPointF &b)
{
    return std::atan2(b.y() - a.y(), b.x() - a.x());
}

} // namespace

struct LWEffectRenderer::Frame
{
    QImage canvas;       // RGB32, opaque
    QTransform toCanvas; // face picture pixels -> canvas pixels
    QRect faceRect;      // the face picture's pixels on the canvas
    const NS2DStickerParameter::FaceTypeRelateData *face = nullptr; // the standard face
    QVector<QPointF> points; // the face's table points in face picture pixels
    // On a tracked picture: how much larger than the standard face the face
    // is, and how far it is turned in the picture (radians, clockwise).
    bool tracked = false;
    double faceScale = 1;
    double roll = 0;
    std::unique_ptr<LWFaceWarp> warp; // made when makeup first needs it
    int faceType = 0;
    qint64 t = 0;
    const QVector<Rules::Trigger> *triggers = nullptr;
    QVector<QImage> people; // cut-out persons, laid over everything at the end

    bool hasPoint(int index) const { return index >= 0 && index < points.size() && !qIsNaN(points.at(index).x()); }
    QPointF point(int index) const { return hasPoint(index) ? points.at(index) : QPointF(); }
    // The face's points first..last, as a closed outline; empty when the
    // face has none.
    QPolygonF polygon(int first, int last) const
    {
        QPolygonF outline;
        for (int i = first; i <= last && hasPoint(last); ++i)
            outline << points.at(i);
        return outline;
    }

    // Mixes a premultiplied layer whose top-left sits at origin into the
    // canvas with the blend mode and opacity.
    void blendLayer(const QImage &layer, const QPoint &origin, int mode, double opacity)
    {
        const QRect area = QRect(origin, layer.size()) & canvas.rect();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const QRgb *src = reinterpret_cast<const QRgb *>(layer.constScanLine(y - origin.y()));
            QRgb *dst = reinterpret_cast<QRgb *>(canvas.scanLine(y));
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb s = src[x - origin.x()];
                const int alpha = qAlpha(s);
                if (alpha == 0)
                    continue;
                float a = float(alpha) / 255.0f * float(opacity);
                if (mode == Rules::Dissolve) {
                    if (!Rules::dissolveShows(x, y, a))
                        continue;
                    a = 1;
                }
                const Rules::Rgb source{qRed(s) / float(alpha), qGreen(s) / float(alpha), qBlue(s) / float(alpha)};
                const Rules::Rgb backdrop = rgbOf(dst[x]);
                dst[x] = toRgb(mix(backdrop, Rules::blend(mode, backdrop, source), a));
            }
        }
    }

    // Draws an image into a rectangle of the standard face (or, with
    // faceTransform, of another space mapped onto it).
    void draw(const QImage &image, const QRectF &target, int storedMode, double opacity,
              const QPainterPath *clip = nullptr, const QTransform &faceTransform = QTransform())
    {
        if (image.isNull() || opacity <= 0)
            return;
        const int mode = Rules::blendModeOf(storedMode);
        const QTransform t = faceTransform * toCanvas;
        if (mode == Rules::Normal) {
            QPainter p(&canvas);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.setRenderHint(QPainter::Antialiasing);
            p.setTransform(t);
            if (clip)
                p.setClipPath(*clip);
            p.setOpacity(opacity);
            p.drawImage(target, image);
            return;
        }
        const QRect area = t.mapRect(target).toAlignedRect() & canvas.rect();
        if (area.isEmpty())
            return;
        QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        {
            QPainter p(&layer);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.setRenderHint(QPainter::Antialiasing);
            p.setTransform(t * QTransform::fromTranslate(-area.x(), -area.y()));
            if (clip)
                p.setClipPath(*clip);
            p.drawImage(target, image);
        }
        blendLayer(layer, area.topLeft(), mode, opacity);
    }

    // A flat colour over a region of the face.
    void fill(const QPainterPath &region, const QColor &color, int mode, double opacity)
    {
        const QRect area = toCanvas.map(region).boundingRect().toAlignedRect() & canvas.rect();
        if (area.isEmpty())
            return;
        QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        {
            QPainter p(&layer);
            p.setRenderHint(QPainter::Antialiasing);
            p.setTransform(toCanvas * QTransform::fromTranslate(-area.x(), -area.y()));
            p.fillPath(region, QColor(color.red(), color.green(), color.blue()));
        }
        blendLayer(layer, area.topLeft(), mode, opacity * color.alphaF());
    }
};

// The 64 x 64 x 64 table of a lookup image (8 x 8 tiles of 64 x 64: blue
// picks the tile, red runs across it, green down), read trilinearly.
struct LWEffectRenderer::Lut
{
    std::vector<QRgb> table; // index (b * 64 + g) * 64 + r

    static bool read(const QImage &image, Lut &lut)
    {
        if (image.width() != 512 || image.height() != 512)
            return false;
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        lut.table.resize(64 * 64 * 64);
        for (int b = 0; b < 64; ++b) {
            for (int g = 0; g < 64; ++g) {
                const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine((b / 8) * 64 + g)) + (b % 8) * 64;
                std::copy(line, line + 64, lut.table.begin() + (b * 64 + g) * 64);
            }
        }
        return true;
    }

    QRgb map(QRgb p) const
    {
        const float fr = qRed(p) * (63.0f / 255.0f), fg = qGreen(p) * (63.0f / 255.0f), fb = qBlue(p) * (63.0f / 255.0f);
        const int r0 = int(fr), g0 = int(fg), b0 = int(fb);
        const int r1 = std::min(r0 + 1, 63), g1 = std::min(g0 + 1, 63), b1 = std::min(b0 + 1, 63);
        const float dr = fr - r0, dg = fg - g0, db = fb - b0;
        float out[3] = {0, 0, 0};
        const int rs[2] = {r0, r1}, gs[2] = {g0, g1}, bs[2] = {b0, b1};
        const float wr[2] = {1 - dr, dr}, wg[2] = {1 - dg, dg}, wb[2] = {1 - db, db};
        for (int i = 0; i < 2; ++i) {
            for (int j = 0; j < 2; ++j) {
                for (int k = 0; k < 2; ++k) {
                    const float w = wb[i] * wg[j] * wr[k];
                    if (w == 0)
                        continue;
                    const QRgb c = table[(bs[i] * 64 + gs[j]) * 64 + rs[k]];
                    out[0] += w * qRed(c);
                    out[1] += w * qGreen(c);
                    out[2] += w * qBlue(c);
                }
            }
        }
        return qRgb(int(std::lround(out[0])), int(std::lround(out[1])), int(std::lround(out[2])));
    }
};

LWEffectRenderer::LWEffectRenderer()
{
    m_images.setMaxCost(kCacheKb);
}

LWEffectRenderer::~LWEffectRenderer() = default;

QSize LWEffectRenderer::standardSize(int faceType)
{
    return faceType == NS2DStickerParameter::FaceTypeCat ? QSize(520, 924) : QSize(720, 1280);
}

const QImage *LWEffectRenderer::image(const QString &path)
{
    if (path.isEmpty())
        return nullptr;
    if (const QImage *cached = m_images.object(path))
        return cached->isNull() ? nullptr : cached;
    QImageReader reader(path);
    // A package picture far larger than any camera frame is not decoded.
    const QSize size = reader.size();
    QImage *decoded = new QImage;
    if (size.isValid() && qint64(size.width()) * size.height() <= qint64(4096) * 4096)
        *decoded = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int cost = std::max<qint64>(1, decoded->sizeInBytes() / 1024);
    const bool null = decoded->isNull();
    m_images.insert(path, decoded, cost);
    return null ? nullptr : m_images.object(path);
}

QImage LWEffectRenderer::scaledAsset(const QString &resource, const QSize &size, bool mask)
{
    const QString key = resource + QLatin1Char('@') + QString::number(size.width()) + QLatin1Char('x')
                      + QString::number(size.height());
    auto it = m_assets.find(key);
    if (it == m_assets.end()) {
        QImage picture(resource);
        if (!picture.isNull() && picture.size() != size)
            picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // Scaling may change the format; the loops read these two.
        picture = picture.convertToFormat(mask ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
        it = m_assets.insert(key, picture);
    }
    return *it;
}

const LWEffectRenderer::Lut *LWEffectRenderer::lut(const QString &path)
{
    auto it = m_luts.find(path);
    if (it == m_luts.end()) {
        auto table = std::make_shared<Lut>();
        QImageReader reader(path);
        if (reader.size() != QSize(512, 512) || !Lut::read(reader.read(), *table))
            table.reset();
        it = m_luts.insert(path, table);
    }
    return it->get();
}

QString LWEffectRenderer::sequenceFrame(const Sequence &sequence, int index)
{
    const QString path = sequence.framePath(index);
    if (QFileInfo(path).isFile())
        return path;
    // Frames named otherwise than the record says: take them in name order.
    auto it = m_folderPngs.find(sequence.folder);
    if (it == m_folderPngs.end())
        it = m_folderPngs.insert(sequence.folder,
                                 QDir(sequence.folder).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name));
    return index < it->size() ? sequence.folder + QLatin1Char('/') + it->at(index) : QString();
}

QImage LWEffectRenderer::render(const Package &package, const Request &request)
{
    const bool tracked = !request.picture.isNull();
    const int faceType = !tracked && request.faceType == NS2DStickerParameter::FaceTypeCat
                             ? NS2DStickerParameter::FaceTypeCat
                             : NS2DStickerParameter::FaceTypeHuman;
    const QSize face = tracked ? request.picture.size() : standardSize(faceType);
    const QSize out = request.size.isValid() && !request.size.isEmpty() ? request.size : face;
    Frame f;
    f.canvas = QImage(out, QImage::Format_RGB32);
    f.canvas.fill(QColor(24, 26, 30));
    const double k = std::min(double(out.width()) / face.width(), double(out.height()) / face.height());
    const QPointF offset((out.width() - face.width() * k) / 2, (out.height() - face.height() * k) / 2);
    f.toCanvas = QTransform::fromScale(k, k) * QTransform::fromTranslate(offset.x(), offset.y());
    f.faceRect = f.toCanvas.mapRect(QRectF(QPointF(0, 0), QSizeF(face))).toAlignedRect() & f.canvas.rect();
    f.face = &NS2DStickerParameter::faceTypeData(faceType);
    f.faceType = faceType;
    f.t = std::max<qint64>(0, request.timeMs);
    f.triggers = &request.triggers;
    f.tracked = tracked;
    if (tracked) {
        if (request.facePoints.size() == f.face->keyPoints.size()) {
            f.points = request.facePoints;
        } else {
            // No face: only what is pinned to the screen's corners shows.
            f.points = QVector<QPointF>(f.face->keyPoints.size(), QPointF(qQNaN(), qQNaN()));
            if (f.points.size() == LWFaceMapping::kTablePoints) {
                f.points[106] = QPointF(0, 0);
                f.points[107] = QPointF(face.width(), 0);
            }
        }
        if (f.hasPoint(74) && f.hasPoint(77) && f.face->hasPoint(77)) {
            // Against the standard face, by the pupils.
            const QLineF standard(f.face->point(74), f.face->point(77)), now(f.point(74), f.point(77));
            f.faceScale = standard.length() > 0 ? now.length() / standard.length() : 1;
            f.roll = angleOf(now.p1(), now.p2()) - angleOf(standard.p1(), standard.p2());
        }
    } else {
        f.points = f.face->keyPoints;
    }
    {
        QPainter p(&f.canvas);
        if (tracked) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRectF(f.faceRect), request.picture);
        } else {
            p.drawImage(f.faceRect.topLeft(),
                        scaledAsset(QLatin1Char(':') + f.face->standardImage.mid(4), f.faceRect.size(), false));
        }
    }
    for (const Feature &feature : package.features) {
        if (tracked && !drawnOnPictures(feature.kind))
            continue;
        switch (feature.kind) {
        case Kind::Sticker:
            drawSticker(f, feature);
            break;
        case Kind::Makeup:
            if (faceType == NS2DStickerParameter::FaceTypeHuman && f.hasPoint(0) && f.hasPoint(103))
                drawMakeup(f, feature);
            break;
        case Kind::Filter:
            if (const Lut *table = lut(feature.lookupImage.isEmpty() ? QStringLiteral(":/LWViewCommon/images/default_lut.png")
                                                                      : feature.lookupImage))
                applyLookup(f, *table, feature.intensity, nullptr);
            break;
        case Kind::HairColor:
            if (faceType == NS2DStickerParameter::FaceTypeHuman)
                applyHairColor(f, feature);
            break;
        case Kind::Matting:
            if (faceType == NS2DStickerParameter::FaceTypeHuman)
                applyMatting(f, feature);
            break;
        case Kind::Other:
            break;
        }
    }
    if (!f.people.isEmpty()) {
        QPainter p(&f.canvas);
        for (const QImage &person : f.people)
            p.drawImage(0, 0, person);
    }
    return f.canvas;
}

void LWEffectRenderer::drawSticker(Frame &f, const Feature &feature)
{
    for (const StickerPart &part : feature.parts) {
        const Rules::Presence presence = Rules::presenceAt(part.trigger, f.t, *f.triggers);
        if (!presence.shown || part.position.isEmpty())
            continue;
        const Anchor &anchor = part.position.first();
        if (!f.hasPoint(anchor.index))
            continue;
        const int count = std::max(1, part.frameCount);
        const int index = Rules::frameAt(presence.localMs, Rules::kStickerFrameMs, count, part.triggerLoop);
        const QImage *frame = image(part.framePrefix + QStringLiteral("%1.png").arg(index, 3, 10, QLatin1Char('0')));
        if (!frame)
            continue;
        // One image pixel covers s face pixels, s from the two scale anchors.
        double s = 1.0;
        const QPointF imageSpan = part.scaleA.image - part.scaleB.image;
        if (f.hasPoint(part.scaleA.index) && f.hasPoint(part.scaleB.index) && imageSpan.manhattanLength() >= 1e-6) {
            const QPointF faceSpan = f.point(part.scaleA.index) - f.point(part.scaleB.index);
            s = std::hypot(faceSpan.x(), faceSpan.y()) / std::hypot(imageSpan.x(), imageSpan.y());
        }
        const double w = part.width > 0 ? part.width : frame->width();
        const double h = part.height > 0 ? part.height : frame->height();
        // A part pinned to the face turns with it, about its pinned pixel;
        // one pinned to the screen's corners stays upright.
        const bool onFace = anchor.index < LWFaceMapping::kFacePoints;
        if (f.tracked && onFace && std::fabs(f.roll) > 1e-4) {
            QTransform imageToFace;
            imageToFace.translate(f.point(anchor.index).x(), f.point(anchor.index).y());
            imageToFace.rotateRadians(f.roll);
            imageToFace.scale(s, s);
            imageToFace.translate(-anchor.image.x(), -anchor.image.y());
            f.draw(*frame, QRectF(0, 0, w, h), part.blendMode, part.alpha, nullptr, imageToFace);
            continue;
        }
        const QPointF origin = f.point(anchor.index) - s * anchor.image;
        f.draw(*frame, QRectF(origin, QSizeF(w * s, h * s)), part.blendMode, part.alpha);
    }
}

void LWEffectRenderer::drawMakeup(Frame &f, const Feature &feature)
{
    // The makeup's square standard face holds the 720-wide face centred.
    const QTransform makeupToFace = QTransform::fromTranslate(-(1280 - 720) / 2.0, 0);
    for (const MakeupFilter &filter : feature.makeup)
        drawMakeupFilter(f, filter, makeupToFace);
}

void LWEffectRenderer::drawMakeupFilter(Frame &f, const MakeupFilter &filter, const QTransform &makeupToFace)
{
    const QString &type = filter.type;
    if (type == QLatin1String("lips_v2") || type == QLatin1String("lips_v3")) {
        QPainterPath lips;
        lips.setFillRule(Qt::OddEvenFill);
        lips.addPolygon(f.polygon(84, 95));
        lips.closeSubpath();
        lips.addPolygon(f.polygon(96, 103));
        lips.closeSubpath();
        f.fill(lips, filter.lipColor, Rules::Color, filter.intensity);
        return;
    }
    if (type == QLatin1String("lips_seg") || type == QLatin1String("lips_keypoint") || type == QLatin1String("teeth")) {
        const Lut *table = filter.lookup.isEmpty() ? nullptr : lut(sequenceFrame(filter.lookup, 0));
        if (!table)
            return;
        QPainterPath region;
        region.setFillRule(Qt::OddEvenFill);
        if (type != QLatin1String("teeth")) {
            region.addPolygon(f.polygon(84, 95));
            region.closeSubpath();
        }
        region.addPolygon(f.polygon(96, 103));
        region.closeSubpath();
        applyLookup(f, *table, filter.intensity, &region);
        return;
    }
    if (type == QLatin1String("pupil")) {
        const QImage *pupil = filter.blend.isEmpty() ? nullptr : image(sequenceFrame(filter.blend, 0));
        const QImage *reflection = filter.reflect && !filter.blend.isEmpty() ? image(filter.blend.framePath(2)) : nullptr;
        const int eyes[2][3] = {{74, 52, 57}, {77, 58, 63}};
        const double size = kPupilSize * f.faceScale;
        for (const auto &eye : eyes) {
            QPainterPath opening;
            opening.addPolygon(f.polygon(eye[1], eye[2]));
            opening.closeSubpath();
            const QPointF c = f.point(eye[0]);
            const QRectF target(c.x() - size / 2, c.y() - size / 2, size, size);
            if (pupil)
                f.draw(*pupil, target, filter.blendMode, filter.intensity, &opening);
            if (reflection)
                f.draw(*reflection, target, filter.reflectBlendMode, filter.reflectIntensity, &opening);
        }
        return;
    }
    // Textures laid into their rectangle: a sequence where there is one,
    // else the blend texture.
    const Sequence &texture = filter.sequence.isEmpty() ? filter.blend : filter.sequence;
    if (texture.isEmpty())
        return;
    const int frameMs = int(std::lround(texture.interval * 1000));
    const int index = Rules::frameAt(f.t, frameMs, texture.count, 0);
    const QImage *picture = image(sequenceFrame(texture, index));
    if (!picture)
        return;
    if (!f.tracked) {
        f.draw(*picture, QRectF(filter.rect), filter.blendMode, filter.intensity, nullptr, makeupToFace);
        return;
    }
    // On a tracked face the texture is carried triangle by triangle from
    // the standard face onto it.
    if (!f.warp)
        f.warp = std::make_unique<LWFaceWarp>(f.face->keyPoints, f.points);
    const QRect area = f.warp->reach(f.toCanvas) & f.canvas.rect();
    if (!f.warp->isValid() || area.isEmpty() || filter.rect.isEmpty())
        return;
    const QRectF rect(filter.rect);
    const QTransform textureToStandard = QTransform::fromScale(rect.width() / picture->width(), rect.height() / picture->height())
                                       * QTransform::fromTranslate(rect.x(), rect.y()) * makeupToFace;
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    f.warp->draw(*picture, textureToStandard, f.toCanvas, layer, area.topLeft());
    f.blendLayer(layer, area.topLeft(), Rules::blendModeOf(filter.blendMode), filter.intensity);
}

void LWEffectRenderer::applyLookup(Frame &f, const Lut &table, double intensity, const QPainterPath *clip)
{
    if (intensity <= 0)
        return;
    QImage coverage;
    QRect area = f.canvas.rect();
    if (clip) {
        area = f.toCanvas.map(*clip).boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1) & f.canvas.rect();
        if (area.isEmpty())
            return;
        coverage = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
        coverage.fill(Qt::transparent);
        QPainter p(&coverage);
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(f.toCanvas * QTransform::fromTranslate(-area.x(), -area.y()));
        p.fillPath(*clip, Qt::white);
    }
    const float amount = float(std::min(intensity, 1.0));
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(f.canvas.scanLine(y));
        const QRgb *cover = clip ? reinterpret_cast<const QRgb *>(coverage.constScanLine(y - area.top())) : nullptr;
        for (int x = area.left(); x <= area.right(); ++x) {
            const float a = cover ? amount * qAlpha(cover[x - area.left()]) / 255.0f : amount;
            if (a <= 0)
                continue;
            const QRgb mapped = table.map(line[x]);
            line[x] = a >= 1 ? mapped : toRgb(mix(rgbOf(line[x]), rgbOf(mapped), a));
        }
    }
}

void LWEffectRenderer::applyHairColor(Frame &f, const Feature &feature)
{
    const QImage mask = scaledAsset(kHairMask, f.faceRect.size(), true);
    if (mask.isNull() || feature.intensity <= 0)
        return;
    const Rules::Rgb tint = rgbOf(feature.color.rgb());
    for (int y = 0; y < mask.height(); ++y) {
        const uchar *m = mask.constScanLine(y);
        QRgb *line = reinterpret_cast<QRgb *>(f.canvas.scanLine(y + f.faceRect.top())) + f.faceRect.left();
        for (int x = 0; x < mask.width(); ++x) {
            if (m[x] == 0)
                continue;
            const Rules::Rgb hair = rgbOf(line[x]);
            line[x] = toRgb(mix(hair, Rules::blend(Rules::Color, hair, tint), float(feature.intensity) * m[x] / 255.0f));
        }
    }
}

void LWEffectRenderer::applyMatting(Frame &f, const Feature &feature)
{
    const Matting &m = feature.matting;
    const QSize size = f.faceRect.size();
    const QImage person = scaledAsset(kPersonMask, size, true);
    if (person.isNull())
        return;
    if (!m.stealth) {
        cutOutPerson(f, m, person);
        return;
    }
    // How far the person is gone, faded into the empty scene behind it.
    QVector<qint64> moments;
    for (const Rules::Trigger &trigger : *f.triggers) {
        if (trigger.action == m.triggerType && trigger.atMs + m.triggerDelay <= f.t)
            moments << trigger.atMs + m.triggerDelay;
    }
    std::sort(moments.begin(), moments.end());
    if (m.once && moments.size() > 1)
        moments.resize(1);
    bool invisible = m.defaultInvisible || m.triggerType == 0;
    qint64 since = 0;
    bool before = invisible;
    for (qint64 at : moments) {
        before = invisible;
        invisible = !invisible;
        since = at;
    }
    if (!m.triggerKeep && !moments.isEmpty() && f.t >= since + Rules::kHeldActionMs) {
        before = invisible;
        invisible = !invisible;
        since += Rules::kHeldActionMs;
    }
    const double duration = m.animationFrames * 1000.0 / Rules::kAnimationFps;
    const double progress = duration <= 0 || moments.isEmpty() ? 1.0 : std::min(1.0, (f.t - since) / duration);
    const float from = before ? 1.0f : 0.0f, to = invisible ? 1.0f : 0.0f;
    const float gone = from + (to - from) * float(progress);
    if (gone <= 0)
        return;
    const QImage behind = scaledAsset(kEmptyScene, size, false);
    for (int y = 0; y < size.height(); ++y) {
        const uchar *p = person.constScanLine(y);
        const QRgb *b = reinterpret_cast<const QRgb *>(behind.constScanLine(y));
        QRgb *line = reinterpret_cast<QRgb *>(f.canvas.scanLine(y + f.faceRect.top())) + f.faceRect.left();
        for (int x = 0; x < size.width(); ++x) {
            if (p[x])
                line[x] = toRgb(mix(rgbOf(line[x]), rgbOf(b[x]), gone * p[x] / 255.0f));
        }
    }
}

void LWEffectRenderer::cutOutPerson(Frame &f, const Matting &m, const QImage &person)
{
    const QSize size = f.faceRect.size();
    // The person, with its border ring, waits to be laid over whatever the
    // features after the matting draw as the new background.
    QImage layer(f.canvas.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QColor border;
    if (m.borderType > 0 && !m.borderColors.isEmpty()) {
        const int step = m.borderFps > 0 ? int(std::floor(f.t / 1000.0 * m.borderFps)) : 0;
        border = m.borderColors.at(m.borderType == 2 ? step % std::min(2, int(m.borderColors.size())) : 0);
    }
    const QImage ring = scaledAsset(kPersonBorder, size, true);
    const QImage backdrop = scaledAsset(kReplacedBackground, size, false);
    for (int y = 0; y < size.height(); ++y) {
        const uchar *p = person.constScanLine(y);
        const uchar *r = ring.isNull() ? nullptr : ring.constScanLine(y);
        const QRgb *b = reinterpret_cast<const QRgb *>(backdrop.constScanLine(y));
        QRgb *line = reinterpret_cast<QRgb *>(f.canvas.scanLine(y + f.faceRect.top())) + f.faceRect.left();
        QRgb *out = reinterpret_cast<QRgb *>(layer.scanLine(y + f.faceRect.top())) + f.faceRect.left();
        for (int x = 0; x < size.width(); ++x) {
            QRgb c = line[x];
            int a = p[x];
            if (border.isValid() && r && r[x] > a) {
                c = toRgb(mix(rgbOf(c), rgbOf(border.rgb()), float(r[x] - a) / float(r[x])));
                a = r[x];
            }
            if (a)
                out[x] = qPremultiply(qRgba(qRed(c), qGreen(c), qBlue(c), a));
            line[x] = b[x];
        }
    }
    f.people << layer;
}
