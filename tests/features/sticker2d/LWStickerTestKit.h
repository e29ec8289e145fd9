#pragma once

// What the 2D sticker tests share: parts written as the engine stores them,
// frame folders of plain PNGs, the panel of a part reached by member id,
// and the document's parts listed in drawing order.

#include "features/sticker2d/LW2DSticker.h"
#include "features/sticker2d/LW2DStickerPart.h"
#include "inspector/LWQmlViewModel.h"
#include "inspector/LWSecOptionViewModel.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>
#include <algorithm>

namespace LWStickerTestKit {

inline QJsonObject anchor(int index, double x, double y)
{
    QJsonObject a{{"x", x}, {"y", y}};
    if (index >= 0)
        a.insert("index", index);
    return a;
}

// A part with every key the engine reads; overrides replace members.
inline QJsonObject part(int zPosition, const QJsonObject &overrides = {})
{
    QJsonObject p{
        {"position", QJsonObject{{"positionX", QJsonArray{anchor(74, 100, 120), anchor(77, 220, 120)}},
                                 {"positionY", QJsonArray()}}},
        {"positionRelationType", 1},
        {"positionType", 1},
        {"rotateCenter", QJsonArray{anchor(-1, 160, 150)}},
        {"scale", QJsonObject{{"scaleX", QJsonObject{{"pointA", QJsonArray{anchor(74, 100, 120)}},
                                                     {"pointB", QJsonArray{anchor(77, 220, 120)}}}},
                              {"scaleY", QJsonObject{{"pointA", QJsonArray()}, {"pointB", QJsonArray()}}}}},
        {"triggerDelay", 0},
        {"triggerLoop", 0},
        {"triggerType", 0},
        {"triggerStop", false},
        {"triggerDisappear", false},
        {"triggerRestart", false},
        {"width", 320.0},
        {"height", 240.0},
        {"zPosition", zPosition},
        {"blendMode", 0},
        {"frameCount", 0},
        {"enable", true},
        {"alphaFactor", 1.0}};
    for (auto it = overrides.begin(); it != overrides.end(); ++it)
        p.insert(it.key(), it.value());
    return p;
}

// count frames "<key>_000.png" ... of one colour into "<folder>/<key>".
inline bool writeFrames(const QString &folder, const QString &key, int count, QSize size, QColor color = Qt::red)
{
    const QString dir = folder + "/" + key;
    QDir().mkpath(dir);
    for (int i = 0; i < count; ++i) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(color);
        if (!image.save(QStringLiteral("%1/%2_%3.png").arg(dir, key).arg(i, 3, 10, QLatin1Char('0'))))
            return false;
    }
    return true;
}

inline QStringList titles(const LW2DSticker *sticker)
{
    QStringList result;
    for (const LW2DStickerPart *p : sticker->models())
        result << p->title();
    return result;
}

// The parts of a written document, highest zPosition first.
inline QList<QJsonObject> partsByZ(const QJsonObject &document, QStringList *keys = nullptr)
{
    QList<QPair<QString, QJsonObject>> parts;
    const QJsonObject stored = document.value("parts").toObject();
    for (auto it = stored.begin(); it != stored.end(); ++it)
        parts.append({it.key(), it.value().toObject()});
    std::stable_sort(parts.begin(), parts.end(), [](const auto &a, const auto &b) {
        return a.second.value("zPosition").toInt() > b.second.value("zPosition").toInt();
    });
    QList<QJsonObject> result;
    for (const auto &p : parts) {
        result << p.second;
        if (keys)
            *keys << p.first;
    }
    return result;
}

// The node of the panel that edits a member; option pages are searched too.
inline LWQmlViewModel *node(LWQmlViewModel *root, const QString &id)
{
    if (!root)
        return nullptr;
    if (root->id() == id)
        return root;
    for (const auto &child : root->children()) {
        if (LWQmlViewModel *found = node(child.get(), id))
            return found;
    }
    if (auto *options = qobject_cast<LWSecOptionViewModel *>(root)) {
        for (int page = 0; page < options->pageCount(); ++page) {
            for (const auto &child : options->page(page)) {
                if (LWQmlViewModel *found = node(child.get(), id))
                    return found;
            }
        }
    }
    return nullptr;
}

inline LWSecOptionViewModel *triggerSection(LWQmlViewModel *root)
{
    if (auto *options = qobject_cast<LWSecOptionViewModel *>(root))
        return options;
    for (const auto &child : root->children()) {
        if (auto *found = triggerSection(child.get()))
            return found;
    }
    return nullptr;
}

} // namespace LWStickerTestKit
