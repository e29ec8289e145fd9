#pragma once

#include <QObject>
#include <QString>

// The vocabulary every subsystem shares. A meta-object holder without
// instances: the enumerations are registered so that the interface layer can
// name them by key and packages can store a type name derived from the key.
class LWEffectCommon
{
    Q_GADGET
public:
    enum LWFeatureType {
        LWFeatureTypeModel = 0,
        LWFeatureTypeParticle,
        LWFeatureTypeLight,
        LWFeatureTypeCamera,
        LWFeatureTypePostEffect,
        LWFeatureTypeJointParticle,
        LWFeatureTypeParticleV1,
        LWFeatureType3DStickerV3,
        LWFeatureTypeFilter,
        LWFeatureTypeFaceMakeupV2,
        LWFeatureTypeFaceDistortionV2,
        LWFeatureTypeBodyDistortion,
        LWFeatureTypeLegDistortion,
        LWFeatureType2DSticker,
        LWFeatureType2DStickerV2,
        LWFeatureTypeMultiViewer,
        LWFeatureTypeHairColor,
        LWFeatureTypeMatting,
        LWFeatureTypeBGM,
        LWFeatureTypeFaceStretch,
        LWFeatureTypeUnknow,
    };
    Q_ENUM(LWFeatureType)

    enum LWConstraintType {
        LWConstraintTypeNone = 0,
        LWConstraintTypeFaceSize1200,
        LWConstraintTypeFaceSize1280,
        LWConstrainTypeTextureSize540x960,
        LWConstrainTypeTextureSizeMul1000x1000,
        LWConstrainTypeTextureSizeFix174x89,
        LWConstrainTypeTextureSizeFix512x512,
        LWConstrainTypeTextureSizeFix150x150,
    };
    Q_ENUM(LWConstraintType)

    enum LWResourceType {
        LWResourceTypeUnknown = 0,
        LWResourceType2DTexture,
        LWResourceTypeMTL,
        LWResourceTypeParticle,
        LWResourceType3DModel,
        LWResourceTypeShader,
        LWResourceType2DTextureFrame,
        LWResourceMusic,
        LWResourceTypeAll,
    };
    Q_ENUM(LWResourceType)

    enum LWPopupPanelType {
        LWPopupPanelTypeNone = 0,
        LWPopupPanelTypeParticleAffectorColors,
        LWPopupPanelTypeModelAnimTextureInfo,
    };
    Q_ENUM(LWPopupPanelType)

    enum LW3DLightType {
        LW3DLightTypePoint = 0,
        LW3DLightTypeSpot,
        LW3DLightTypeDir,
    };
    Q_ENUM(LW3DLightType)

    // Which navigation tree a selection comes from. Deliberately not
    // registered for key lookup: nothing converts it by name.
    enum LWNaviTreeType {
        LWNaviTreeTypeEffect = 0,
        LWNaviTreeTypeResource = 1,
    };

    // Full key ("LWFeatureType2DSticker") to value; -1 for anything else,
    // including a key given without its prefix.
    static int featureTypeFromKey(const QString &key);
    static QString featureTypeKey(LWFeatureType type);
    // Package type name: the key without "LWFeatureType" ("2DSticker").
    static QString featurePackageName(LWFeatureType type);
    static QString packageNameFromKey(const QString &key);
    // Stored package type name to value; "multi_view" reads as "MultiViewer".
    static int featureTypeFromPackageName(const QString &packageName);

    static int resourceTypeFromKey(const QString &key);
    static QString resourceTypeKey(LWResourceType type);
    static int constraintTypeFromKey(const QString &key);
    static QString constraintTypeKey(LWConstraintType type);
};

Q_DECLARE_METATYPE(LWEffectCommon::LWFeatureType)
Q_DECLARE_METATYPE(LWEffectCommon::LWNaviTreeType)

// Flags handed by value to every resource import: whether the new resource id
// is returned, whether an undo command is pushed, whether the tree shows it.
struct ImportResourceParam
{
    bool returnResourceId = false;
    bool withUndo = true;
    bool addToTree = true;
};

// What the effect hands every feature when saving or exporting.
struct SaveParam
{
    QString path;              // target folder; empty means the effect folder
    bool bSaveProject = false; // project save (true) or package export (false)
};

// What the effect hands every feature when creating it from stored data.
struct LoadParam
{
    bool bLoadFromProject = false; // rebuilt from a project record, not a package folder
};
