#include "LWRenderPackage.h"

#include "common/LWDataPaths.h"
#include "common/LWFolderUtil.h"
#include "common/LWJsonFile.h"
#include "features/sticker2d/NS2DStickerParameter.h"
#include "package/LWPackageConfig.h"
#include "package/LWZipUtil.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <memory>

namespace LWRenderPackage {

namespace {

// Far beyond any real sequence; keeps a damaged count from driving loops.
constexpr int kMaxFrames = 10000;

int boundedCount(const QJsonValue &value)
{
    return std::clamp(value.toInt(0), 0, kMaxFrames);
}

// A path from a package document, taken inside base. Absolute paths and
// ".." segments would read files the package does not hold: refused.
QString inside(const QString &base, const QString &relative)
{
    if (relative.isEmpty() || QDir::isAbsolutePath(relative) || relative.contains(QLatin1Char('\\')))
        return QString();
    const QStringList segments = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (segments.contains(QStringLiteral("..")))
        return QString();
    return base + QLatin1Char('/') + segments.join(QLatin1Char('/'));
}

QColor hexColor(const QString &rrggbb, const QColor &fallback = Qt::white)
{
    const QColor color(QLatin1Char('#') + rrggbb);
    return color.isValid() ? color : fallback;
}

Anchor readAnchor(const QJsonValue &value)
{
    const QJsonObject object = value.isArray() ? value.toArray().at(0).toObject() : value.toObject();
    Anchor anchor;
    anchor.index = object.contains(QStringLiteral("index")) ? object.value(QStringLiteral("index")).toInt(-1) : -1;
    if (anchor.index == NS2DStickerParameter::kEngineCornerLeft)
        anchor.index = 82;
    else if (anchor.index == NS2DStickerParameter::kEngineCornerRight)
        anchor.index = 83;
    anchor.image = QPointF(object.value(QStringLiteral("x")).toDouble(), object.value(QStringLiteral("y")).toDouble());
    return anchor;
}

LWRenderRules::TriggerRule readTrigger(const QJsonObject &o)
{
    LWRenderRules::TriggerRule rule;
    rule.type = o.value(QStringLiteral("triggerType")).toInt();
    rule.delayMs = std::max(0, o.value(QStringLiteral("triggerDelay")).toInt());
    rule.stop = o.value(QStringLiteral("triggerStop")).toBool();
    rule.disappear = o.value(QStringLiteral("triggerDisappear")).toBool();
    rule.restart = o.value(QStringLiteral("triggerRestart")).toBool();
    return rule;
}

void readSticker(Feature &feature, const QJsonObject &content)
{
    QString file = content.value(QStringLiteral("content")).toObject().value(QStringLiteral("path")).toString();
    if (file.isEmpty())
        file = QStringLiteral("substance.json");
    const QJsonObject sticker = LWJsonFile::read(inside(feature.folder, file));
    const QJsonObject parts = sticker.value(QStringLiteral("parts")).toObject();
    for (auto it = parts.begin(); it != parts.end(); ++it) {
        const QJsonObject o = it.value().toObject();
        StickerPart part;
        part.key = it.key();
        const QString folder = inside(feature.folder, part.key);
        if (folder.isEmpty())
            continue;
        part.framePrefix = folder + QLatin1Char('/') + part.key + QLatin1Char('_');
        for (const QJsonValue &anchor : o.value(QStringLiteral("position")).toObject().value(QStringLiteral("positionX")).toArray())
            part.position << readAnchor(anchor);
        const QJsonObject scaleX =
            o.value(QStringLiteral("scale")).toObject().value(QStringLiteral("scaleX")).toObject();
        part.scaleA = readAnchor(scaleX.value(QStringLiteral("pointA")));
        part.scaleB = readAnchor(scaleX.value(QStringLiteral("pointB")));
        part.positionType = o.value(QStringLiteral("positionType")).toInt(1);
        part.width = o.value(QStringLiteral("width")).toDouble(300);
        part.height = o.value(QStringLiteral("height")).toDouble(300);
        part.frameCount = boundedCount(o.value(QStringLiteral("frameCount")));
        part.zPosition = o.value(QStringLiteral("zPosition")).toInt(404);
        part.blendMode = o.value(QStringLiteral("blendMode")).toInt();
        part.alpha = std::clamp(o.value(QStringLiteral("alphaFactor")).toDouble(1.0), 0.0, 1.0);
        part.triggerLoop = o.value(QStringLiteral("triggerLoop")).toInt();
        part.trigger = readTrigger(o);
        if (o.value(QStringLiteral("enable")).toBool(true))
            feature.parts << part;
    }
    std::stable_sort(feature.parts.begin(), feature.parts.end(),
                     [](const StickerPart &a, const StickerPart &b) { return a.zPosition < b.zPosition; });
}

Sequence readSequence(const QString &featureFolder, const QJsonValue &value)
{
    const QJsonObject o = value.toObject();
    Sequence sequence;
    sequence.folder = inside(featureFolder, o.value(QStringLiteral("path")).toString());
    sequence.name = o.value(QStringLiteral("name")).toString();
    if (sequence.name.contains(QLatin1Char('/')) || sequence.name.contains(QLatin1Char('\\')))
        sequence.folder.clear();
    sequence.count = boundedCount(o.value(QStringLiteral("imageCount")));
    const double interval = o.value(QStringLiteral("imageInterval")).toDouble();
    if (interval > 0)
        sequence.interval = interval;
    return sequence;
}

QColor unitColor(const QJsonArray &rgba, const QColor &fallback)
{
    if (rgba.size() < 3)
        return fallback;
    auto unit = [](const QJsonValue &v) { return std::clamp(v.toDouble(), 0.0, 1.0); };
    return QColor::fromRgbF(unit(rgba.at(0)), unit(rgba.at(1)), unit(rgba.at(2)),
                            rgba.size() > 3 ? unit(rgba.at(3)) : 1.0);
}

void readMakeup(Feature &feature, const QJsonObject &content)
{
    const QString file = content.value(QStringLiteral("content")).toObject().value(QStringLiteral("path")).toString();
    const QJsonObject makeup = LWJsonFile::read(inside(feature.folder, file.isEmpty() ? QStringLiteral("makeup.json") : file));
    const QJsonObject size = makeup.value(QStringLiteral("standardFaceSize")).toObject();
    const int faceW = size.value(QStringLiteral("width")).toInt(1280);
    const int faceH = size.value(QStringLiteral("height")).toInt(1280);
    for (const QJsonValue &value : makeup.value(QStringLiteral("filters")).toArray()) {
        const QJsonObject o = value.toObject();
        MakeupFilter filter;
        filter.type = o.value(QStringLiteral("filterType")).toString();
        if (filter.type.isEmpty())
            continue;
        filter.zPosition = o.value(QStringLiteral("zPosition")).toInt(1);
        filter.blendMode = o.value(QStringLiteral("blendMode")).toInt(0);
        filter.intensity = std::clamp(o.value(QStringLiteral("intensity")).toDouble(1.0), 0.0, 1.0);
        const QJsonObject r = o.value(QStringLiteral("rect")).toObject();
        filter.rect = QRect(r.value(QStringLiteral("x")).toInt(), r.value(QStringLiteral("y")).toInt(),
                            r.value(QStringLiteral("width")).toInt(faceW), r.value(QStringLiteral("height")).toInt(faceH));
        if (filter.rect.width() <= 0 || filter.rect.height() <= 0)
            filter.rect = QRect(0, 0, faceW, faceH);
        filter.blend = readSequence(feature.folder, o.value(QStringLiteral("blend_resources")));
        filter.mask = readSequence(feature.folder, o.value(QStringLiteral("mask_resources")));
        filter.sequence = readSequence(feature.folder, o.value(QStringLiteral("2d_sequence_resources")));
        filter.lookup = readSequence(feature.folder, o.value(QStringLiteral("lookup_resources")));
        const QJsonObject lip = o.value(QStringLiteral("lipV2Param")).toObject();
        filter.lipColor = unitColor(lip.value(QStringLiteral("uMouthColor")).toArray(), QColor::fromRgbF(0.572549, 0, 0, 0.781714));
        const QJsonObject pupil = o.value(QStringLiteral("pupilV2Param")).toObject();
        filter.reflect = pupil.value(QStringLiteral("enableReflect")).toBool(true);
        filter.reflectBlendMode = pupil.value(QStringLiteral("reflectBlendMode")).toInt(21);
        filter.reflectIntensity = std::clamp(pupil.value(QStringLiteral("reflectIntensity")).toDouble(1.0), 0.0, 1.0);
        feature.makeup << filter;
    }
    std::stable_sort(feature.makeup.begin(), feature.makeup.end(),
                     [](const MakeupFilter &a, const MakeupFilter &b) { return a.zPosition < b.zPosition; });
}

void readFilter(Feature &feature, const QJsonObject &content)
{
    feature.intensity = std::clamp(content.value(QStringLiteral("content")).toObject().value(QStringLiteral("filter"))
                                       .toObject().value(QStringLiteral("intensity")).toDouble(1.0), 0.0, 1.0);
    for (const char *suffix : {"png", "jpg", "jpeg"}) {
        const QString path = feature.folder + QStringLiteral("/filter/filter.") + QLatin1String(suffix);
        if (QFileInfo(path).isFile()) {
            feature.lookupImage = path;
            break;
        }
    }
}

void readHairColor(Feature &feature, const QJsonObject &content)
{
    const QJsonObject fill = content.value(QStringLiteral("content")).toObject().value(QStringLiteral("fill")).toObject();
    feature.intensity = std::clamp(fill.value(QStringLiteral("strength")).toDouble(0.0), 0.0, 1.0);
    feature.color = hexColor(fill.value(QStringLiteral("color")).toArray().at(0).toString(QStringLiteral("FFFFFF")));
}

void readMatting(Feature &feature, const QJsonObject &content)
{
    const QJsonObject o = content.value(QStringLiteral("content")).toObject();
    Matting &m = feature.matting;
    m.stealth = o.value(QStringLiteral("mattingType")).toString() == QLatin1String("MattingTypeInvisibleHuman");
    const QJsonObject border = o.value(QStringLiteral("border")).toObject();
    m.borderType = std::clamp(border.value(QStringLiteral("type")).toInt(0), 0, 2);
    m.borderFps = border.value(QStringLiteral("fps")).toDouble(0.6);
    for (const QJsonValue &color : border.value(QStringLiteral("color")).toArray())
        m.borderColors << hexColor(color.toString());
    while (m.borderColors.size() < m.borderType)
        m.borderColors << QColor(Qt::white);
    const QJsonObject trigger = o.value(QStringLiteral("trigger")).toObject();
    m.defaultInvisible = o.value(QStringLiteral("defaultInVisible")).toBool();
    m.triggerType = trigger.value(QStringLiteral("triggerType")).toInt();
    m.triggerDelay = std::max(0, trigger.value(QStringLiteral("triggerDelay")).toInt());
    m.triggerKeep = trigger.value(QStringLiteral("triggerKeep")).toBool(true);
    m.once = trigger.value(QStringLiteral("disableOnceTrigger")).toBool();
    m.animationFrames = std::clamp(trigger.value(QStringLiteral("animationDuration")).toInt(30), 0, 100000);
    m.autoReverse = trigger.value(QStringLiteral("animationAutoReverse")).toBool();
}

Kind kindOf(const QString &type)
{
    if (type == QLatin1String("2DSticker") || type == QLatin1String("2DStickerV2"))
        return Kind::Sticker;
    if (type == QLatin1String("FaceMakeupV2"))
        return Kind::Makeup;
    if (type == QLatin1String("Filter"))
        return Kind::Filter;
    if (type == QLatin1String("HairColor"))
        return Kind::HairColor;
    if (type == QLatin1String("Matting"))
        return Kind::Matting;
    return Kind::Other;
}

void readMusic(Package &package, const QJsonObject &bgm)
{
    package.hasMusic = true;
    const QString path = inside(package.folder, bgm.value(QStringLiteral("music_path")).toString());
    package.music.file = QFileInfo(path).isFile() ? path : QString();
    package.music.actionType = bgm.value(QStringLiteral("actiontype")).toInt();
    const QJsonObject action = bgm.value(QStringLiteral("action")).toObject();
    package.music.trigger = readTrigger(action);
    package.music.triggerLoop = action.value(QStringLiteral("triggerLoop")).toInt();
}

} // namespace

QString Sequence::framePath(int i) const
{
    return folder + QLatin1Char('/') + name + QStringLiteral("%1.png").arg(i, 3, 10, QLatin1Char('0'));
}

QVector<int> Package::triggerActions() const
{
    QVector<int> actions;
    auto add = [&actions](int value) {
        if (value != 0 && !actions.contains(value))
            actions << value;
    };
    for (const Feature &feature : features) {
        for (const StickerPart &part : feature.parts)
            add(part.trigger.type);
        if (feature.kind == Kind::Matting && feature.matting.stealth)
            add(feature.matting.triggerType);
    }
    if (hasMusic)
        add(music.trigger.type);
    std::sort(actions.begin(), actions.end());
    return actions;
}

bool Package::allowsCat() const
{
    const auto &cat = NS2DStickerParameter::faceTypeData(NS2DStickerParameter::FaceTypeCat);
    bool any = false;
    for (const Feature &feature : features) {
        if (feature.kind != Kind::Sticker)
            return false;
        for (const StickerPart &part : feature.parts) {
            for (const Anchor &anchor : part.position) {
                if (!cat.hasPoint(anchor.index))
                    return false;
            }
            any = true;
        }
    }
    return any;
}

QStringList Package::undrawnTypes() const
{
    QStringList types;
    for (const Feature &feature : features) {
        if (feature.kind == Kind::Other && !types.contains(feature.type))
            types << feature.type;
    }
    return types;
}

QStringList Package::standardFaceOnlyTypes() const
{
    QStringList types;
    for (const Feature &feature : features) {
        if (feature.kind != Kind::Other && !drawnOnPictures(feature.kind) && !types.contains(feature.type))
            types << feature.type;
    }
    return types;
}

bool drawnOnPictures(Kind kind)
{
    return kind != Kind::HairColor && kind != Kind::Matting;
}

bool readFolder(const QString &folder, Package &package, QString *error)
{
    const QString root = QFileInfo(folder).absoluteFilePath();
    const QJsonObject config = LWJsonFile::read(root + QStringLiteral("/config.json"));
    const QJsonValue links = config.value(QStringLiteral("effect")).toObject().value(QStringLiteral("Link"));
    if (!links.isArray()) {
        if (error)
            *error = QFileInfo(root + QStringLiteral("/config.json")).isFile()
                ? QStringLiteral("config.json has no \"effect\" \"Link\" list")
                : QStringLiteral("no config.json: not an effect package");
        return false;
    }
    package.folder = root;
    package.name = config.value(QStringLiteral("name")).toString();
    package.features.clear();
    for (const QJsonValue &value : links.toArray()) {
        const QJsonObject link = value.toObject();
        Feature feature;
        feature.type = link.value(QStringLiteral("type")).toString();
        feature.kind = kindOf(feature.type);
        feature.zorder = link.value(QStringLiteral("zorder")).toInt(5000);
        QString path = link.value(QStringLiteral("path")).toString();
        while (path.endsWith(QLatin1Char('/')))
            path.chop(1);
        feature.folder = inside(root, path);
        if (feature.folder.isEmpty())
            continue;
        const QJsonObject content =
            LWJsonFile::read(feature.folder + QLatin1Char('/') + LWPackageConfig::contentFileName(QFileInfo(path).fileName()));
        switch (feature.kind) {
        case Kind::Sticker: readSticker(feature, content); break;
        case Kind::Makeup: readMakeup(feature, content); break;
        case Kind::Filter: readFilter(feature, content); break;
        case Kind::HairColor: readHairColor(feature, content); break;
        case Kind::Matting: readMatting(feature, content); break;
        case Kind::Other: break;
        }
        package.features << feature;
    }
    std::stable_sort(package.features.begin(), package.features.end(),
                     [](const Feature &a, const Feature &b) { return a.zorder < b.zorder; });
    const QJsonValue bgm = config.value(QStringLiteral("effect")).toObject().value(QStringLiteral("bgm"));
    package.hasMusic = false;
    if (bgm.isObject())
        readMusic(package, bgm.toObject());
    return true;
}

bool readZip(const QString &zip, Package &package, QString *error)
{
    if (!QFileInfo(zip).isFile()) {
        if (error)
            *error = QStringLiteral("no such file");
        return false;
    }
    const QString scratch = LWFolderUtil::makeScratchFolder(LWDataPaths::subFolder(QStringLiteral("tmpRender")));
    std::shared_ptr<void> keeper(nullptr, [scratch](void *) { LWFolderUtil::removeFolder(scratch); });
    if (!LWZipUtil::unzip(zip, scratch)) {
        if (error)
            *error = QStringLiteral("the archive is damaged or holds unsafe entries");
        return false;
    }
    if (!readFolder(scratch, package, error))
        return false;
    package.scratch = keeper;
    return true;
}

} // namespace LWRenderPackage
