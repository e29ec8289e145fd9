#pragma once

#include <QObject>
#include <QString>

// The usage-event values the interface and the models send. Values are
// numbered by group (project entry, opening the editor, help, features,
// resources, services, leaving, makeup, tutorial, preview); the last key of
// each group ("...Buttom") closes it. The key text is what travels.
class LWBeaconnEventParam
{
    Q_GADGET
public:
    enum LWBeaconEventParamType {
        gsCreateNew = 0,
        gsTemplateWhiteCat,
        gsTemplateLittleBeauty,
        gsTemplateTidewaveDJ,
        gsTemplateCatAndBear,
        gsTemplateSweetyFilter,
        gsTemplateMakeupEyeTear,
        gsTemplateMakeupRobot,
        gsTemplateSpaceCapsule,
        gsTemplateButtom,

        gsOpenStudioDoubleClick = 500,
        gsOpenStudioButtom,

        gsClickMyEffectStoreHouse = 1000,
        gsClickOnlineTutorial,
        gsClickReport,
        gsClickAidButtom,

        gsClickAddFeatrue = 1500,
        gsClickAdd2DSticker,
        gsClickAddFilter,
        gsClickAddFaceMakeUp,
        gsClickAdd3DFeature,
        gsClickAddFaceDistortionV2,
        gsClickAdd2DStickerV2,
        gsClickAddMultiViewer,
        gsClickAddLegDistortion,
        gsClickAddBodyDistortion,
        gsClickAddHairColor,
        gsClickAddBGMV1,
        gsClickAddFaceStretch,
        gsClickAddMatting,
        gsClickAddFeatrueButtom,

        gsClickImportResourceFile = 2000,
        gsClickImportResourceTextureFrame,
        gsClickMateriallibrary,
        gsClickImportMusic,
        gsClickImportGifAsTextureFrame,
        gsClickResourceButtom,

        gsSyncToPhone = 2500,
        gsClickFeedBack,
        gsClickUploadEffect,
        gsClickUploadAndSubmit,
        gsClickServiceButtom,

        gsClickClose = 3000,
        gsClickLogout,
        gsClickLeaveButtom,

        gsMakeupMask = 3500,
        gsMakeupBrow,
        gsMakeupEyePart,
        gsMakeupLipsV2,
        gsMakeupLipsSeg,
        gsMakeupLipsKeyPoint,
        gsMakeupPupil,
        gsMakeupTeeth,
        gsMakeupMouth,
        gsMakeupJiemao,
        gsMakeupLipsV3,
        gsMakeupButtom,

        gsClickTutorialNext = 4000,
        gsClickTutorialFinish,
        gsClickTutorialSkip,
        gsClickTutorialButtom,

        gsClickPreviewCamera = 4500,
        gsClickPreviewImage,
        gsClickPreviewVideo,
        gsClickPreviewRefresh,
        gsClickPreviewUI,
        gsClickPreviewPlayAndPause,
        gsClickPreviewNextAndPrevious,
        gsClickPreviewButtom,
    };
    Q_ENUM(LWBeaconEventParamType)

    // The key of a value; empty when the value names no key.
    static QString keyOf(int value);
    // The value of a key; -1 when there is no such key.
    static int valueOf(const QString &key);
};
