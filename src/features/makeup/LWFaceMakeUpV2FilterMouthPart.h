#pragma once

#include "LWFaceMakeupV2FilterBase.h"

// A texture around the mouth, cut to its visible part on export.
class LWFaceMakeUpV2FilterMouthPart : public LWFaceMakeupV2FilterBase
{
    Q_OBJECT
public:
    explicit LWFaceMakeUpV2FilterMouthPart(LWFaceMakeUpV2Model *makeup)
        : LWFaceMakeupV2FilterBase(makeup, QStringLiteral("mouth_part"))
    {
    }
};
