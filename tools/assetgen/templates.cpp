#include "templates.h"

#include "humandraw.h"
#include "humanface.h"
#include "lut.h"
#include "makeup.h"
#include "makeupart.h"
#include "paint.h"
#include "stickerart.h"
#include "templatestudio.h"

#include "app/LWAppHost.h"
#include "app/LWMainWindowController.h"
#include "common/LWResources.h"
#include "common/LWSettings.h"
#include "common/LWUsageEvents.h"
#include "features/makeup/LWFaceMakeUpV2Model.h"
#include "features/makeup/LWFaceMakeupV2FilterBase.h"
#include "features/sticker2d/LW2DStickerFeatureModel.h"
#include "features/sticker2d/LW2DStickerPart.h"
#include "workspace/LWEffectPackManager.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QQmlEngine>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtMath>

#include <memory>

namespace Templates {

namespace {

// The home window's cards are 184 x 200; tiles are drawn at twice that.
const QSize kTileSize(368, 400);

// Tracking areas of the component panel.
enum Area { Foreground = 0, Eyes = 1, Nose = 2, Ear = 8 };

struct PartSpec
{
    QString name; // letters only: the library keeps it in the frame folder's name
    QList<QImage> (*frames)();
    int area;
    QPointF topLeft; // on the 720 x 1280 standard face
    double width;
};

struct StickerSpec
{
    QString file;
    QVector<PartSpec> parts; // the lowest first
    QRectF tileCrop;         // of the standard face
};

// The parts' places were chosen on the standard face: ears above the hair,
// nose pad on the nose tip, lenses on the eyes, cups on the ears.
const QVector<StickerSpec> &stickerSpecs()
{
    static const QVector<StickerSpec> specs{
        {QStringLiteral("temp2DSticker1"),
         {{QStringLiteral("tail"), StickerArt::catTail, Foreground, {400, 640}, 320},
          {QStringLiteral("whiskers"), StickerArt::catNose, Nose, {195, 664}, 330},
          {QStringLiteral("ears"), StickerArt::catEars, Eyes, {100, 15}, 520}},
         QRectF(0, 40, 720, 783)},
        {QStringLiteral("temp2DSticker2"),
         {{QStringLiteral("filmstrip"), StickerArt::filmStrip, Foreground, {0, 0}, 720},
          {QStringLiteral("clapper"), StickerArt::clapper, Eyes, {24, 96}, 210},
          {QStringLiteral("glasses"), StickerArt::glasses, Eyes, {88.9, 421.7}, 542}},
         QRectF(0, 0, 720, 783)},
        {QStringLiteral("temp2DSticker3"),
         {{QStringLiteral("equalizer"), StickerArt::equalizer, Foreground, {0, 1080}, 720},
          {QStringLiteral("notes"), StickerArt::musicNotes, Eyes, {548, 214}, 176},
          {QStringLiteral("headphones"), StickerArt::headphones, Ear, {-10.3, 1.4}, 740.6}},
         QRectF(0, 0, 720, 783)},
        {QStringLiteral("temp2DSticker4"),
         {{QStringLiteral("blush"), StickerArt::blush, Nose, {98.2, 585.2}, 523.6},
          {QStringLiteral("kitty"), StickerArt::catHead, Eyes, {24, 64}, 210},
          {QStringLiteral("teddy"), StickerArt::bearHead, Eyes, {486, 64}, 210}},
         QRectF(0, 0, 720, 783)},
    };
    return specs;
}

// --- output ------------------------------------------------------------------------

bool saveTile(const QImage &scene, const QRectF &crop, const QString &path)
{
    QImage tile(kTileSize, QImage::Format_RGB32);
    QPainter p(&tile);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(QRectF(QPointF(0, 0), QSizeF(kTileSize)), scene, crop);
    p.end();
    QImageWriter writer(path, "png");
    writer.setCompression(100);
    if (writer.write(tile.convertToFormat(QImage::Format_RGB888)))
        return true;
    QTextStream(stderr) << "assetgen: cannot write " << path << ": " << writer.errorString() << "\n";
    return false;
}

QImage resourceImage(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage standardFace()
{
    return resourceImage(QStringLiteral(":/LW2DSticker/imgStandardFaceHuman.png"));
}

// --- the templates -----------------------------------------------------------------

struct Placed
{
    QImage frame;
    QRectF onFace;
};

// The parts' first frames where the sticker's model puts them.
void drawParts(QImage &scene, const QVector<Placed> &parts)
{
    QPainter p(&scene);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const Placed &part : parts)
        p.drawImage(part.onFace, part.frame);
}

QVector<Placed> buildSticker(TemplateStudio &studio, const QVector<PartSpec> &parts)
{
    auto *sticker = dynamic_cast<LW2DStickerFeatureModel *>(studio.addFeature(QStringLiteral("LWFeatureType2DSticker")));
    QVector<Placed> placed;
    for (const PartSpec &spec : parts) {
        const QList<QImage> frames = spec.frames();
        LW2DStickerPart *part = studio.addPart(sticker, spec.name, frames);
        studio.place(part, spec.area, spec.topLeft, spec.width);
        if (part) {
            const double scale = part->partScale();
            placed.append({frames.first(), QRectF(part->framePos(), QSizeF(part->frameWidth(), part->frameHeight()) * scale)});
        }
    }
    return placed;
}

bool stickerTemplate(TemplateStudio &studio, const StickerSpec &spec, const QString &folder)
{
    studio.newProject();
    const QVector<Placed> placed = buildSticker(studio, spec.parts);
    studio.exportPackage(folder + QLatin1Char('/') + spec.file + QStringLiteral(".zip"));
    QImage scene = standardFace();
    drawParts(scene, placed);
    return saveTile(scene, spec.tileCrop, folder + QLatin1Char('/') + spec.file + QStringLiteral(".png"));
}

// "Capsule": the person cut out and outlined in two flickering colours in
// front of the inside of a space capsule, a screen-filling component.
bool capsuleTemplate(TemplateStudio &studio, const QString &folder)
{
    studio.newProject();
    const QVector<Placed> placed =
        buildSticker(studio, {{QStringLiteral("capsule"), StickerArt::capsule, Foreground, {0, 0}, 720}});
    LWFeatureModel *matting = studio.addFeature(QStringLiteral("LWFeatureTypeMatting"), QStringLiteral("addSegmentBody"));
    LWNaviTreeItem *item = matting ? matting->asNaviTreeItem() : nullptr;
    studio.setPage(item, 2);
    studio.setColor(item, QStringLiteral("color1"), QColor("#5cc8ff"));
    studio.setColor(item, QStringLiteral("color2"), QColor("#ffffff"));
    studio.exportPackage(folder + QStringLiteral("/tempSegmentBody1.zip"));

    QImage scene(720, 1280, QImage::Format_ARGB32_Premultiplied);
    scene.fill(Qt::black);
    drawParts(scene, placed);
    HumanStyle style = stickerFaceStyle();
    style.background = false;
    const QImage person = drawHumanFace(style).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const auto silhouette = [&person](const QColor &colour) {
        QImage shape = person;
        QPainter p(&shape);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(shape.rect(), colour);
        return shape;
    };
    QPainter p(&scene);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // The person a step further from the camera than the standard face, so
    // that the tile shows the capsule around them.
    constexpr double kDistance = 0.72;
    p.translate(360 * (1 - kDistance), 1280 * (1 - kDistance));
    p.scale(kDistance, kDistance);
    for (const auto &ring : {qMakePair(QColor("#5cc8ff"), 9.0), qMakePair(QColor("#ffffff"), 4.0)}) {
        const QImage outline = silhouette(ring.first);
        for (int i = 0; i < 16; ++i) {
            const double a = 2 * M_PI * i / 16;
            p.drawImage(QPointF(ring.second * qCos(a), ring.second * qSin(a)), outline);
        }
    }
    p.drawImage(0, 0, person);
    p.end();
    return saveTile(scene, QRectF(0, 60, 720, 783), folder + QStringLiteral("/tempSegmentBody1.png"));
}

struct Layer
{
    QString type;      // makeup layer kind
    QString slot;      // its picture slot
    QString name;      // of the imported picture or sequence
    QList<QImage> frames;
    bool sequence;
    double intensity;
};

// A makeup: its layers top first, lips tinted through the lip layer's colour.
void buildMakeup(TemplateStudio &studio, const QVector<Layer> &layers, const QColor &lips)
{
    auto *makeup = dynamic_cast<LWFaceMakeUpV2Model *>(
        studio.addFeature(QStringLiteral("LWFeatureTypeFaceMakeupV2"), QString()));
    for (const Layer &layer : layers) {
        LWFaceMakeupV2FilterBase *filter = studio.addFilter(makeup, layer.type);
        const QString id = layer.sequence ? studio.importSequence(layer.name, layer.frames)
                                          : studio.importPicture(layer.name, layer.frames.first());
        LWNaviTreeItem *item = filter;
        studio.choose(item, layer.slot, id);
        studio.setNumber(item, QStringLiteral("intensity"), layer.intensity);
    }
    LWNaviTreeItem *lipLayer = studio.addFilter(makeup, QStringLiteral("lips_v2"));
    studio.setColor(lipLayer, QStringLiteral("uMouthColor"), lips);
}

// The makeup on the mean face: face layers in the 1280 standard face
// (the mean face is centred in it), the pupil texture in the irises.
QImage makeupScene(const QVector<Layer> &layers, const QColor &lips)
{
    QImage scene = resourceImage(QStringLiteral(":/LWFaceMakeUpV2/res/meanface.png"));
    QPainter p(&scene);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setPen(Qt::NoPen);
    p.setBrush(lips);
    p.drawPolygon(MakeupArt::lipsOutline());
    for (int i = layers.size() - 1; i >= 0; --i) {
        const Layer &layer = layers.at(i);
        if (layer.type != QLatin1String("pupil")) {
            p.setOpacity(layer.intensity);
            p.drawImage(QPointF(-Makeup::meanFaceOffsetX, 0), layer.frames.first());
            p.setOpacity(1);
            continue;
        }
        const HumanFaceGeometry &face = humanFace();
        for (bool left : {true, false}) {
            p.save();
            QPainterPath eye;
            eye.addPolygon(face.eyeOutline(left));
            p.setClipPath(eye);
            const QPointF centre = left ? face.pupilLeft : face.right(face.pupilLeft);
            // The texture's ring ends at 62 of its 75 pixel radius.
            const double side = 150 * face.irisRadius / 62.0;
            p.drawImage(QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side), layer.frames.first());
            p.restore();
        }
    }
    return scene;
}

bool makeupTemplate(TemplateStudio &studio, const QString &file, const QVector<Layer> &layers, const QColor &lips,
                    const QRectF &crop, const QString &folder)
{
    studio.newProject();
    buildMakeup(studio, layers, lips);
    studio.exportPackage(folder + QLatin1Char('/') + file + QStringLiteral(".zip"));
    return saveTile(makeupScene(layers, lips), crop, folder + QLatin1Char('/') + file + QStringLiteral(".png"));
}

bool orangeMakeup(TemplateStudio &studio, const QString &folder)
{
    const QVector<Layer> layers{
        {QStringLiteral("mask"), QStringLiteral("2d_sequence_resources"), QStringLiteral("mole"),
         {MakeupArt::tearMole()}, true, 1.0},
        {QStringLiteral("eye_part"), QStringLiteral("2d_sequence_resources"), QStringLiteral("shadow"),
         MakeupArt::orangeShadow(), true, 0.9},
    };
    return makeupTemplate(studio, QStringLiteral("tempMakeup1"), layers, QColor(242, 107, 71, 190),
                          QRectF(90, 330, 540, 587), folder);
}

bool androidMakeup(TemplateStudio &studio, const QString &folder)
{
    const QVector<Layer> layers{
        {QStringLiteral("eye_part"), QStringLiteral("2d_sequence_resources"), QStringLiteral("liner"),
         MakeupArt::cyberLiner(), true, 1.0},
        {QStringLiteral("pupil"), QStringLiteral("blend_resources"), QStringLiteral("iris"),
         {MakeupArt::androidIris()}, false, 1.0},
        {QStringLiteral("mask"), QStringLiteral("2d_sequence_resources"), QStringLiteral("seams"),
         MakeupArt::androidSeams(), true, 1.0},
    };
    return makeupTemplate(studio, QStringLiteral("tempMakeup2"), layers, QColor(122, 140, 168, 190),
                          QRectF(30, 230, 660, 717), folder);
}

bool sweetFilter(TemplateStudio &studio, const QString &folder)
{
    constexpr double kIntensity = 0.85;
    studio.newProject();
    LWFeatureModel *filter = studio.addFeature(QStringLiteral("LWFeatureTypeFilter"));
    LWNaviTreeItem *item = filter ? filter->asNaviTreeItem() : nullptr;
    const QString lut = studio.importPicture(QStringLiteral("sweet"), Lut::draw(MakeupArt::sweetGrade));
    studio.choose(item, QStringLiteral("filter_resources"), lut);
    studio.setNumber(item, QStringLiteral("intensity"), kIntensity);
    studio.exportPackage(folder + QStringLiteral("/tempFilter1.zip"));

    // Before and after, split along a diagonal.
    QImage scene = standardFace();
    QImage graded = scene.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < graded.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(graded.scanLine(y));
        for (int x = 0; x < graded.width(); ++x) {
            double r = qRed(line[x]) / 255.0, g = qGreen(line[x]) / 255.0, b = qBlue(line[x]) / 255.0;
            MakeupArt::sweetGrade(r, g, b);
            const auto mix = [](int from, double to) { return qBound(0, qRound(from + (to * 255 - from) * kIntensity), 255); };
            line[x] = qRgb(mix(qRed(line[x]), r), mix(qGreen(line[x]), g), mix(qBlue(line[x]), b));
        }
    }
    QPainter p(&scene);
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygonF after = Paint::poly({QPointF(520, 0), QPointF(720, 0), QPointF(720, 783), QPointF(200, 783)});
    QPainterPath clip;
    clip.addPolygon(after);
    p.setClipPath(clip);
    p.drawImage(0, 0, graded);
    p.setClipping(false);
    p.setPen(QPen(Qt::white, 5));
    p.drawLine(after.at(0), after.at(3));
    p.end();
    return saveTile(scene, QRectF(0, 0, 720, 783), folder + QStringLiteral("/tempFilter1.png"));
}

// The editor's code keeps its data under the home folder and its settings
// in the user's store; both are pointed at a scratch folder first.
std::unique_ptr<QTemporaryDir> isolate()
{
    auto home = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/assetgen-templates-XXXXXX"));
    const QByteArray path = QFile::encodeName(home->path());
    qputenv("HOME", path);
    qputenv("XDG_CONFIG_HOME", path + "/.config");
    qputenv("XDG_DATA_HOME", path + "/.local/share");
    qputenv("XDG_CACHE_HOME", path + "/.cache");
    qputenv("XDG_RUNTIME_DIR", path + "/.runtime");
    QDir().mkpath(home->path() + QStringLiteral("/.runtime"));
    QFile::setPermissions(home->path() + QStringLiteral("/.runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home->path() + QStringLiteral("/.config"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home->path() + QStringLiteral("/.config"));
    LWSettings::applyIdentity();
    return home;
}

} // namespace

int run(int argc, char **argv, const QString &folder)
{
    const std::unique_ptr<QTemporaryDir> home = isolate();
    QGuiApplication app(argc, argv);
    lwInitResources();
    // Wired like the editor, so that panel edits reach the selected item,
    // but without usage reports.
    LWMainWindowController::instance();
    QQmlEngine engine;
    LWAppHost::publishServices(engine);
    LWUsageEvents::setSink(nullptr);

    const QString target = QDir(folder).absolutePath();
    QDir().mkpath(target);
    TemplateStudio studio(home->path() + QStringLiteral("/drawn"));
    bool ok = true;
    for (const StickerSpec &spec : stickerSpecs())
        ok = stickerTemplate(studio, spec, target) && ok;
    ok = orangeMakeup(studio, target) && ok;
    ok = androidMakeup(studio, target) && ok;
    ok = capsuleTemplate(studio, target) && ok;
    ok = sweetFilter(studio, target) && ok;
    LWEffectPackManager::instance()->clearWorkspace();
    for (const QString &problem : studio.problems())
        QTextStream(stderr) << "assetgen: " << problem << "\n";
    return ok && studio.problems().isEmpty() ? 0 : 1;
}

} // namespace Templates
