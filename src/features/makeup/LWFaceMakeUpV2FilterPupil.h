#pragma once

#include "LWFaceMakeupV2FilterBase.h"

// The pupil: its folder in makeup.json holds the pupil picture as frame 000
// and the reflection as frame 002, and a pupil without a picture masks the
// eyes out with a black mask instead.
class LWFaceMakeUpV2FilterPupil : public LWFaceMakeupV2FilterBase
{
    Q_OBJECT
public:
    explicit LWFaceMakeUpV2FilterPupil(LWFaceMakeUpV2Model *makeup)
        : LWFaceMakeupV2FilterBase(makeup, QStringLiteral("pupil"))
    {
    }

protected:
    void importResources(QStringList &usedFolders) override;
    void exportResources(QJsonObject &filter, const QString &featureFolder, QRect &rect) override;
};
