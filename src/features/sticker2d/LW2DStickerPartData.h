#pragma once

#include "LW2DStickerAnchor.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// One component of a sticker as the sticker document stores it. Missing
// keys and keys of the wrong type take the defaults below; nothing is
// rejected.
struct LW2DStickerPartData
{
    QString title;            // the key it was read under, or the saved title
    QString resourceId;       // frame sequence in the resource library; empty or "__LWOptionNone": none
    LW2DStickerAnchors anchors;
    int positionType = 1;
    int positionRelationType = 1;
    int triggerType = 0;      // engine action value
    int triggerMode = 0;      // inspector-only, derived from the flags on reading
    int triggerLoop = 0;      // plays; 9999 loops for ever
    int triggerDelay = 0;
    bool triggerStop = false;
    bool triggerDisappear = false;
    bool triggerRestart = false;
    double width = 300.0;
    double height = 300.0;
    int frameCount = 0;
    int blendMode = 0;        // 0..26, plus 1000 while transparent regions are filtered
    bool enable = true;
    double alphaFactor = 1.0;
    QJsonArray messageInfo;   // kept as read: the editor has no entry point for them
    int zPosition = 404;      // only orders the parts while reading
    bool checked = true;      // from a project only

    static QString noTexture() { return QStringLiteral("__LWOptionNone"); }
    bool hasTexture() const { return !resourceId.isEmpty() && resourceId != noTexture(); }

    // key: the member name the part was stored under.
    static LW2DStickerPartData fromJson(const QString &key, const QJsonValue &part, bool fromProject);
    // Every engine key; the project keys "checked", "resourceId" and "title"
    // only when asked. title and checked are the tree's, passed in.
    QJsonObject toJson(int zPosition, bool projectKeys, const QString &treeTitle, bool treeChecked) const;

    // The blend mode as written: a bare transparency flag (1000) is 0.
    int writtenBlendMode() const { return blendMode % 1000 != 0 ? blendMode : 0; }
    // The stored loop count clamped the way the engine's reader expects.
    static int clampedTriggerLoop(int loop);
    // Sets the trigger flags, the loop and the trigger type from the mode.
    void applyTriggerMode(int mode, int actionTriggerType);
};
