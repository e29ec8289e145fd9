#include "LWFaceMakeupV2FilterKind.h"

#include "LWFaceMakeUpV2FilterBrow.h"
#include "LWFaceMakeUpV2FilterEyePart.h"
#include "LWFaceMakeUpV2FilterJieMao.h"
#include "LWFaceMakeUpV2FilterLipSeg.h"
#include "LWFaceMakeUpV2FilterLipV3.h"
#include "LWFaceMakeUpV2FilterLipsKeyPoint.h"
#include "LWFaceMakeUpV2FilterLipsV2.h"
#include "LWFaceMakeUpV2FilterMask.h"
#include "LWFaceMakeUpV2FilterMouthPart.h"
#include "LWFaceMakeUpV2FilterPupil.h"
#include "LWFaceMakeUpV2FilterTeethWhiten.h"

#include <QJsonArray>

namespace {

using Kind = LWFaceMakeupV2FilterKind;
using Slot = Kind::ResourceSlot;
using Type = LWFaceMakeupV2FilterBase;

template <typename T>
LWFaceMakeupV2FilterBase *make(LWFaceMakeUpV2Model *makeup)
{
    return new T(makeup);
}

Slot texture(const char *key, const char *defaultName, bool cropped = false)
{
    return {QLatin1String(key), QLatin1String(defaultName), Kind::Storage::Texture, true, cropped};
}

Slot sequence(const char *key, const char *defaultName, bool cropped = false)
{
    return {QLatin1String(key), QLatin1String(defaultName), Kind::Storage::Sequence, true, cropped};
}

QJsonObject lipParameters(bool withMouthColor)
{
    QJsonObject block{{"uThreshold", 1.0},       {"uShift", 0.0},         {"uShrink", 0.5},
                      {"uGlossAlpha", 0.5},      {"uMetallightAlpha", 1.0}, {"uScale", 0.5},
                      {"uShimmerMode", true},    {"uLightMode", false},   {"uSmoothMode", false},
                      {"uLightColor", QJsonArray{1, 1, 0, 1}}};
    if (withMouthColor)
        block.insert(QStringLiteral("uMouthColor"), QJsonArray{0.572549, 0, 0, 0.781714});
    return block;
}

// The lips keep their place on the face whatever their texture.
const QRect kLipsRect(215, 665, 291, 132);

QList<Kind> buildKinds()
{
    QList<Kind> kinds;
    auto add = [&kinds](Kind kind) { kinds.append(std::move(kind)); };

    Kind mask;
    mask.typeKey = QStringLiteral("mask");
    mask.filterType = Type::LWFaceMakeUpFilterTypeMask;
    mask.title = QStringLiteral("mask");
    mask.resources = {sequence("2d_sequence_resources", "maskSeq", true)};
    mask.writesBlendMode = true;
    mask.defaultBlendMode = 0;
    mask.previewKey = QStringLiteral("2d_sequence_resources");
    mask.profile = QStringLiteral("LWFaceMakeUpV2MaskProfile.json");
    mask.usageEvent = 3500;
    mask.defaultPictureWhenEmpty = true;
    mask.create = &make<LWFaceMakeUpV2FilterMask>;
    add(mask);

    Kind lipsKeypoint;
    lipsKeypoint.typeKey = QStringLiteral("lips_keypoint");
    lipsKeypoint.filterType = Type::LWFaceMakeUpFilterTypeLipsKeypoint;
    lipsKeypoint.title = QStringLiteral("Lips(Keypoint)");
    lipsKeypoint.resources = {texture("lookup_resources", "lipsKLookup"), texture("mask_resources", "lipsKMask", true)};
    lipsKeypoint.previewKey = QStringLiteral("mask_resources");
    lipsKeypoint.profile = QStringLiteral("LWFaceMakeUpV2LipsKeyPointProfile.json");
    lipsKeypoint.usageEvent = 3505;
    lipsKeypoint.create = &make<LWFaceMakeUpV2FilterLipsKeyPoint>;
    add(lipsKeypoint);

    Kind teeth;
    teeth.typeKey = QStringLiteral("teeth");
    teeth.filterType = Type::LWFaceMakeUpFilterTypeTeeth;
    teeth.title = QStringLiteral("Teeth");
    teeth.resources = {texture("lookup_resources", "teethLookup"), texture("mask_resources", "teethMask", true)};
    teeth.previewKey = QStringLiteral("mask_resources");
    teeth.profile = QStringLiteral("LWFaceMakeUpV2TeethProfile.json");
    teeth.usageEvent = 3507;
    teeth.defaultRect = QRect(488, 722, 260, 130);
    teeth.create = &make<LWFaceMakeUpV2FilterTeethWhiten>;
    add(teeth);

    Kind lipsSeg;
    lipsSeg.typeKey = QStringLiteral("lips_seg");
    lipsSeg.filterType = Type::LWFaceMakeUpFilterTypeLipsSeg;
    lipsSeg.title = QStringLiteral("Lips(Segment)");
    lipsSeg.resources = {texture("lookup_resources", "lipsSegLookup")};
    lipsSeg.profile = QStringLiteral("LWFaceMakeUpV2LipsSegProfile.json");
    lipsSeg.usageEvent = 3504;
    lipsSeg.create = &make<LWFaceMakeUpV2FilterLipSeg>;
    add(lipsSeg);

    Kind brow;
    brow.typeKey = QStringLiteral("brow");
    brow.filterType = Type::LWFaceMakeUpFilterTypeBrow;
    brow.title = QStringLiteral("Brow");
    brow.resources = {texture("blend_resources", "browBlend"), texture("mask_resources", "browMask")};
    brow.writesBlendMode = true;
    brow.extraKey = QStringLiteral("browV2Param");
    brow.extraDefaults = QJsonObject{{"thinIntensity", 1.0}};
    brow.previewKey = QStringLiteral("blend_resources");
    brow.profile = QStringLiteral("LWFaceMakeUpV2BrowProfile.json");
    brow.usageEvent = 3501;
    brow.defaultPictureWhenEmpty = true;
    brow.create = &make<LWFaceMakeUpV2FilterBrow>;
    add(brow);

    Kind eyePart;
    eyePart.typeKey = QStringLiteral("eye_part");
    eyePart.filterType = Type::LWFaceMakeUpFilterTypeEyePart;
    eyePart.title = QStringLiteral("Eye");
    eyePart.resources = {sequence("2d_sequence_resources", "eyePartSeq", true)};
    eyePart.writesBlendMode = true;
    eyePart.defaultBlendMode = 0;
    eyePart.previewKey = QStringLiteral("2d_sequence_resources");
    eyePart.profile = QStringLiteral("LWFaceMakeUpV2EyePartProfile.json");
    eyePart.usageEvent = 3502;
    eyePart.defaultPictureWhenEmpty = true;
    eyePart.create = &make<LWFaceMakeUpV2FilterEyePart>;
    add(eyePart);

    Kind mouthPart;
    mouthPart.typeKey = QStringLiteral("mouth_part");
    mouthPart.filterType = Type::LWFaceMakeUpFilterTypeMouthPart;
    mouthPart.title = QStringLiteral("Mouth");
    mouthPart.resources = {texture("blend_resources", "mouthPart", true)};
    mouthPart.writesBlendMode = true;
    mouthPart.defaultBlendMode = 0;
    mouthPart.previewKey = QStringLiteral("blend_resources");
    mouthPart.profile = QStringLiteral("LWFaceMakeUpV2MouthPart.json");
    mouthPart.usageEvent = 3508;
    mouthPart.create = &make<LWFaceMakeUpV2FilterMouthPart>;
    add(mouthPart);

    Kind pupil;
    pupil.typeKey = QStringLiteral("pupil");
    pupil.filterType = Type::LWFaceMakeUpFilterTypePupil;
    pupil.title = QStringLiteral("Pupil");
    pupil.resources = {texture("blend_resources", "pupilBlend"), texture("mask_resources", "pupilMask", true),
                       {QStringLiteral("reflect_resources"), QString(), Kind::Storage::Texture, false, false}};
    pupil.writesBlendMode = true;
    pupil.defaultBlendMode = 0;
    pupil.extraKey = QStringLiteral("pupilV2Param");
    pupil.extraDefaults = QJsonObject{{"enableReflect", true}, {"reflectBlendMode", 21}, {"reflectIntensity", 1.0}};
    pupil.previewKey = QStringLiteral("blend_resources");
    pupil.profile = QStringLiteral("LWFaceMakeUpV2PupilProfile.json");
    pupil.usageEvent = 3506;
    pupil.create = &make<LWFaceMakeUpV2FilterPupil>;
    add(pupil);

    Kind lipsV2;
    lipsV2.typeKey = QStringLiteral("lips_v2");
    lipsV2.filterType = Type::LWFaceMakeupUpFilterTypeLipsV2;
    lipsV2.title = QStringLiteral("Lip V2");
    lipsV2.resources = {texture("blend_resources", "lipsv2")};
    lipsV2.extraKey = QStringLiteral("lipV2Param");
    lipsV2.extraDefaults = lipParameters(true);
    lipsV2.profile = QStringLiteral("LWFaceMakeUpV2Lipsv2Profile.json");
    lipsV2.usageEvent = 3503;
    lipsV2.fixedRect = kLipsRect;
    lipsV2.create = &make<LWFaceMakeUpV2FilterLipsV2>;
    add(lipsV2);

    Kind jiemao;
    jiemao.typeKey = QStringLiteral("jiemao_v2");
    jiemao.filterType = Type::LWFaceMakeupUpFilterTypeJiemaoV2;
    jiemao.title = QStringLiteral("Eyelash");
    jiemao.resources = {sequence("2d_sequence_resources", "jiemao_v2")};
    jiemao.writesBlendMode = true;
    jiemao.defaultBlendMode = 15;
    jiemao.profile = QStringLiteral("LWFaceMakeUpV2JiemaoV2.json");
    jiemao.usageEvent = 3509;
    jiemao.create = &make<LWFaceMakeUpV2FilterJieMao>;
    add(jiemao);

    Kind lipsV3;
    lipsV3.typeKey = QStringLiteral("lips_v3");
    lipsV3.filterType = Type::LWFaceMakeupUpFilterTypeLipsV3;
    lipsV3.title = QStringLiteral("lips(V3)");
    lipsV3.resources = {texture("blend_resources", "lipsv3Blend"), sequence("2d_sequence_resources", "lipv3sequence"),
                        texture("lookup_resources", "lipsv3Lookup")};
    lipsV3.extraKey = QStringLiteral("lipV2Param");
    lipsV3.extraDefaults = lipParameters(false);
    lipsV3.profile = QStringLiteral("LWFaceMakeUpV2Lipsv3Profile.json");
    lipsV3.usageEvent = 3510;
    lipsV3.fixedRect = kLipsRect;
    lipsV3.version = QStringLiteral("2.9.0");
    lipsV3.create = &make<LWFaceMakeUpV2FilterLipV3>;
    add(lipsV3);

    return kinds;
}

} // namespace

const LWFaceMakeupV2FilterKind::ResourceSlot *LWFaceMakeupV2FilterKind::slot(const QString &key) const
{
    for (const ResourceSlot &s : resources) {
        if (s.key == key)
            return &s;
    }
    return nullptr;
}

const LWFaceMakeupV2FilterKind::ResourceSlot *LWFaceMakeupV2FilterKind::rectSlot() const
{
    for (const ResourceSlot &s : resources) {
        if (s.cropped)
            return &s;
    }
    return previewKey.isEmpty() ? nullptr : slot(previewKey);
}

const QList<LWFaceMakeupV2FilterKind> &LWFaceMakeupV2FilterKind::all()
{
    static const QList<LWFaceMakeupV2FilterKind> kinds = buildKinds();
    return kinds;
}

const LWFaceMakeupV2FilterKind *LWFaceMakeupV2FilterKind::find(const QString &typeKey)
{
    for (const LWFaceMakeupV2FilterKind &kind : all()) {
        if (kind.typeKey == typeKey)
            return &kind;
    }
    return nullptr;
}
