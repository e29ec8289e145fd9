#pragma once

#include <QJsonObject>
#include <QList>
#include <QRect>
#include <QString>

class LWFaceMakeupV2FilterBase;
class LWFaceMakeUpV2Model;

// What tells the eleven makeup filters apart. The filter base reads every
// per-type decision from its row of this table, so a filter class is little
// more than the choice of its row.
struct LWFaceMakeupV2FilterKind
{
    // How a resource slot is stored: one picture, or a folder of frames.
    enum class Storage { Texture, Sequence };

    struct ResourceSlot
    {
        QString key;         // member of the filter object, "blend_resources"
        QString defaultName; // picture of the program's resources; empty: none
        Storage storage = Storage::Texture;
        bool exported = true; // false: kept in projects and the panel only
        bool cropped = false; // cut to its visible pixels on export
    };

    using Creator = LWFaceMakeupV2FilterBase *(*)(LWFaceMakeUpV2Model *makeup);

    QString typeKey;  // "filterType" in makeup.json
    int filterType = 0;
    QString title;    // tree title of a new filter
    QList<ResourceSlot> resources;
    bool writesBlendMode = false;
    int defaultBlendMode = -1; // -1: the defaults carry none
    QString extraKey;          // "browV2Param" ...; empty: no extra block
    QJsonObject extraDefaults;
    QString previewKey;        // the slot the scene shows; empty: nothing
    QString profile;           // under ":/LWFaceMakeUpV2/profile/"
    int usageEvent = 0;
    // An empty slot is exported as a transparent picture: the engine needs
    // one for these kinds.
    bool defaultPictureWhenEmpty = false;
    QRect fixedRect;           // always written when valid
    QRect defaultRect;         // rectangle of a new filter; null: the face
    QString version = QStringLiteral("0.0.0");
    Creator create = nullptr;

    const ResourceSlot *slot(const QString &key) const;
    // The slot whose texture carries the filter's rectangle: the one cut on
    // export, else the one the scene shows; null for none.
    const ResourceSlot *rectSlot() const;

    // Every kind, in the order of their type values.
    static const QList<LWFaceMakeupV2FilterKind> &all();
    // Null for a key that names no kind.
    static const LWFaceMakeupV2FilterKind *find(const QString &typeKey);
};
