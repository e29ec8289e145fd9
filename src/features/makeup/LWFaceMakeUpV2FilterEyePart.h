#pragma once

#include "LWFaceMakeupV2FilterBase.h"

// Eye shadow: a sequence around the eyes, cut to its visible part on export.
class LWFaceMakeUpV2FilterEyePart : public LWFaceMakeupV2FilterBase
{
    Q_OBJECT
public:
    explicit LWFaceMakeUpV2FilterEyePart(LWFaceMakeUpV2Model *makeup)
        : LWFaceMakeupV2FilterBase(makeup, QStringLiteral("eye_part"))
    {
    }
};
