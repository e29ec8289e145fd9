#pragma once

#include "render/LWRenderRules.h"

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

// An effect package as the renderer reads it: config.json and the feature
// folders, the way export and "Sync to Phone" write them. Only what drawing
// needs is kept; image files stay on disk and are decoded when shown.
namespace LWRenderPackage {

struct Anchor
{
    int index = -1;
    QPointF image; // the part's image pixel pinned to the point
};

struct StickerPart
{
    QString key;
    QString framePrefix; // folder/key_ ; frame i is prefix + %03d + ".png"
    QVector<Anchor> position;
    Anchor scaleA, scaleB;
    int positionType = 1;
    double width = 300, height = 300;
    int frameCount = 0;
    int zPosition = 404;
    int blendMode = 0;
    double alpha = 1.0;
    int triggerLoop = 0;
    LWRenderRules::TriggerRule trigger;
};

// A makeup texture: frame i is folder/name + %03d + ".png".
struct Sequence
{
    QString folder;
    QString name;
    int count = 0;
    double interval = LWRenderRules::kMakeupDefaultInterval;
    bool isEmpty() const { return count <= 0 || folder.isEmpty(); }
    QString framePath(int i) const;
};

struct MakeupFilter
{
    QString type; // "mask", "pupil", "lips_v2" ...
    int zPosition = 1;
    int blendMode = 0;
    double intensity = 1.0;
    QRect rect; // in the makeup's square standard face
    Sequence blend, mask, sequence, lookup;
    QColor lipColor; // "uMouthColor", alpha included
    bool reflect = false;
    int reflectBlendMode = 21;
    double reflectIntensity = 1.0;
};

struct Matting
{
    bool stealth = false;
    int borderType = 0;
    double borderFps = 0.6;
    QVector<QColor> borderColors;
    bool defaultInvisible = false;
    int triggerType = 0;
    int triggerDelay = 0;
    bool triggerKeep = true;
    bool once = false; // "disableOnceTrigger": only the first action counts
    int animationFrames = 30;
    bool autoReverse = false;
};

struct Music
{
    QString file; // absolute; empty when none
    int actionType = 0;
    LWRenderRules::TriggerRule trigger;
    int triggerLoop = 0;
};

enum class Kind { Sticker, Makeup, Filter, HairColor, Matting, Other };

// Whether a kind is drawn on a tracked photo or video frame: hair colour
// and matting need masks of the hair and the person that face points cannot
// give, so they show on the standard face only.
bool drawnOnPictures(Kind kind);

// One "Link" entry, in drawing order.
struct Feature
{
    Kind kind = Kind::Other;
    QString type;
    QString folder; // absolute
    int zorder = 0;
    QVector<StickerPart> parts;   // Sticker, lowest zPosition first
    QVector<MakeupFilter> makeup; // Makeup, lowest zPosition first
    QString lookupImage;          // Filter
    double intensity = 1.0;       // Filter, HairColor strength
    QColor color;                 // HairColor
    Matting matting;
};

struct Package
{
    QString folder; // the unpacked package
    QString name;
    QVector<Feature> features; // ascending "zorder", ties in Link order
    Music music;
    bool hasMusic = false;
    // Removes a scratch copy (an unpacked zip) when the last user is done.
    std::shared_ptr<void> scratch;

    // The face actions the package reacts to, as engine values, ascending.
    QVector<int> triggerActions() const;
    // Whether the effect can be drawn on the cat face as well: only
    // stickers, every anchor a point the cat face has.
    bool allowsCat() const;
    // The types present that the renderer does not draw (for messages).
    QStringList undrawnTypes() const;
    // The types present that are drawn on the standard face only.
    QStringList standardFaceOnlyTypes() const;
};

// Reads a package folder. An unusable package (no config.json, no "Link"
// array) gives false and a reason in error.
bool readFolder(const QString &folder, Package &package, QString *error);
// Unpacks a zip into a scratch folder that lives as long as the package.
bool readZip(const QString &zip, Package &package, QString *error);

} // namespace LWRenderPackage
